#include "support/DealTable.h"

#include "app/Globals.h"
#include "app/Layout.h"
#include "app/drawing/TableDrawing.h"
#include "app/files/StateFile.h"
#include "engine/GameState.h"
#include "platform/Cp1251.h"
#include "support/TempFolder.h"

#include <QDir>
#include <QFile>

namespace {

/// The close mark of the deal-result panel on the 1024 x 768 table: (c + 160, cy - 210)
/// to (c + 190, cy - 180).
const platform::Rect kCloseMark { 672, 174, 702, 204 };

/// A deal of the plain hands brought to its end: both hands played out, the deal's points
/// (declarations included) and trick flags as trick play leaves them.
class ScoreDealTest : public DealTable {
protected:
    void SetUp() override
    {
        DealTable::SetUp();
        g_programDir = folder_.path() + QStringLiteral("/");
        g_playerName = QStringLiteral("Иван");
        g_gameLength = kShortGame;
        g_level = 2;
        Deal(kHuman, plain::kComputer, plain::kHuman, plain::kTurnedUp, plain::kSecond);
    }

    void EndDeal(
        int taker, int human, int computer, bool humanTookTrick = true, bool computerTookTrick = true)
    {
        g_humanCount = 0;
        g_computerCount = 0;
        window_->m_taker = taker;
        g_humanDealPoints = human;
        g_computerDealPoints = computer;
        g_humanTookTrick = humanTookTrick ? 1 : 0;
        g_computerTookTrick = computerTookTrick ? 1 : 0;
        window_->ScoreDeal();
    }

    /// The statistics of the level and length in force, as UTF-8 text.
    QString statistics(const char* name) const
    {
        return platform::FromCp1251(folder_.read(QString::fromLatin1(name)));
    }

