#include "app/Globals.h"
#include "app/Layout.h"
#include "app/VertanDlg.h"
#include "app/commands/MenuCommands.h"
#include "app/files/SettingsFile.h"
#include "engine/Settings.h"

#include <QApplication>
#include <QFile>
#include <QKeyEvent>
#include <QMenuBar>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

struct ItemRow {
    int command;
    const char* text;
};

/// A table window over an empty program folder, settings at their defaults.
class WindowFrameTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        qputenv("VERTAN_PROGRAM_DIR", dir_.path().toUtf8());
        ResetSettings();
        ResetGlobals();
        ResetLayout();
        window_ = std::make_unique<CVertanDlg>();
        g_settingsFile = kSharedSettingsFile;
        platform::COLORREF custom = 0;
        ReadSettingsFile(g_programDir + g_settingsFile, custom);
        g_background = g_loadedBackground;
        g_cardBack = g_loadedCardBack;
        // These tests are about the frame: the first paint must not start the game.
        g_started = 1;
    }
    void TearDown() override
    {
        window_.reset();
        qunsetenv("VERTAN_PROGRAM_DIR");
        ResetGlobals();
    }

    QByteArray settingsOnDisk() const
    {
        QFile file(g_programDir + "config.krt");
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    QTemporaryDir dir_;
    std::unique_ptr<CVertanDlg> window_;
};

TEST_F(WindowFrameTest, MenuHoldsEveryItemWithItsCommand)
{
    const std::vector<std::vector<ItemRow>> expected {
        { { 32783, "Новая игра" }, { 0, nullptr }, { 32794, "Показать счет" },
            { 32797, "Показать статистику" }, { 0, nullptr }, { 32785, "Сохранить игру" },
            { 32771, "Загрузить игру" }, { 0, nullptr }, { 32795, "Сменить игрока" }, { 0, nullptr },
            { 32782, "Выход" } },
        { { 32790, "Игра" }, { 32781, "Фон стола" }, { 32789, "Звук" }, { 32784, "Рубашка" }, { 0, nullptr },
            { 32798, "Игроки" } },
        { { 57670, "Вывод справки" }, { 0, nullptr }, { 32793, "О программе" },
            { 32800, "Играть в вертан онлайн" } },
    };
    const QStringList titles { "Игра", "Параметры", "Справка" };
    const auto* bar = window_->findChild<QMenuBar*>();
    ASSERT_NE(bar, nullptr);
    const QList<QAction*> popups = bar->actions();
    ASSERT_EQ(popups.size(), 3);
    for (int p = 0; p < 3; ++p) {
        EXPECT_EQ(popups[p]->text(), titles[p]);
        const QList<QAction*> items = popups[p]->menu()->actions();
        ASSERT_EQ(items.size(), static_cast<qsizetype>(expected[static_cast<std::size_t>(p)].size()));
        for (qsizetype i = 0; i < items.size(); ++i) {
            const ItemRow& row = expected[static_cast<std::size_t>(p)][static_cast<std::size_t>(i)];
            if (!row.text) {
                EXPECT_TRUE(items[i]->isSeparator()) << titles[p].toStdString() << " item " << i;
                continue;
            }
            EXPECT_EQ(items[i]->text(), QString::fromUtf8(row.text));
            EXPECT_EQ(items[i]->data().toInt(), row.command);
        }
    }
}

TEST_F(WindowFrameTest, BitmapsCoverALargeWindow)
{
    EXPECT_EQ(window_->m_dcFaces.width(), 2272);
    EXPECT_EQ(window_->m_dcFaces.height(), 96);
    EXPECT_EQ(window_->m_dcTile.width(), 200);
    EXPECT_EQ(window_->m_dcBack.width(), 71);
    EXPECT_EQ(window_->m_dcBackSide.width(), 96);
    EXPECT_EQ(window_->m_dcBackSide.height(), 71);
    EXPECT_GE(window_->m_dcBuffer.width(), 1600);
    EXPECT_GE(window_->m_dcBuffer.height(), 1200);
    EXPECT_GE(window_->m_dcTable.width(), 1600);
    EXPECT_GE(window_->m_dcTable.height(), 1200);
    EXPECT_EQ(window_->m_textColour, platform::RGB(180, 180, 180));
    EXPECT_EQ(window_->m_textBackColour, platform::RGB(134, 62, 34));
    EXPECT_TRUE(g_programDir.endsWith('/'));
}

TEST_F(WindowFrameTest, EnterDoesNothingEscapeWritesTheSettingsOnce)
{
    window_->show();
    QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
    QApplication::sendEvent(window_.get(), &enter);
    EXPECT_TRUE(window_->isVisible());
    EXPECT_TRUE(settingsOnDisk().isEmpty());

    QKeyEvent escape(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
    QApplication::sendEvent(window_.get(), &escape);
    EXPECT_FALSE(window_->isVisible());
    EXPECT_EQ(settingsOnDisk(), "0 1 0 1 3 1 1 1 1 2 8 1000 1 1 10 2");

    // The close that follows the end of the dialog must not write again.
    QFile::remove(g_programDir + "config.krt");
    window_->close();
    EXPECT_TRUE(settingsOnDisk().isEmpty());
}

TEST_F(WindowFrameTest, CloseBoxAndExitCommandWriteTheSameFile)
{
    g_level = 3;
    window_->show();
    window_->close();
    EXPECT_FALSE(window_->isVisible());
    EXPECT_EQ(settingsOnDisk(), "0 1 0 1 3 1 1 1 3 2 8 1000 1 1 10 2");

    QFile::remove(g_programDir + "config.krt");
    CVertanDlg second;
    second.show();
    second.OnExit();
    EXPECT_FALSE(second.isVisible());
    EXPECT_EQ(settingsOnDisk(), "0 1 0 1 3 1 1 1 3 2 8 1000 1 1 10 2");
}

TEST_F(WindowFrameTest, CloseDuringAGameStepWaitsForTheStepToReturn)
{
    window_->show();
    bool visibleInStep = false;
    window_->RunStep([&] {
        window_->close();
        visibleInStep = window_->isVisible();
        EXPECT_TRUE(settingsOnDisk().isEmpty()) << "nothing is written while the step runs";
    });
    EXPECT_TRUE(visibleInStep);
    EXPECT_FALSE(window_->isVisible());
    EXPECT_EQ(settingsOnDisk(), "0 1 0 1 3 1 1 1 1 2 8 1000 1 1 10 2");
}

TEST_F(WindowFrameTest, SizeMessagesBeforeAndAfterStartUp)
{
    g_started = 0;
    window_->OnSize(kSizeRestored, 1024, 768);
    EXPECT_EQ(g_midY, 344);
    EXPECT_EQ(g_maximized, 0);
    EXPECT_EQ(g_tiledWidth, 0) << "nothing is tiled before start-up";

    g_started = 1;
    window_->OnSize(kSizeMaximized, 1280, 900);
    EXPECT_EQ(g_maximized, 1);
    EXPECT_EQ(g_tiledWidth, 1280);
    EXPECT_EQ(g_tiledHeight, 900);
    window_->OnSize(kSizeMinimized, 0, 0);
    EXPECT_EQ(g_clientWidth, 1280) << "a minimise changes no value";
    window_->OnSize(kSizeRestored, 800, 600);
    EXPECT_EQ(g_maximized, 0);
    EXPECT_EQ(g_tiledWidth, 1280) << "shrinking does not re-tile";
    EXPECT_EQ(g_clientWidth, 800);
}

} // namespace
