#include "app/Globals.h"
#include "app/Layout.h"
#include "app/Sounds.h"
#include "app/VertanDlg.h"
#include "app/dialogs/Individym.h"
#include "app/dialogs/Vvod_imy.h"
#include "app/drawing/BackgroundColours.h"
#include "app/drawing/ImagePainting.h"
#include "app/drawing/TableDrawing.h"
#include "app/files/ImageData.h"
#include "app/files/ImageDataFiles.h"
#include "app/files/SettingsFile.h"
#include "engine/CardTable.h"
#include "engine/GameState.h"
#include "engine/PromptState.h"
#include "engine/Settings.h"
#include "platform/Cp1251.h"
#include "support/HeadlessPlatform.h"
#include "support/QStringPrinter.h"
#include "support/ScriptedDialogs.h"
#include "support/TempFolder.h"

#include <QFile>

#include <gtest/gtest.h>

namespace {

using platform::COLORREF;
using platform::RGB;

const QString kNewGameQuestion = QStringLiteral("Начать новую партию?");
const QByteArray kDefaultsText = "0 1 0 1 3 1 1 1 1 2 8 1000 1 1 10 2";

/// The card faces painted once from the generated program folder.
platform::MemoryDC& LoadedFaces()
{
    static platform::MemoryDC faces(32 * kCardWidth, kCardHeight);
    return faces;
}

/// A table in the middle of a game of IVAN, who plays with the default settings from the
/// shared file, over an empty program folder; the generated pictures are loaded and the
/// name dialog and the questions are answered by script.
class ChangeOfPlayerTest : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        const DataFileResult result
            = LoadImageDataFiles(QStringLiteral(VERTAN_PROGRAM_DIR "/"), LoadedFaces());
        ASSERT_TRUE(result.ok()) << result.message().toStdString();
    }

    void SetUp() override
    {
        ResetCardTable();
        ResetGameState();
        ResetPromptState();
        ResetSettings();
        ResetGlobals();
        ResetTableDrawing();
        table_ = std::make_unique<CVertanDlg>();
        g_started = 1;
        g_programDir = folder_.path() + QLatin1Char('/');
        g_playerName = QStringLiteral("IVAN");
        g_saveName = g_playerName;
        g_settingsFile = kSharedSettingsFile;
        ReadSettingsFile(folder_.filePath(QStringLiteral("none")), table_->m_customColour);
        g_background = g_loadedBackground;
        g_cardBack = g_loadedCardBack;
        AssignVoicePhrases();
        table_->setWindowTitle(QStringLiteral("old title"));
        table_->m_dcFaces = LoadedFaces();
        table_->RepaintCardBack();
        ComputeLayout(1024, 768);
        table_->RebuildBackground();

        // A game under way.
        g_firstDealDone = 1;
        g_humanTotal = 420;
        g_computerTotal = 380;
        g_sheetRow = 9;
        g_sheetRowCount = 8;
        g_humanBaits = 1;
        g_hangingTie = kHuman;
    }
    void TearDown() override
    {
        table_.reset();
        ResetGlobals();
    }

    /// The name dialog is answered by typing a name and OK.
    void answerName(const QString& typed)
    {
        dialogs_.answerAs<CVvod_imy>([this, typed](CVvod_imy& dialog) {
            offered_ = dialog.m_name;
            dialog.m_name = typed;
            return int(QDialog::Accepted);
        });
    }

    void expectGameGoesOn()
    {
        EXPECT_EQ(g_humanTotal, 420);
        EXPECT_EQ(g_sheetRowCount, 8);
        EXPECT_EQ(g_hangingTie, kHuman);
        EXPECT_EQ(g_promptState, PromptState::kNone) << "no deal was started";
    }
    void expectNewGameStarted()
    {
        EXPECT_EQ(g_humanTotal, 0);
        EXPECT_EQ(g_computerTotal, 0);
        EXPECT_EQ(g_sheetRow, 0);
        EXPECT_EQ(g_sheetRowCount, 0);
        EXPECT_EQ(g_humanBaits, 0);
        EXPECT_EQ(g_hangingTie, g_noHangingTie);
        // The first deal of the new game drew who bids first and dealt the hands.
        EXPECT_EQ(g_firstDealDone, 1);
        EXPECT_GE(g_humanCount, 6);
        EXPECT_NE(g_promptState, PromptState::kNone);
    }
    std::vector<QString> questions() const
    {
        std::vector<QString> texts;
        for (const ScriptedMessageBox::Shown& shown : platform_.messageBox.shown)
            texts.push_back(shown.text);
        return texts;
    }

    HeadlessPlatform platform_;
    ScriptedDialogs dialogs_;
    platform::ScopedService<platform::DialogRunner> dialogsGuard_ { dialogs_ };
    TempFolder folder_;
    std::unique_ptr<CVertanDlg> table_;
    QString offered_;
};