    TempFolder folder_;
};

TEST_F(ScoreDealTest, TheDealResultPanelPosesPrompt17AndItsCloseMarkDealsAgain)
{
    const int humanCard = g_humanHand[1];
    const std::size_t sounds = platform_.sound.played.size();
    EndDeal(kHuman, 100, 62);

    EXPECT_EQ(g_humanTotal, 100);
    EXPECT_EQ(g_computerTotal, 62);
    EXPECT_EQ(g_sheetRowCount, 1);
    EXPECT_EQ(g_sheetHuman[1], QStringLiteral("100"));
    EXPECT_EQ(g_sheetComputerIndent[1], 63);
    EXPECT_EQ(g_promptState, PromptState::kDealResult);
    EXPECT_EQ(g_announcement, image::kCaptionAcknowledge);
    EXPECT_EQ(window_->m_rcButton1, kCloseMark);
    EXPECT_EQ(g_deckShown, kDeckNotShown);
    EXPECT_EQ(g_trumpMarkPos, kTrumpMarkNone);
    EXPECT_EQ(g_gameOver, 0);
    // The table is cleared and the panel with its close mark is on the window.
    EXPECT_FALSE(FaceDrawnAt(humanCard, HumanCardX(1), HumanRowTop()));
    EXPECT_EQ(window_->surface().dc().getPixel(687, 177), window_->m_brush6.colour);
    EXPECT_EQ(window_->surface().dc().getPixel(512 - 100, 384 + 100), window_->m_brush2.colour);
    EXPECT_EQ(platform_.sound.played.size(), sounds);
    EXPECT_FALSE(QDir(folder_.filePath(QStringLiteral("Stat"))).exists());

    // The close mark starts the next deal, the other side bidding first.
    ScriptDeal(kComputer, plain::kComputer, plain::kHuman, plain::kTurnedUp, plain::kSecond);
    Click(window_->m_rcButton1);
    EXPECT_EQ(g_firstHand, kComputer);
    EXPECT_EQ(g_promptState, PromptState::kComputerBidFirst);
    EXPECT_EQ(g_humanTotal, 100);
}

TEST_F(ScoreDealTest, WithoutAnimationThePanelComesWithoutAPause)
{
    g_animation = 0;
    const int pauses = platform_.pause.count;
    EndDeal(kComputer, 62, 100);
    EXPECT_EQ(platform_.pause.count, pauses);
    EXPECT_EQ(g_promptState, PromptState::kDealResult);
}

TEST_F(ScoreDealTest, AGameEndAddsOneRecordToTheStatisticsOfItsLevelAndLength)
{
    g_humanTotal = 450;
    EndDeal(kHuman, 100, 62);
    EXPECT_EQ(g_gameOver, 1);
    EXPECT_EQ(statistics("Stat/stsrm.sta"), QStringLiteral("Иван Выиграл 488 Малая(501) Игрок\r\n"));
    // The result rows are drawn from the totals; the sheet holds deal rows only.
    EXPECT_EQ(g_sheetRow, 1);
    EXPECT_TRUE(g_sheetHuman[3].isEmpty());
    EXPECT_EQ(g_promptState, PromptState::kDealResult);

    // Both past the line with equal totals: a draw, in a long game at level 1.
    ResetForNewGame();
    g_gameLength = kLongGame;
    g_level = 1;
    g_humanTotal = 900;
    g_computerTotal = 920;
    EndDeal(kHuman, 130, 110);
    EXPECT_EQ(statistics("Stat/stprb.sta"), QStringLiteral("Иван Ничия 0 Большая(1001) Новичок\r\n"));

    // The computer reaches the line: the human's record shows his loss.
    ResetForNewGame();
    g_computerTotal = 950;
    EndDeal(kComputer, 40, 122);
    EXPECT_EQ(statistics("Stat/stprb.sta"),
        QStringLiteral(
            "Иван Ничия 0 Большая(1001) Новичок\r\nИван Проиграл -1032 Большая(1001) Новичок\r\n"));
}

TEST_F(ScoreDealTest, TheTestComesAfterTheDealsPenalties)
{
    // A tie brings the opponent over the line: the game ends and the tie's points are lost.
    g_humanTotal = 470;
    EndDeal(kComputer, 40, 40);
    EXPECT_EQ(g_gameOver, 1);
    EXPECT_EQ(g_humanTotal, 510);

    // The same tie with no trick for the human: 100 off brings him back below the line.
    ResetForNewGame();
    g_gameOver = 0;
    g_humanTotal = 470;
    EndDeal(kComputer, 40, 40, false, true);
    EXPECT_EQ(g_humanTotal, 410);
    EXPECT_EQ(g_gameOver, 0);
    EXPECT_EQ(g_sheetHuman[1], QStringLiteral("Нет взяток (-100)"));
}

TEST_F(ScoreDealTest, ALengthChangedWhileThePanelStandsCountsFromTheNextDeal)
{
    // A short game ended and recorded, switched to long: still over, never recorded again.
    g_humanTotal = 450;
    EndDeal(kHuman, 100, 62);
    g_gameLength = kLongGame;
    platform_.messageBox.answer({ false });
    Click(window_->m_rcButton1);
    EXPECT_EQ(platform_.messageBox.shown.size(), 1u);

    // A long game at 600 switched to short goes on; its next deal ends it with one record.
    ResetForNewGame();
    g_humanTotal = 500;
    EndDeal(kHuman, 100, 62);
    g_gameLength = kShortGame;
    ScriptDeal(kComputer, plain::kComputer, plain::kHuman, plain::kTurnedUp, plain::kSecond);
    Click(window_->m_rcButton1);
    EXPECT_EQ(platform_.messageBox.shown.size(), 1u);
    EXPECT_EQ(g_promptState, PromptState::kComputerBidFirst);
    EndDeal(kHuman, 100, 62);
    EXPECT_EQ(statistics("Stat/stsrm.sta"),
        QStringLiteral("Иван Выиграл 576 Малая(501) Игрок\r\nИван Выиграл 488 Малая(501) Игрок\r\n"));
}

TEST_F(ScoreDealTest, AStatisticsFileThatCannotBeWrittenOrReadCostsOnlyTheRecord)
{
    // A file where the folder should be: the record is lost, and the file named.
    folder_.write(QStringLiteral("Stat"), "not a folder");
    g_computerTotal = 480;
    EndDeal(kComputer, 40, 122);
    EXPECT_EQ(g_gameOver, 1);
    ASSERT_EQ(platform_.messageBox.shown.size(), 1u);
    EXPECT_EQ(platform_.messageBox.shown[0].text, NotWrittenMessage(g_programDir + "Stat/stsrm.sta"));
    EXPECT_EQ(g_promptState, PromptState::kDealResult);
    EXPECT_EQ(folder_.read(QStringLiteral("Stat")), QByteArray("not a folder"));

    // A file holding what no game wrote is kept as it is, and the player is told.
    ASSERT_TRUE(QFile::remove(folder_.filePath(QStringLiteral("Stat"))));
    const QString file = QStringLiteral("Stat/stsrm.sta");
    folder_.write(file, "\x01\x02 not a record\r\n");
    ResetForNewGame();
    g_computerTotal = 480;
    EndDeal(kComputer, 40, 122);
    EXPECT_EQ(g_promptState, PromptState::kDealResult);
    EXPECT_EQ(folder_.read(file), QByteArray("\x01\x02 not a record\r\n"));
    ASSERT_EQ(platform_.messageBox.shown.size(), 2u);
    EXPECT_TRUE(
        platform_.messageBox.shown[1].text.contains(QDir::toNativeSeparators(folder_.filePath(file))));
}

TEST_F(ScoreDealTest, ALongGameDropsItsOldestPageInsteadOfRunningOutOfRows)
{
    for (int row = 1; row <= 44; ++row)
        g_sheetHuman[static_cast<std::size_t>(row)] = QString::number(row);
    g_sheetRow = 44;
    g_sheetRowCount = 44;
    g_humanTotal = -300;

    EndDeal(kHuman, 100, 62);

    EXPECT_EQ(g_sheetRow, 23);
    EXPECT_EQ(g_sheetRowCount, 23);
    EXPECT_EQ(g_sheetHuman[1], QStringLiteral("23"));
    EXPECT_EQ(g_sheetHuman[22], QStringLiteral("44"));
    EXPECT_EQ(g_sheetHuman[23], QStringLiteral("-200"));
    EXPECT_TRUE(g_sheetHuman[24].isEmpty());
}

TEST_F(ScoreDealTest, AGameLoadedWithMoreRowsKeepsItsPageInPlay)
{
    for (int row = 1; row <= 54; ++row)
        g_sheetHuman[static_cast<std::size_t>(row)] = QString::number(row);
    g_sheetRow = 54;
    g_sheetRowCount = 54;

    EndDeal(kHuman, 100, 62);

    EXPECT_EQ(g_sheetRow, 33);
    EXPECT_EQ(g_sheetHuman[23], QStringLiteral("45"));
    EXPECT_EQ(g_sheetHuman[32], QStringLiteral("54"));
    EXPECT_EQ(g_sheetHuman[33], QStringLiteral("100"));
    EXPECT_TRUE(g_sheetHuman[54].isEmpty());
}

} // namespace
