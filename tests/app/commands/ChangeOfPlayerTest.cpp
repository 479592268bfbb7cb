#include "support/TableFixture.h"

#include "app/Sounds.h"
#include "app/dialogs/Individym.h"
#include "app/drawing/ImagePainting.h"
#include "platform/Cp1251.h"

#include <QFile>

namespace {

using platform::RGB;

const QByteArray kPetr = "1 11 3302600 4 4 2 2 0 3 1 20 1500 0 1 12 1";

/// A game of IVAN under way on the custom colour RGB(10, 20, 30), with the settings of a
/// first run from the shared file.
class ChangeOfPlayerTest : public TableCommandTest {
protected:
    void SetUp() override
    {
        TableCommandTest::SetUp();
        g_playerName = g_saveName = QStringLiteral("IVAN");
        g_settingsFile = kSharedSettingsFile;
        AssignVoicePhrases();
        table_->setWindowTitle(QStringLiteral("old title"));
        table_->m_customColour = RGB(10, 20, 30);
        FillCustomBackground(table_->m_customColour);
        g_background = kCustomBackground;
        table_->RepaintCardBack();
        table_->RebuildBackground();
        std::tie(g_firstDealDone, g_humanTotal, g_computerTotal, g_sheetRow, g_sheetRowCount, g_humanBaits,
            g_hangingTie)
            = std::tuple(1, 420, 380, 9, 8, 1, kHuman);
    }
    /// Confirms `typed` in the name dialog and answers the new-game question when one is given.
    void change(const QString& typed, std::optional<bool> newGame = true, int result = QDialog::Accepted)
    {
        answerName(typed, result);
        if (newGame)
            platform_.messageBox.answer({ *newGame });
        table_->OnChangePlayer();
    }
    static auto score()
    {
        return std::tuple(g_humanTotal, g_computerTotal, g_sheetRow, g_humanBaits, g_hangingTie);
    }
    void expectNewGame()
    {
        EXPECT_EQ(score(), std::tuple(0, 0, 0, 0, g_noHangingTie));
        EXPECT_NE(g_promptState, PromptState::kNone) << "the first deal was dealt";
    }
};

TEST_F(ChangeOfPlayerTest, AProfileBringsItsSettingsAndANewGame)
{
    folder_.write(QStringLiteral("PETR.ind"), kPetr);
    g_animDelay = 9; // changed in this run: the outgoing player's file keeps it
    change(QStringLiteral("Petr"));
    EXPECT_EQ(std::tuple(offered_, messages()), std::tuple("IVAN", std::vector { kNewGameQuestion }));
    EXPECT_EQ(folder_.read(kSharedSettingsFile), "0 11 1971210 1 3 1 1 1 1 2 9 1000 1 1 10 0");
    EXPECT_EQ(g_settingsFile, QStringLiteral("PETR.ind"));
    EXPECT_EQ(FormatSettings(CurrentSettings(table_->m_customColour)), kPetr) << "every value read";
    EXPECT_FALSE(table_->windowState() & Qt::WindowMaximized) << "kept for the next write only";
    EXPECT_EQ(std::tuple(table_->windowTitle(), g_saveName, folder_.read(kLastPlayerFile)),
        std::tuple("Вертан   -   Petr,   Профи,   Короткая партия.", "Petr", "Petr"));
    EXPECT_EQ(std::tuple(g_voicePhrase[1], g_nameHeaderX, g_nameHeaderX2),
        std::tuple("Sound\\Jen\\1.wav", 512 - 95 - 16, 512 - 77 - 16));
    // The new back, and the new colour painted although the background stays the colour tile.
    EXPECT_EQ(std::tuple(table_->m_dcBack.getPixel(30, 30), table_->m_dcBackSide.getPixel(0, 0)),
        std::tuple(BackColour(4), SideShade(4)));
    EXPECT_EQ(std::tuple(table_->m_dcTile.getPixel(5, 5), table_->m_dcTable.getPixel(700, 500),
                  table_->m_dcFaces.getPixel(0, 0), table_->m_announcementColour, table_->m_hoverColour),
        std::tuple(RGB(200, 100, 50), RGB(200, 100, 50), RGB(200, 100, 50), 12676349u, 6951565u));
    expectNewGame();

    // The profiles dialog opened next shows the new player and the settings now in force.
    dialogs_.answerAs<CIndividym>([](CIndividym& d) {
        EXPECT_EQ(std::tuple(d.m_profileName, d.m_directory, d.m_count), std::tuple("Petr", g_programDir, 1));
        EXPECT_EQ(
            FormatSettings({ d.m_maximized, d.m_background, d.m_customColour, d.m_cardBack, d.m_extraCards,
                d.m_voice, d.m_handSort, d.m_cardSounds, d.m_level, d.m_gameLength, d.m_animDelay,
                d.m_trickPause, d.m_buttonSounds, d.m_animation, d.m_animSteps, d.m_announcementStyle }),
            kPetr);
        return int(QDialog::Rejected);
    });
    table_->OnPlayers();

    // Behind a picture background a profile's colour waits in its slot for the colour tile.
    folder_.write(QStringLiteral("ANNA.ind"), "0 2 66051 4 3 1 1 1 1 2 8 1000 1 1 10 2");
    change(QStringLiteral("ANNA"));
    EXPECT_EQ(
        std::tuple(g_background, table_->m_dcTile.getPixel(5, 5), g_backgroundColour[kCustomBackground][1]),
        std::tuple(2, BackgroundColour(2), RGB(3, 2, 1)));
}

TEST_F(ChangeOfPlayerTest, NoProfileKeepsTheSettingsInForceAndTakesTheSharedFileUnread)
{
    g_settingsFile = QStringLiteral("IVAN.ind");
    g_level = 2;
    folder_.write(kSharedSettingsFile, "0 5 0 6 3 2 1 1 3 1 8 1000 1 1 10 2");
    change(QStringLiteral("ОЛЯ"));
    EXPECT_EQ(folder_.read("IVAN.ind"), "0 11 1971210 1 3 1 1 1 2 2 8 1000 1 1 10 0");
    EXPECT_EQ(std::tuple(g_settingsFile, folder_.read(kSharedSettingsFile)),
        std::tuple(kSharedSettingsFile, QByteArray("0 5 0 6 3 2 1 1 3 1 8 1000 1 1 10 2")));
    EXPECT_EQ(std::tuple(g_level, g_background, g_cardBack, g_voicePhrase[1], g_nameHeaderX),
        std::tuple(2, 11, 1, "Sound\\Myj\\1.wav", 512 - 95 - 8));
    EXPECT_EQ(std::tuple(table_->windowTitle(), folder_.read(kLastPlayerFile)),
        std::tuple(
            QStringLiteral("Вертан   -   ОЛЯ,   Игрок,   Длинная партия."), platform::ToCp1251("ОЛЯ")));
    expectNewGame();
}

TEST_F(ChangeOfPlayerTest, TheSameNameEscapeOrNoKeepThePlayerAndTheGame)
{
    folder_.write(QStringLiteral("PETR.ind"), kPetr);
    folder_.write(QStringLiteral("IVAN.ind"), kPetr);
    const struct {
        const char* typed;
        int result;
        std::optional<bool> newGame;
        QByteArray player; // remembered and offered to the next save
    } rows[] = {
        { "IVAN", QDialog::Rejected, {}, "IVAN" }, // Escape gives the name back
        { "PETR", QDialog::Accepted, false, "IVAN" },
        { "Ivan", QDialog::Accepted, {}, "Ivan" }, // the same name in another case
    };
    for (const auto& row : rows) {
        change(row.typed, row.newGame, row.result);
        EXPECT_EQ(std::tuple(folder_.read(kLastPlayerFile), g_saveName),
            std::tuple(row.player, QString(row.player)));
    }
    EXPECT_EQ(messages().size(), 1u);
    EXPECT_FALSE(QFile::exists(folder_.filePath(kSharedSettingsFile)));
    EXPECT_EQ(std::tuple(g_settingsFile, g_cardBack, table_->windowTitle()),
        std::tuple(kSharedSettingsFile, 1, "old title"));
    EXPECT_EQ(std::tuple(score(), g_promptState),
        std::tuple(std::tuple(420, 380, 9, 1, kHuman), PromptState::kNone));
}

TEST_F(ChangeOfPlayerTest, ANoClearsTheScoreOfAnEndedGameWhateverTheLengthNowAndRedrawsNothing)
{
    // Where the game stands: under way, at its final panel, or on the empty table that "Нет"
    // to a new game leaves (the panel's button clears g_gameOver before it asks), there with
    // the score sheet and the statistics opened over it.
    enum class At { kPlay, kFinalPanel, kEmptyTable, kOverlaysOverEmptyTable };
    const struct {
        int length, human, computer;
        At at;
        bool cleared;
        bool nextGameEnds = false; ///< the deal that ends the next game is scored after the change
    } rows[] = {
        { kLongGame, 1001, 380, At::kFinalPanel, true },
        { kLongGame, 510, 380, At::kFinalPanel, true }, // ended short, then made long
        { kShortGame, 638, 671, At::kFinalPanel, true }, // the panel still shows the loss
        { kLongGame, 510, 380, At::kEmptyTable, true },
        { kLongGame, 510, 380, At::kOverlaysOverEmptyTable, true }, // the ended game lies beneath both
        { kLongGame, 380, 1001, At::kFinalPanel, true, true }, // the next game's panel shows its own end
        { kShortGame, 600, 550, At::kPlay, false }, // a long game made short plays on to its end
        { kLongGame, 420, 380, At::kPlay, false },
    };
    // The next game, started from the menu, at 950 to 0 before the deal that ends it: both
    // hands played out, a trick each, the human taking it 100 to 62. Its final panel, drawn
    // again.
    const auto endNextGame = [this] {
        platform_.messageBox.answer({ true });
        table_->OnNewGame();
        std::tie(g_humanTotal, g_humanCount, g_computerCount, g_humanTookTrick, g_computerTookTrick)
            = std::tuple(950, 0, 0, 1, 1);
        std::tie(g_humanDealPoints, g_computerDealPoints, table_->m_taker) = std::tuple(100, 62, kHuman);
        table_->ScoreDeal();
        table_->RedrawTable();
        return table_->m_dcBuffer.image().copy();
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(&row - rows);
        SetUp();
        platform_.messageBox.shown.clear();
        std::tie(g_gameLength, g_humanTotal, g_computerTotal)
            = std::tuple(row.length, row.human, row.computer);
        g_gameOver = row.at == At::kFinalPanel ? 1 : 0;
        if (row.at != At::kPlay)
            std::tie(g_promptState, g_announcement) = std::tuple(
                PromptState::kDealResult, row.at == At::kFinalPanel ? image::kCaptionAcknowledge : 0);
        if (row.at == At::kOverlaysOverEmptyTable) {
            table_->OnShowScore();
            table_->OnShowStatistics();
        }
        table_->RedrawTable();
        const QImage shown = table_->m_dcBuffer.image().copy();
        const auto kept = std::tuple(score(), g_sheetRowCount, g_firstDealDone);
        const PromptState prompt = g_promptState;
        change(QStringLiteral("PETR"), false);
        EXPECT_EQ(std::tuple(score(), g_sheetRowCount, g_firstDealDone),
            row.cleared ? std::tuple(std::tuple(0, 0, 0, 0, g_noHangingTie), 0, 0) : kept);
        EXPECT_EQ(std::tuple(g_playerName, g_promptState, messages().size()),
            std::tuple("IVAN", prompt, std::size_t { 1 }));
        table_->RedrawTable();
        EXPECT_TRUE(table_->m_dcBuffer.image() == shown) << "the table is drawn otherwise than before";
        if (row.nextGameEnds) {
            const QImage next = endNextGame();
            SetUp(); // the same deal on a table that had no earlier game
            EXPECT_TRUE(endNextGame() == next) << "the earlier game's end is shown";
        }
    }
}

TEST_F(ChangeOfPlayerTest, SettingsFileFollowsThePlayersProfileAfterTheProfilesDialog)
{
    const SettingsRecord before = CurrentSettings(table_->m_customColour);
    // Deleted in the dialog: leaving the game must not write the profile back; made again:
    // his settings in force go on into it.
    g_settingsFile = QStringLiteral("IVAN.ind");
    folder_.write(g_settingsFile, kPetr);
    platform_.messageBox.answer({ true });
    for (void (CIndividym::*press)() : { &CIndividym::OnDelete, &CIndividym::OnAdd }) {
        dialogs_.answerAs<CIndividym>([press](CIndividym& d) {
            (d.*press)();
            return int(QDialog::Accepted);
        });
        table_->OnPlayers();
        EXPECT_EQ(
            g_settingsFile, press == &CIndividym::OnAdd ? QStringLiteral("IVAN.ind") : kSharedSettingsFile);
    }
    EXPECT_EQ(std::tuple(ParseSettings(folder_.read("IVAN.ind")), CurrentSettings(table_->m_customColour)),
        std::tuple(before, before));
    EXPECT_EQ(std::tuple(g_playerName, score()),
        std::tuple(QStringLiteral("IVAN"), std::tuple(420, 380, 9, 1, kHuman)));
}

} // namespace