TEST_F(ChangeOfPlayerTest, PlayerWithAProfileTakesHisSettingsAndStartsANewGame)
{
    folder_.write(QStringLiteral("Petr.ind"), "1 3 0 4 4 2 2 0 3 1 20 1500 0 1 12 1");
    g_animDelay = 9; // changed in this run: the outgoing player's file keeps it
    answerName(QStringLiteral("PETR"));
    platform_.messageBox.answer({ true });
    table_->OnChangePlayer();

    EXPECT_EQ(offered_, QStringLiteral("IVAN"));
    EXPECT_EQ(questions(), std::vector<QString> { kNewGameQuestion });
    EXPECT_EQ(folder_.read(kSharedSettingsFile), QByteArray("0 1 0 1 3 1 1 1 1 2 9 1000 1 1 10 2"));
    EXPECT_EQ(g_settingsFile, QStringLiteral("Petr.ind"));
    EXPECT_EQ(
        ParseSettings(folder_.read(QStringLiteral("Petr.ind"))), CurrentSettings(table_->m_customColour))
        << "every value read";
    EXPECT_FALSE(table_->windowState() & Qt::WindowMaximized) << "kept for the next write only";

    EXPECT_EQ(g_voicePhrase[1], "Sound\\Jen\\1.wav");
    EXPECT_EQ(g_cardBack, 4);
    EXPECT_EQ(table_->m_dcBack.getPixel(g_cardPointX[100], g_cardPointY[100]), g_backColour[4][100]);
    EXPECT_EQ(table_->m_dcBackSide.getPixel(0, 0), g_backSideColour[4][95]);
    EXPECT_EQ(g_background, 3);
    EXPECT_EQ(table_->m_dcTile.getPixel(g_backgroundPointX[777], g_backgroundPointY[777]),
        g_backgroundColour[3][777]);
    EXPECT_EQ(table_->m_dcFaces.getPixel(g_cardCornerX[5], g_cardCornerY[5]), TableColour(3));
    EXPECT_EQ(table_->m_announcementColour, ColoursForBackground(3, 0).announcement);
    EXPECT_EQ(table_->m_captionColour, ColoursForBackground(3, 0).caption);

    EXPECT_EQ(table_->windowTitle(), QStringLiteral("Вертан   -   PETR,   Профи,   Короткая партия."));
    EXPECT_EQ(g_saveName, QStringLiteral("PETR"));
    EXPECT_EQ(folder_.read(kLastPlayerFile), QByteArray("PETR"));
    EXPECT_EQ(g_nameHeaderX, 512 - 95 - 16);
    EXPECT_EQ(g_nameHeaderX2, 512 - 77 - 16);
    expectNewGameStarted();
}

TEST_F(ChangeOfPlayerTest, PlayerWithoutAProfileKeepsTheSettingsAndTakesTheSharedFile)
{
    g_settingsFile = QStringLiteral("IVAN.ind");
    g_level = 2;
    // The shared file of other players is not read for him.
    folder_.write(kSharedSettingsFile, "0 5 0 6 3 2 1 1 3 1 8 1000 1 1 10 2");
    answerName(QStringLiteral("ОЛЯ"));
    platform_.messageBox.answer({ true });
    table_->OnChangePlayer();

    EXPECT_EQ(folder_.read(QStringLiteral("IVAN.ind")), QByteArray("0 1 0 1 3 1 1 1 2 2 8 1000 1 1 10 2"));
    EXPECT_EQ(g_settingsFile, kSharedSettingsFile);
    EXPECT_EQ(folder_.read(kSharedSettingsFile), QByteArray("0 5 0 6 3 2 1 1 3 1 8 1000 1 1 10 2"));
    EXPECT_EQ(g_level, 2);
    EXPECT_EQ(g_background, 1);
    EXPECT_EQ(g_cardBack, 1);
    EXPECT_EQ(g_voicePhrase[1], "Sound\\Myj\\1.wav");
    EXPECT_EQ(table_->windowTitle(), QStringLiteral("Вертан   -   ОЛЯ,   Игрок,   Длинная партия."));
    EXPECT_EQ(folder_.read(kLastPlayerFile), platform::ToCp1251(QStringLiteral("ОЛЯ")));
    EXPECT_EQ(g_nameHeaderX, 512 - 95 - 8);
    expectNewGameStarted();
}

