#include "support/TableFixture.h"

#include <QApplication>
#include <QFile>
#include <QKeyEvent>
#include <QMenuBar>

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

} // namespace
