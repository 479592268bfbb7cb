#include "DealTable.h"

#include "app/Spots.h"
#include "engine/GameState.h"

namespace {

/// Trick play itself comes later; these tests pose the pair question as the card play
/// leaves it and answer it.
class PairAnswers : public DealTable {
protected:
    void SetUp() override
    {
        DealTable::SetUp();
        Deal(kHuman, plain::kComputer, plain::kHuman, plain::kTurnedUp, plain::kSecond);
        Click(window_->m_rcButton1);
        ASSERT_EQ(g_humanLeadsTrick, 1);
    }

    /// The question on the human's card at hand position `index`, with yes and no as A and B.
    void Ask(PromptState state, int index)
    {
        g_handIndex = index;
        g_humanTrumpPair = 0;
        g_humanMayPlay = 0;
        g_humanLeadsTrick = 0;
        window_->ShowCaption(image::kCaptionYes, Spot::kLeftCaption, window_->m_rcButton1);
        window_->ShowCaption(image::kCaptionNo, Spot::kRightCaption, window_->m_rcButton2);
        g_announcement = image::kCaptionNo;
        g_promptState = state;
    }
};

TEST_F(PairAnswers, YesOnALeadMarksThePairForTheTrick)
{
    const int second = g_humanHand[2];
    const int third = g_humanHand[3];
    Ask(PromptState::kPairOnLead, 2);

    Click(window_->m_rcButton1);

    EXPECT_EQ(g_humanPairOnTrick, 1);
    EXPECT_EQ(g_humanTrumpPair, 0);
    EXPECT_EQ(g_humanCount, 8);
    EXPECT_EQ(g_humanHand[2], third);
    EXPECT_NE(g_humanHand[1], second);
    EXPECT_EQ(g_announcement, image::kNone);
}

TEST_F(PairAnswers, NoOnALeadKeepsThePairUnannounced)
{
    Ask(PromptState::kPairOnLead, 1);

    Click(window_->m_rcButton2);

    EXPECT_EQ(g_humanPairOnTrick, 0);
    EXPECT_EQ(g_humanTrumpPair, 1);
    EXPECT_EQ(g_humanCount, 8);
}

TEST_F(PairAnswers, YesOnAnAnswerGivesThe20ToTheTricksWinnerEvenTheComputer)
{
    g_computerTableCard = 5;
    g_trickWinner = kComputer;
    g_computerDealPoints = 10;
    Ask(PromptState::kPairOnAnswer, 4);

    Click(window_->m_rcButton1);

    EXPECT_EQ(g_computerDealPoints, 30);
    EXPECT_EQ(g_humanDealPoints, 0);
    EXPECT_EQ(g_humanCount, 8);
    // The computer took the trick, so it leads the next one.
    EXPECT_EQ(g_toMove, kComputer);
    EXPECT_EQ(g_humanMayPlay, 0);
}

TEST_F(PairAnswers, NoOnAnAnswerLetsTheWinnerLeadWithoutPoints)
{
    g_computerTableCard = 5;
    g_trickWinner = kHuman;
    Ask(PromptState::kPairOnAnswer, 1);

    Click(window_->m_rcButton2);

    EXPECT_EQ(g_humanTrumpPair, 1);
    EXPECT_EQ(g_humanDealPoints, 0);
    EXPECT_EQ(g_toMove, kHuman);
    EXPECT_EQ(g_humanMayPlay, 1);
    EXPECT_EQ(g_humanLeadsTrick, 1);
    EXPECT_EQ(g_humanFollows, 0);
}

TEST_F(PairAnswers, TheLastAnswerEndsTheDealWithTheDeclarationsAdded)
{
    g_humanCount = 1;
    g_computerTableCard = 5;
    g_trickWinner = kHuman;
    g_humanDealPoints = 40;
    g_humanDeclPoints = 20;
    g_computerDeclPoints = 50;
    Ask(PromptState::kPairOnAnswer, 1);

    Click(window_->m_rcButton1);

    EXPECT_EQ(g_humanCount, 0);
    EXPECT_EQ(g_humanDealPoints, 80);
    EXPECT_EQ(g_computerDealPoints, 50);
    EXPECT_EQ(g_humanMayPlay, 0);
}

TEST_F(PairAnswers, AnAnsweredButtonDoesNotAnswerAgain)
{
    Ask(PromptState::kPairOnLead, 1);
    const platform::Rect yes = window_->m_rcButton1;
    Click(yes);
    ASSERT_EQ(g_humanCount, 8);

    // A click on the same spot of the table, and a dispatch with a button flag left over
    // from the answered prompt, change nothing.
    window_->OnLButtonDown((yes.left + yes.right) / 2, (yes.top + yes.bottom) / 2);
    g_buttonsActive = 1;
    g_hotButton = PromptButton::kPairLeadYes;
    window_->OnPromptButton();
    EXPECT_EQ(g_humanCount, 8);
    EXPECT_EQ(g_humanPairOnTrick, 1);
}

} // namespace