TEST_F(ChangeOfPlayerTest, SameNameAgainOnlyRewritesTheLastPlayer)
{
    folder_.write(QStringLiteral("IVAN.ind"), "1 3 0 4 4 2 2 0 3 1 20 1500 0 1 12 1");
    // Typed in another case, and the dialog left with Escape, which gives the name back.
    answerName(QStringLiteral("Ivan"));
    dialogs_.answerAs<CVvod_imy>([](CVvod_imy&) { return int(QDialog::Rejected); });
    table_->OnChangePlayer();
    EXPECT_EQ(folder_.read(kLastPlayerFile), QByteArray("Ivan"));
    EXPECT_EQ(g_saveName, QStringLiteral("Ivan"));
    table_->OnChangePlayer();
    EXPECT_EQ(folder_.read(kLastPlayerFile), QByteArray("Ivan"));

    EXPECT_TRUE(platform_.messageBox.shown.empty());
    EXPECT_FALSE(QFile::exists(folder_.filePath(kSharedSettingsFile)));
    EXPECT_EQ(g_settingsFile, kSharedSettingsFile);
    EXPECT_EQ(g_background, 1);
    EXPECT_EQ(table_->windowTitle(), QStringLiteral("old title"));
    expectGameGoesOn();
}

TEST_F(ChangeOfPlayerTest, NoToTheNewGameKeepsThePlayerAndClearsOnlyAFinishedGame)
{
    folder_.write(QStringLiteral("PETR.ind"), "1 3 0 4 4 2 2 0 3 1 20 1500 0 1 12 1");
    answerName(QStringLiteral("PETR"));
    platform_.messageBox.answer({ false });
    table_->OnChangePlayer();

    EXPECT_EQ(g_playerName, QStringLiteral("IVAN"));
    EXPECT_EQ(g_saveName, QStringLiteral("IVAN"));
    EXPECT_EQ(folder_.read(kLastPlayerFile), QByteArray("IVAN"));
    EXPECT_EQ(g_settingsFile, kSharedSettingsFile);
    EXPECT_FALSE(QFile::exists(folder_.filePath(kSharedSettingsFile))) << "nothing written";
    EXPECT_EQ(g_background, 1);
    EXPECT_EQ(table_->windowTitle(), QStringLiteral("old title"));
    expectGameGoesOn();

    // A finished game is cleared before the question, whatever the answer.
    g_humanTotal = 1001;
    answerName(QStringLiteral("PETR"));
    platform_.messageBox.answer({ false });
    table_->OnChangePlayer();
    EXPECT_EQ(g_humanTotal, 0);
    EXPECT_EQ(g_computerTotal, 0);
    EXPECT_EQ(g_sheetRowCount, 0);
    EXPECT_EQ(g_firstDealDone, 0);
    EXPECT_EQ(g_playerName, QStringLiteral("IVAN"));
    EXPECT_EQ(g_promptState, PromptState::kNone);
}

TEST_F(ChangeOfPlayerTest, ANewCustomColourIsPaintedEvenOnTheCustomBackground)
{
    constexpr COLORREF oldColour = RGB(10, 20, 30);
    constexpr COLORREF newColour = RGB(200, 100, 50);
    table_->m_customColour = oldColour;
    FillCustomBackground(oldColour);
    g_background = kCustomBackground;
    table_->RebuildBackground();
    folder_.write(QStringLiteral("PETR.ind"),
        "0 11 " + QByteArray::number(newColour) + " 1 3 1 1 1 1 2 8 1000 1 1 10 2");
    answerName(QStringLiteral("PETR"));
    platform_.messageBox.answer({ true });
    table_->OnChangePlayer();

    EXPECT_EQ(table_->m_customColour, newColour);
    EXPECT_EQ(g_backgroundColour[kCustomBackground][40000], newColour);
    EXPECT_EQ(table_->m_dcTile.getPixel(g_backgroundPointX[1], g_backgroundPointY[1]), newColour);
    EXPECT_EQ(table_->m_dcTable.getPixel(700, 500), newColour);
    EXPECT_EQ(table_->m_announcementColour, ColoursForBackground(11, newColour).announcement);
    EXPECT_EQ(table_->m_hoverColour, ColoursForBackground(11, newColour).hover);
}

