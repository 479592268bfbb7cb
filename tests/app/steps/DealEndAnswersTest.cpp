#include "support/DealTable.h"

#include "app/Layout.h"
#include "app/Spots.h"
#include "app/drawing/TableDrawing.h"
#include "engine/GameState.h"

namespace {

/// The close marks of the deal result and score sheet panels and of the statistics panel,
/// around the table's centre.
platform::Rect SheetCloseMark()
{
    return { CentreX() + 160, CentreY() - 210, CentreX() + 190, CentreY() - 180 };
}
platform::Rect StatisticsCloseMark()
{
    return { CentreX() + 260, CentreY() - 150, CentreX() + 290, CentreY() - 120 };
}

/// The deal-result prompt and the overlays are posed by later parts of the game; these
/// tests pose them as those leave the table and answer them.
class DealEndAnswers : public DealTable {
protected:
    void SetUp() override
    {
        DealTable::SetUp();
        g_gameLength = 1;
        Deal(kHuman, plain::kComputer, plain::kHuman, plain::kTurnedUp, plain::kSecond);
        Click(window_->m_rcButton1);
        ASSERT_EQ(g_humanLeadsTrick, 1);
    }

    /// The panel of a deal that ended the game (as its scoring decided) or not.
    void PoseDealResult(bool gameOver = false)
    {
        g_gameOver = gameOver ? 1 : 0;
        g_humanLeadsTrick = 0;
        g_humanMayPlay = 0;
        g_promptState = PromptState::kDealResult;
        g_announcement = image::kCaptionAcknowledge;
        window_->m_rcButton1 = SheetCloseMark();
    }
};

TEST_F(DealEndAnswers, TheNextDealGoesToTheOtherSideFirst)
{
    g_humanTotal = 300;
    g_computerTotal = 480;
    PoseDealResult();
    ScriptDeal(kHuman, plain::kComputer, plain::kHuman, plain::kTurnedUp, plain::kSecond);

    Click(window_->m_rcButton1);

    EXPECT_TRUE(platform_.messageBox.shown.empty());
    EXPECT_EQ(g_firstHand, kComputer);
    EXPECT_EQ(g_promptState, PromptState::kComputerBidFirst);
    EXPECT_EQ(g_humanTotal, 300);
    EXPECT_EQ(g_humanCount, 6);
    ExpectEveryCardInOnePlace();
}

TEST_F(DealEndAnswers, AYesAtTheEndOfTheGameStartsANewOne)
{
    g_humanTotal = 501;
    g_computerTotal = 200;
    g_humanBaits = 1;
    PoseDealResult(true);
    platform_.messageBox.answer({ true });
    // The first hand of the new game is drawn anew.
    platform_.rand.script({ kHumanFirstDraw });
    ScriptDeal(kHuman, plain::kComputer, plain::kHuman, plain::kTurnedUp, plain::kSecond);

    Click(window_->m_rcButton1);

    ASSERT_EQ(platform_.messageBox.shown.size(), 1u);
    EXPECT_EQ(platform_.messageBox.shown[0].text, QStringLiteral("Начать новую партию?"));
    EXPECT_TRUE(platform_.messageBox.shown[0].question);
    EXPECT_EQ(g_humanTotal, 0);
    EXPECT_EQ(g_computerTotal, 0);
    EXPECT_EQ(g_humanBaits, 0);
    EXPECT_EQ(g_firstHand, kHuman);
    EXPECT_EQ(g_promptState, PromptState::kHumanBidsFirst);
}

TEST_F(DealEndAnswers, ANoAtTheEndOfTheGameLeavesAnEmptyTable)
{
    g_gameLength = 2;
    g_computerTotal = 1001;
    PoseDealResult(true);
    platform_.messageBox.answer({ false });

    Click(window_->m_rcButton1);

    EXPECT_EQ(g_deckShown, kDeckNotShown);
    EXPECT_EQ(g_announcement, image::kNone);
    EXPECT_EQ(g_hotButton, PromptButton::kNone);
    EXPECT_EQ(g_buttonsActive, 0);
    EXPECT_FALSE(FaceDrawnAt(g_humanHand[1], HumanCardX(1), HumanRowTop()));
    // No button is live until a new game is started from the menu.
    Click(window_->m_rcButton1);
    EXPECT_EQ(platform_.messageBox.shown.size(), 1u);
}

TEST_F(DealEndAnswers, ClosingTheScoreSheetMakesTheInterruptedPromptLiveAgain)
{
    // Interrupt the first prompt of the next deal.
    PoseDealResult();
    ScriptDeal(kHuman, plain::kComputer, plain::kHuman, plain::kTurnedUp, plain::kSecond);
    Click(window_->m_rcButton1);
    ASSERT_EQ(g_promptState, PromptState::kComputerBidFirst);
    g_sheetSavedPrompt = g_promptState;
    g_sheetSavedAnnouncement = g_announcement;
    g_sheetSavedMayPlay = 0;
    g_sheetSavedLeads = 0;
    g_sheetOpen = 1;
    g_promptState = PromptState::kScoreSheet;
    g_announcement = image::kCaptionAcknowledge;
    window_->m_rcButton1 = SheetCloseMark();

    Click(window_->m_rcButton1);

    EXPECT_EQ(g_sheetOpen, 0);
    EXPECT_EQ(g_promptState, PromptState::kComputerBidFirst);
    EXPECT_EQ(g_announcement, image::kComputerPasses);
    EXPECT_EQ(window_->m_rcButton1, ImageBand(image::kCaptionAcknowledge, SpotPoint(Spot::kCentre)));
    Click(window_->m_rcButton1);
    EXPECT_EQ(g_promptState, PromptState::kHumanAnswersPass);
}

TEST_F(DealEndAnswers, ClosingTheStatisticsDuringPlayLetsTheHumanPlayAgain)
{
    g_statsSavedPrompt = g_promptState;
    g_statsSavedAnnouncement = image::kNone;
    g_statsSavedMayPlay = 1;
    g_statsSavedLeads = 1;
    g_statsOpen = 1;
    g_humanMayPlay = 0;
    g_humanLeadsTrick = 0;
    g_promptState = PromptState::kStatistics;
    g_announcement = image::kCaptionAcknowledge;
    window_->m_rcButton1 = StatisticsCloseMark();

    Click(window_->m_rcButton1);

    EXPECT_EQ(g_statsOpen, 0);
    EXPECT_EQ(g_humanMayPlay, 1);
    EXPECT_EQ(g_humanLeadsTrick, 1);
    EXPECT_EQ(g_promptState, PromptState::kHumanBidsFirst);
}

} // namespace
