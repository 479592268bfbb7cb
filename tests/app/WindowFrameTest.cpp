#include "support/TableFixture.h"

#include "app/Layout.h"
#include "app/files/SettingsFile.h"
#include "engine/Settings.h"

#include <QApplication>
#include <QFile>
#include <QKeyEvent>
#include <QMenuBar>

namespace {

const QByteArray kSettings = "0 1 0 1 3 1 1 1 1 2 8 1000 1 1 10 0";

/// The table window over a program folder of its own, playing from the shared settings.
class WindowFrameTest : public TableCommandTest {
protected:
    void SetUp() override
    {
        TableCommandTest::SetUp();
        g_settingsFile = kSharedSettingsFile;
        table_->show();
    }
    QByteArray settingsOnDisk() const { return folder_.read(kSharedSettingsFile); }
    void press(int key)
    {
        QKeyEvent event(QEvent::KeyPress, key, Qt::NoModifier);
        QApplication::sendEvent(table_.get(), &event);
    }
};

TEST_F(WindowFrameTest, BitmapsCoverALargeWindow)
{
    const CVertanDlg& t = *table_;
    EXPECT_EQ(std::tuple(t.m_dcFaces.width(), t.m_dcFaces.height(), t.m_dcTile.width(), t.m_dcTile.height()),
        std::tuple(2272, 96, 200, 200));
    EXPECT_EQ(
        std::tuple(t.m_dcBack.width(), t.m_dcBack.height(), t.m_dcBackSide.width(), t.m_dcBackSide.height()),
        std::tuple(71, 96, 96, 71));
    for (const platform::MemoryDC* dc : { &t.m_dcBuffer, &t.m_dcTable }) {
        EXPECT_GE(dc->width(), 1600);
        EXPECT_GE(dc->height(), 1200);
    }
    EXPECT_EQ(std::tuple(t.m_textColour, t.m_textBackColour),
        std::tuple(platform::RGB(180, 180, 180), platform::RGB(134, 62, 34)));
}

TEST_F(WindowFrameTest, EnterDoesNothingEscapeWritesTheSettingsOnce)
{
    press(Qt::Key_Return);
    EXPECT_TRUE(table_->isVisible());
    EXPECT_FALSE(QFile::exists(folder_.filePath(kSharedSettingsFile)));
    press(Qt::Key_Escape);
    EXPECT_FALSE(table_->isVisible());
    EXPECT_EQ(settingsOnDisk(), kSettings);

    // The close that follows the end of the dialog must not write again.
    QFile::remove(folder_.filePath(kSharedSettingsFile));
    table_->close();
    EXPECT_FALSE(QFile::exists(folder_.filePath(kSharedSettingsFile)));
}

TEST_F(WindowFrameTest, TheCloseBoxAndTheExitItemWriteTheSettingsInForce)
{
    g_level = 3;
    table_->close();
    EXPECT_FALSE(table_->isVisible());
    EXPECT_EQ(settingsOnDisk(), "0 1 0 1 3 1 1 1 3 2 8 1000 1 1 10 0");

    QFile::remove(folder_.filePath(kSharedSettingsFile));
    table_ = std::make_unique<CVertanDlg>();
    g_programDir = folder_.path() + QLatin1Char('/');
    table_->show();
    for (QAction* item : table_->findChild<QMenuBar*>()->actions()[0]->menu()->actions())
        if (item->text() == QStringLiteral("Выход"))
            item->trigger();
    EXPECT_FALSE(table_->isVisible());
    EXPECT_EQ(settingsOnDisk(), "0 1 0 1 3 1 1 1 3 2 8 1000 1 1 10 0");
}

TEST_F(WindowFrameTest, CloseDuringAGameStepWaitsForTheStepToReturn)
{
    bool visibleInStep = false;
    table_->RunStep([&] {
        table_->close();
        visibleInStep = table_->isVisible();
        EXPECT_FALSE(QFile::exists(folder_.filePath(kSharedSettingsFile)))
            << "nothing written during the step";
    });
    EXPECT_TRUE(visibleInStep);
    EXPECT_FALSE(table_->isVisible());
    EXPECT_EQ(settingsOnDisk(), kSettings);
}

TEST_F(WindowFrameTest, SizeMessagesLayOutAlwaysButTileAndRepaintOnlyAfterStartUp)
{
    const struct {
        int started, type, width, height;
        int maximized, tiledWidth, tiledHeight, clientWidth;
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
        EXPECT_EQ(std::tuple(g_maximized, g_tiledWidth, g_tiledHeight, g_clientWidth),
            std::tuple(row.maximized, row.tiledWidth, row.tiledHeight, row.clientWidth))
            << row.width;
        EXPECT_EQ(table_->m_dcTable.getPixel(1250, 650), row.retiled ? BackgroundColour(1) : kTestTable);
        EXPECT_EQ(redrawn(), row.redrawn) << row.width;
    }
}

} // namespace