TEST_F(ChangeOfPlayerTest, CustomColourOfAProfileWaitsInItsSlotBehindAnotherBackground)
{
    constexpr COLORREF newColour = RGB(1, 2, 3);
    folder_.write(QStringLiteral("PETR.ind"),
        "0 2 " + QByteArray::number(newColour) + " 1 3 1 1 1 1 2 8 1000 1 1 10 2");
    answerName(QStringLiteral("PETR"));
    platform_.messageBox.answer({ true });
    table_->OnChangePlayer();

    EXPECT_EQ(g_background, 2);
    EXPECT_EQ(
        table_->m_dcTile.getPixel(g_backgroundPointX[9], g_backgroundPointY[9]), g_backgroundColour[2][9]);
    // The colour tile chosen later shows the colour its texts are made for.
    EXPECT_EQ(g_backgroundColour[kCustomBackground][1], newColour);
}

TEST_F(ChangeOfPlayerTest, ProfilesDialogShowsThePlayerAndTheSettingsInForce)
{
    folder_.write(QStringLiteral("PETR.ind"), "1 3 0 4 4 2 2 0 3 1 20 1500 0 1 12 1");
    answerName(QStringLiteral("PETR"));
    platform_.messageBox.answer({ true });
    table_->OnChangePlayer();

    SettingsRecord shown {};
    dialogs_.answerAs<CIndividym>([&](CIndividym& dialog) {
        EXPECT_EQ(dialog.m_profileName, QStringLiteral("PETR"));
        EXPECT_EQ(dialog.m_directory, g_programDir);
        EXPECT_EQ(dialog.m_count, 1);
        shown = { dialog.m_maximized, dialog.m_background, dialog.m_customColour, dialog.m_cardBack,
            dialog.m_extraCards, dialog.m_voice, dialog.m_handSort, dialog.m_cardSounds, dialog.m_level,
            dialog.m_gameLength, dialog.m_animDelay, dialog.m_trickPause, dialog.m_buttonSounds,
            dialog.m_animation, dialog.m_animSteps, dialog.m_announcementStyle };
        return int(QDialog::Accepted);
    });
    table_->OnPlayers();
    EXPECT_EQ(shown, (SettingsRecord { 1, 3, 0, 4, 4, 2, 2, 0, 3, 1, 20, 1500, 0, 1, 12, 1 }));
    EXPECT_EQ(g_settingsFile, QStringLiteral("PETR.ind"));
}

TEST_F(ChangeOfPlayerTest, SettingsFileFollowsThePlayersProfileAfterTheProfilesDialog)
{
    const SettingsRecord before = CurrentSettings(table_->m_customColour);
    // Deleted in the dialog: leaving the game must not write the profile back.
    g_settingsFile = QStringLiteral("IVAN.ind");
    folder_.write(g_settingsFile, kDefaultsText);
    platform_.messageBox.answer({ true });
    dialogs_.answerAs<CIndividym>([](CIndividym& dialog) {
        dialog.OnDelete();
        return int(QDialog::Accepted);
    });
    table_->OnPlayers();
    EXPECT_FALSE(QFile::exists(folder_.filePath(QStringLiteral("IVAN.ind"))));
    EXPECT_EQ(g_settingsFile, kSharedSettingsFile);

    // Made in the dialog: his settings go on into it.
    dialogs_.answerAs<CIndividym>([](CIndividym& dialog) {
        dialog.OnAdd();
        return int(QDialog::Accepted);
    });
    table_->OnPlayers();
    EXPECT_EQ(g_settingsFile, QStringLiteral("IVAN.ind"));
    EXPECT_EQ(ParseSettings(folder_.read(QStringLiteral("IVAN.ind"))), before);
    EXPECT_EQ(CurrentSettings(table_->m_customColour), before) << "the settings in force stay";
    EXPECT_EQ(g_playerName, QStringLiteral("IVAN"));
    expectGameGoesOn();
}

} // namespace
