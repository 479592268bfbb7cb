#include "support/DealTable.h"

#include "app/Layout.h"
#include "app/Spots.h"
#include "app/drawing/TableDrawing.h"
#include "engine/GameState.h"

namespace {

using DealStartTest = DealTable;

TEST_F(DealStartTest, FullDealFromStartToTheFirstLead)
{
    Deal(kHuman, plain::kComputer, plain::kHuman, plain::kTurnedUp, plain::kSecond);

    // The first deal: six cards each, the turned-up card from the clock gives the trump.
    EXPECT_EQ(g_firstHand, kHuman);
    EXPECT_EQ(g_trumpCard, 1);
    EXPECT_EQ(g_trumpSuit, 1);
    EXPECT_EQ(g_deckShown, kDeckWithTurnedUpCard);
    ASSERT_EQ(g_humanCount, 6);
    ASSERT_EQ(g_computerCount, 6);
    for (int k = 1; k <= 6; ++k) {
        EXPECT_EQ(g_computerHand[k], plain::kComputer[k - 1]);
        EXPECT_NE(FindInHand(g_humanHand, g_humanCount, plain::kHuman[k - 1]), 0);
        EXPECT_TRUE(FaceDrawnAt(g_humanHand[k], HumanCardX(k), HumanRowTop())) << "slot " << k;
    }
    EXPECT_FALSE(FaceDrawnAt(g_humanHand[1], HumanCardX(1), HumanRowTop() - kCardHeight));
    ExpectEveryCardInOnePlace();

    // Prompt 1: the turned-up suit offered, take and pass captions as buttons A and B.
    EXPECT_EQ(g_promptState, PromptState::kHumanBidsFirst);
    EXPECT_NE(g_announcement, image::kNone);
    EXPECT_EQ(window_->m_rcButton1, ImageBand(image::kCaptionTake, SpotPoint(Spot::kLeftCaption)));
    EXPECT_EQ(window_->m_rcButton2, ImageBand(image::kCaptionPass, SpotPoint(Spot::kRightCaption)));
    EXPECT_EQ(PhrasesSpoken(), (std::vector<int> { image::kHumanBidsFirst, image::OfferedSuit(1) }));

    Click(window_->m_rcButton1);

    // The second deal, no declarations, and the human leads the first trick.
    EXPECT_EQ(g_toMove, kHuman);
    EXPECT_EQ(window_->m_taker, kHuman);
    EXPECT_EQ(g_humanMayPlay, 1);
    EXPECT_EQ(g_humanLeadsTrick, 1);
    EXPECT_EQ(g_trumpSuit, 1);
    EXPECT_EQ(g_trumpMarkPos, kTrumpMarkSpot2);
    EXPECT_EQ(g_deckShown, plain::kSecond.deckCard);
    EXPECT_EQ(g_humanCount, 9);
    EXPECT_EQ(g_computerCount, 9);
    EXPECT_EQ(g_announcement, image::kNone);
    EXPECT_EQ(g_buttonsActive, 0);
    EXPECT_EQ(g_hotButton, PromptButton::kNone);
    EXPECT_EQ(g_sevenFound, 0);
    ExpectEveryCardInOnePlace();
    const RowSpacing nine = SpaceRow(9, g_clientWidth);
    EXPECT_EQ(g_humanGap, nine.gap);
    EXPECT_EQ(g_humanCardStep, nine.step);
    for (int k = 1; k <= g_humanCount; ++k)
        EXPECT_TRUE(FaceDrawnAt(g_humanHand[k], HumanCardX(k), HumanRowTop())) << "slot " << k;
    EXPECT_TRUE(FaceDrawnAt(plain::kSecond.deckCard, g_clientWidth - 83, g_midY - 34));
}

TEST_F(DealStartTest, TheComputerBiddingFirstShowsItsAnswerAndTakes)
{
    Deal(kComputer, strong::kComputer, strong::kHuman, strong::kTurnedUp, strong::kSecond);

    EXPECT_EQ(g_promptState, PromptState::kComputerBidFirst);
    EXPECT_EQ(g_announcement, image::kComputerTakes);
    EXPECT_EQ(g_shownAnnouncement1, image::kComputerTakes);
    EXPECT_EQ(window_->m_rcButton1, ImageBand(image::kCaptionAcknowledge, SpotPoint(Spot::kCentre)));
    EXPECT_EQ(PhrasesSpoken(), (std::vector<int> { image::kComputerBidsFirst, image::kComputerTakes }));

    Click(window_->m_rcButton1);

    // The computer took the trump, so it leads the first trick and the human answers it.
    EXPECT_EQ(window_->m_taker, kComputer);
    EXPECT_EQ(g_toMove, kHuman);
    EXPECT_EQ(g_humanFollows, 1);
    EXPECT_EQ(g_humanMayPlay, 1);
    EXPECT_EQ(g_trumpSuit, 1);
    EXPECT_EQ(g_humanCount, 9);
    EXPECT_EQ(g_computerCount, 8);
    ExpectEveryCardInOnePlace();
}

TEST_F(DealStartTest, AHangingTieSkipsTheBiddingAndTheTiedSideLeads)
{
    g_firstDealDone = 1;
    g_firstHand = kHuman;
    g_hangingTie = kComputer;
    Deal(kHuman, plain::kComputer, plain::kHuman, plain::kTurnedUp, plain::kSecond);

    EXPECT_EQ(g_promptState, PromptState::kNone);
    EXPECT_EQ(g_firstHand, kComputer);
    EXPECT_EQ(window_->m_taker, kComputer);
    EXPECT_EQ(g_trumpSuit, 1);
    EXPECT_EQ(g_humanCount, 9);
    EXPECT_EQ(g_sevenFound, 0);
    EXPECT_TRUE(PhrasesSpoken().empty());
    ExpectEveryCardInOnePlace();
}

TEST_F(DealStartTest, SixTrumpsInTheHumansHandAreShownAndScore360)
{
    // Seven to queen of suit 1 with its king turned up.
    Deal(kComputer, { 2, 10, 18, 6, 14, 22 }, { 1, 5, 9, 13, 17, 21 }, 25, {});

    EXPECT_EQ(g_humanSixTrumps, 1);
    EXPECT_EQ(g_promptState, PromptState::kHumanSixTrumps);
    EXPECT_EQ(g_humanShowing, 1);
    EXPECT_EQ(window_->m_rcButton1, ImageBand(image::kCaptionAcknowledge, SpotPoint(Spot::kLowerCentre)));
    EXPECT_EQ(PhrasesSpoken(), (std::vector<int> { image::kHumanSixTrumps }));
    const int raised = HumanRowTop() - g_clientHeight / 26;
    for (int k = 1; k <= 6; ++k) {
        EXPECT_EQ(g_cards[g_humanHand[k]].shown(), 1);
        EXPECT_TRUE(FaceDrawnAt(g_humanHand[k], HumanCardX(k), raised)) << "slot " << k;
    }

    Click(window_->m_rcButton1);

    EXPECT_EQ(g_humanShowing, 0);
    EXPECT_EQ(g_humanDealPoints, 360);
    EXPECT_EQ(g_computerDealPoints, 0);
    EXPECT_EQ(g_humanCount, 0);
    EXPECT_EQ(g_computerCount, 0);
    // The taker is the first hand of the deal, whoever holds the trumps.
    EXPECT_EQ(window_->m_taker, kComputer);
    EXPECT_EQ(g_humanTookTrick, 1);
    EXPECT_EQ(g_computerTookTrick, 1);
}

TEST_F(DealStartTest, SixTrumpsInTheComputersHandAreShownFaceUpAndScore360)
{
    Deal(kHuman, { 6, 10, 14, 18, 22, 26 }, { 1, 9, 17, 3, 11, 19 }, 2, {});

    EXPECT_EQ(g_computerSixTrumps, 1);
    EXPECT_EQ(g_promptState, PromptState::kComputerSixTrumps);
    EXPECT_EQ(g_computerShowing, 1);
    EXPECT_EQ(window_->m_rcButton1, ImageBand(image::kCaptionAcknowledge, SpotPoint(Spot::kCentre)));
    const int lowered = g_rowUnit + g_clientHeight / 26;
    for (int k = 1; k <= 6; ++k)
        EXPECT_TRUE(FaceDrawnAt(g_computerHand[k], ComputerCardX(k), lowered)) << "slot " << k;

    Click(window_->m_rcButton1);

    EXPECT_EQ(g_computerShowing, 0);
    EXPECT_EQ(g_computerDealPoints, 360);
    EXPECT_EQ(g_humanDealPoints, 0);
    EXPECT_EQ(window_->m_taker, kHuman);
    // Back in its row, face down.
    EXPECT_FALSE(FaceDrawnAt(6, ComputerCardX(1), g_rowUnit));
}

TEST_F(DealStartTest, ZeroStepSlidesStillEndOnAShortTable)
{
    // 200 pixels high: cards are shown 7 pixels out of the row, and 20 animation steps make
    // the raising step 7 / 10 = 0.
    g_animSteps = 20;
    UpdateDerivedSettings();
    ComputeLayout(1024, 200);
    Deal(kComputer, { 2, 10, 18, 6, 14, 22 }, { 1, 5, 9, 13, 17, 21 }, 25, {});
    ASSERT_EQ(g_promptState, PromptState::kHumanSixTrumps);
    Click(window_->m_rcButton1);
    EXPECT_EQ(g_humanDealPoints, 360);
}

} // namespace
