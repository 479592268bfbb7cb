#include "support/TableFixture.h"

#include "app/TableView.h"

#include <QApplication>
#include <QFile>
#include <QKeyEvent>
#include <QMenuBar>
#include <QScreen>
#include <QWindow>

namespace {

/// The table window shown over a program folder of its own, playing from the shared settings.
class WindowFrameTest : public TableCommandTest {
protected:
    void SetUp() override
    {
        TableCommandTest::SetUp();
        g_settingsFile = kSharedSettingsFile;
        table_->show();
    }
    /// The settings file written since the last call, which takes it away.
    QByteArray written() const
    {
        const QByteArray text = folder_.read(kSharedSettingsFile);
        QFile::remove(folder_.filePath(kSharedSettingsFile));
        return text;
    }
};

TEST_F(WindowFrameTest, EnterDoesNothingAndEveryWayOutWritesTheSettingsOnce)
{
    const QByteArray settings = "0 1 0 1 3 1 1 1 3 2 8 1000 1 1 10 0";
    const auto press = [this](int key) {
        QKeyEvent event(QEvent::KeyPress, key, Qt::NoModifier);
        QApplication::sendEvent(table_.get(), &event);
    };
    g_level = 3;
    press(Qt::Key_Return);
    EXPECT_EQ(std::tuple(table_->isVisible(), written()), std::tuple(true, ""));
    press(Qt::Key_Escape);
    EXPECT_EQ(std::tuple(table_->isVisible(), written()), std::tuple(false, settings));
    table_->close();
    EXPECT_EQ(written(), "") << "the close that follows the end of the dialog writes no more";

    // The close box, the menu's "Выход", and a close during a game step, which waits for it.
    const std::function<void(CVertanDlg&)> ways[] = {
        [](CVertanDlg& t) { t.close(); },
        [](CVertanDlg& t) {
            for (QAction* item : t.findChild<QMenuBar*>()->actions()[0]->menu()->actions())
                if (item->text() == QStringLiteral("Выход"))
                    item->trigger();
        },
        [this](CVertanDlg& t) {
            t.RunStep([&] {
                t.close();
                EXPECT_EQ(std::tuple(t.isVisible(), written()), std::tuple(true, ""));
            });
        },
    };
    for (const auto& leave : ways) {
        table_ = std::make_unique<CVertanDlg>();
        g_programDir = folder_.path() + QLatin1Char('/');
        table_->show();
        leave(*table_);
        EXPECT_EQ(std::tuple(table_->isVisible(), written()), std::tuple(false, settings));
    }
}

TEST_F(WindowFrameTest, SizeMessagesLayOutAlwaysButTileAndRepaintOnlyAfterStartUp)
{
    const struct {
        int started, type, width, height, maximized, tiledWidth, tiledHeight, clientWidth;
        bool retiled, redrawn;
    } rows[] = {
        { 0, kSizeMaximized, 1280, 900, 0, 0, 0, 1280, false, false },
        { 1, kSizeMaximized, 1280, 900, 1, 1280, 900, 1280, true, true },
        { 1, kSizeMinimized, 0, 0, 1, 1280, 900, 1280, false, false }, // a minimise changes no value
        { 1, kSizeRestored, 800, 600, 0, 1280, 900, 800, false, true }, // shrinking does not re-tile
        { 1, kSizeRestored, 1300, 700, 0, 1300, 700, 1300, true, true }, // wider, though lower
    };
    g_tiledWidth = g_tiledHeight = 0;
    for (const auto& row : rows) {
        g_started = row.started;
        table_->m_dcTable.setPixel(1250, 650, kTestTable);
        markWindow();
        table_->OnSize(row.type, row.width, row.height);
        EXPECT_EQ(std::tuple(g_maximized, g_tiledWidth, g_tiledHeight, g_clientWidth, redrawn()),
            std::tuple(row.maximized, row.tiledWidth, row.tiledHeight, row.clientWidth, row.redrawn))
            << row.width;
        EXPECT_EQ(table_->m_dcTable.getPixel(1250, 650), row.retiled ? BackgroundColour(1) : kTestTable);
    }
    // The table fills the window below the menu, and the window's size reaches it.
    table_->resize(1000, 700);
    QApplication::processEvents();
    EXPECT_EQ(std::tuple(g_clientWidth, g_clientHeight),
        std::tuple(1000, 700 - table_->findChild<QMenuBar*>()->height()));
}

TEST_F(WindowFrameTest, TheNormalWindowKeepsItsSizeWhileMaximiseAndRestoreLayTheTableOut)
{
    const auto wh = [](QSize size) { return std::pair(size.width(), size.height()); };
    const int menu = table_->findChild<QMenuBar*>()->height();
    const QSize normal(kInitialClientWidth, kInitialClientHeight + menu);
    const QWindow& window = *table_->windowHandle();
    const QSize screen = window.screen()->availableSize();
    // What the window manager is told. The normal window takes no size but its own: none
    // below it, and a resize step from it beyond the screen. Its maximum is left open, as
    // equal minimum and maximum sizes take the maximise box away.
    const auto hints = [&] {
        const QSize step = window.sizeIncrement();
        const bool ownSizeOnly
            = window.baseSize() == normal && step.width() > screen.width() && step.height() > screen.height();
        return std::tuple(wh(window.minimumSize()),
            window.maximumSize() == QSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX), ownSizeOnly, step.isEmpty());
    };
    g_started = 1;

    const struct {
        const char* step;
        void (QWidget::*act)();
        Qt::WindowState state;
    } rows[] = {
        { "opened", nullptr, Qt::WindowNoState },
        { "maximised", &QWidget::showMaximized, Qt::WindowMaximized },
        { "restored", &QWidget::showNormal, Qt::WindowNoState },
        { "minimised", &QWidget::showMinimized, Qt::WindowMinimized },
        { "restored again", &QWidget::showNormal, Qt::WindowNoState },
        { "maximised again", &QWidget::showMaximized, Qt::WindowMaximized },
    };
    for (const auto& row : rows) {
        if (row.act)
            (table_.get()->*row.act)();
        QApplication::processEvents();
        const bool maximised = row.state == Qt::WindowMaximized;
        EXPECT_EQ(std::tuple(table_->windowState(), hints()),
            std::tuple(Qt::WindowStates(row.state), std::tuple(wh(normal), true, !maximised, maximised)))
            << row.step;
        if (row.state == Qt::WindowMinimized)
            continue;
        // The table is laid out for the window: 640 x 445 when normal, the screen when maximised.
        const QSize client = table_->tableView()->size();
        EXPECT_EQ(std::tuple(g_clientWidth, g_clientHeight, g_maximized),
            std::tuple(client.width(), client.height(), int(maximised)))
            << row.step;
        EXPECT_EQ(wh(maximised ? table_->frameGeometry().size() : client),
            wh(maximised ? screen : QSize(kInitialClientWidth, kInitialClientHeight)))
            << row.step;
    }
    const Qt::WindowFlags boxes = Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint;
    EXPECT_EQ(table_->windowFlags() & boxes, boxes);
}

} // namespace
