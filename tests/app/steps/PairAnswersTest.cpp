#include "support/DealTable.h"

#include "app/Spots.h"
#include "engine/GameState.h"
#include "engine/TrickRules.h"

namespace {

/// The human holds the trump queen and king (suit 1) and leads; the computer holds a trump
/// fifty (eight to jack) and the trump ace. Neither hand holds anything else to declare.
namespace pair {
constexpr int kTurnedUp = 1; ///< the seven of suit 1
inline const std::vector<int> kComputer { 5, 9, 13, 17, 29, 6 };
inline const std::vector<int> kHuman { 21, 25, 2, 10, 3, 11 };
inline const SecondDeal kSecond { { 14, 7, 30 }, { 4, 12, 26 }, 18 };
} // namespace pair

/// The question's layers reach this far below its band, in pixels.
constexpr int kPairLayerReach = 3;

/// Questions on the trump pair, asked as the human plays his queen or king and answered
/// with the mouse.
class PairAnswers : public DealTable {
protected:
    /// The human takes the turned-up suit and acknowledges the computer's fifty; he leads.
    void SetUp() override
    {
        DealTable::SetUp();
        Deal(kHuman, pair::kComputer, pair::kHuman, pair::kTurnedUp, pair::kSecond);
        Click(window_->m_rcButton1);
        ASSERT_EQ(g_promptState, PromptState::kComputerDeclares);
        Click(window_->m_rcButton1);
        ASSERT_EQ(g_humanLeadsTrick, 1);
        ASSERT_EQ(g_humanTrumpPair, 1);
    }

    /// The question stands with yes and no as buttons A and B of `state`.
    void ExpectQuestion(PromptState state)
    {
        EXPECT_EQ(g_promptState, state);
        EXPECT_EQ(g_announcement, image::kCaptionNo);
        EXPECT_EQ(g_humanTrumpPair, 0);
        EXPECT_EQ(g_humanMayPlay, 0);
        EXPECT_EQ(window_->m_rcButton1, ImageBand(image::kCaptionYes, SpotPoint(Spot::kLeftCaption)));
        EXPECT_EQ(window_->m_rcButton2, ImageBand(image::kCaptionNo, SpotPoint(Spot::kRightCaption)));
        EXPECT_EQ(PhrasesSpoken().back(), image::kPairQuestion);
        EXPECT_TRUE(platform_.sound.played.back().waitForEnd);
    }

    /// The queen is led and the question answered; the computer's ten takes the trick.
    void LeadQueenAndAnswer(const platform::Rect& button)
    {
        ClickCard(Queen(1));
        ExpectQuestion(PromptState::kPairOnLead);
        // The card stands on the table, under the question's band, but is still in the hand
        // until the answer.
        EXPECT_EQ(g_humanCount, 9);
        const Point lead = LeadCardPoint();
        EXPECT_TRUE(FaceDrawnAt(Queen(1), lead.x, lead.y, QuestionBand().bottom + kPairLayerReach - lead.y));
        Click(button);
        ASSERT_EQ(g_trickWinner, kComputer);
        ASSERT_EQ(g_cards[Ten(1)].status(), kStatusPlayed);
    }

    static int Points(int card) { return g_cards[card].points(); }
};

TEST_F(PairAnswers, YesOnALeadGivesThe20ToWhoeverTakesTheTrick)
{
    LeadQueenAndAnswer(window_->m_rcButton1);

    EXPECT_EQ(g_humanCount, 8);
    EXPECT_EQ(FindInHand(g_humanHand, g_humanCount, Queen(1)), 0);
    EXPECT_EQ(g_humanPairOnTrick, 0);
    EXPECT_EQ(g_humanTrumpPair, 0);
    EXPECT_EQ(g_computerDealPoints, Points(Queen(1)) + Points(Ten(1)) + kTrumpPairPoints);
    EXPECT_EQ(g_humanDealPoints, 0);
    EXPECT_EQ(g_announcement, image::kNone);
}

TEST_F(PairAnswers, NoOnALeadAsksAgainWithTheKing)
{
    LeadQueenAndAnswer(window_->m_rcButton2);
    EXPECT_EQ(g_humanTrumpPair, 1);
    EXPECT_EQ(g_computerDealPoints, Points(Queen(1)) + Points(Ten(1)));

    // The computer leads its plain ace, then, trump-long, its trump jack: the king must
    // answer it, and the question comes again.
    ASSERT_EQ(g_computerTableCard, Ace(2));
    ClickCard(Seven(2));
    ASSERT_EQ(g_computerTableCard, Jack(1));
    ClickCard(King(1));
    ExpectQuestion(PromptState::kPairOnAnswer);
}

TEST_F(PairAnswers, YesOnAnAnswerGivesThe20ToTheTricksWinnerEvenTheComputer)
{
    LeadQueenAndAnswer(window_->m_rcButton2);
    ClickCard(Seven(2));
    ClickCard(King(1));
    // The jack took the king before the question was asked.
    ASSERT_EQ(g_trickWinner, kComputer);
    const int before = g_computerDealPoints;
    EXPECT_EQ(before, Points(Queen(1)) + Points(Ten(1)) + Points(Ace(2)) + Points(Jack(1)) + Points(King(1)));

    Click(window_->m_rcButton1);

    EXPECT_EQ(g_computerDealPoints, before + kTrumpPairPoints);
    EXPECT_EQ(g_humanDealPoints, 0);
    EXPECT_EQ(g_humanCount, 6);
    // The computer took the trick, so it has led the next one.
    EXPECT_EQ(g_toMove, kHuman);
    EXPECT_EQ(g_humanFollows, 1);
    EXPECT_EQ(g_computerCount, 5);
}

TEST_F(PairAnswers, NoOnAnAnswerLetsTheWinnerLeadWithoutPoints)
{
    LeadQueenAndAnswer(window_->m_rcButton2);
    ClickCard(Seven(2));
    ClickCard(King(1));
    const int before = g_computerDealPoints;

    Click(window_->m_rcButton2);

    EXPECT_EQ(g_humanTrumpPair, 1);
    EXPECT_EQ(g_computerDealPoints, before);
    EXPECT_EQ(g_humanCount, 6);
    EXPECT_EQ(g_humanFollows, 1);
}

TEST_F(PairAnswers, TheLastAnswerEndsTheDealWithTheDeclarationsAdded)
{
    SetPosition({ King(1) }, { Jack(1) });
    g_humanTrumpPair = 1;
    g_humanDeclPoints = 20;
    g_computerDeclPoints = 50;
    g_toMove = kComputer;
    g_humanMayPlay = 0;
    g_humanLeadsTrick = 0;
    window_->PlayComputerLead();
    ClickCard(King(1));
    ExpectQuestion(PromptState::kPairOnAnswer);

    Click(window_->m_rcButton1);

    EXPECT_EQ(g_humanCount, 0);
    EXPECT_EQ(g_computerCount, 0);
    EXPECT_EQ(g_humanDealPoints, 20);
    EXPECT_EQ(
        g_computerDealPoints, Points(Jack(1)) + Points(King(1)) + kLastTrickBonus + kTrumpPairPoints + 50);
    EXPECT_EQ(g_humanMayPlay, 0);
}

TEST_F(PairAnswers, AnAnsweredButtonDoesNotAnswerAgain)
{
    ClickCard(Queen(1));
    const platform::Rect yes = window_->m_rcButton1;
    Click(yes);
    ASSERT_EQ(g_humanCount, 8);
    const int points = g_computerDealPoints;

    // A click on the same spot of the table, and a dispatch with a button flag left over
    // from the answered prompt, change nothing.
    window_->OnLButtonDown((yes.left + yes.right) / 2, (yes.top + yes.bottom) / 2);
    g_buttonsActive = 1;
    g_hotButton = PromptButton::kPairLeadYes;
    window_->OnPromptButton();
    EXPECT_EQ(g_humanCount, 8);
    EXPECT_EQ(g_computerDealPoints, points);
    EXPECT_EQ(g_computerCount, 7);
}

} // namespace
