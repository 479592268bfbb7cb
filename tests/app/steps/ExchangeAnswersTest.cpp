#include "support/DealTable.h"

#include "app/Layout.h"
#include "app/Spots.h"
#include "app/drawing/TableDrawing.h"
#include "engine/GameState.h"

namespace {

using ExchangeAnswersTest = DealTable;

using namespace sevens;

TEST_F(ExchangeAnswersTest, TheHumanExchangesHisTrumpSeven)
{
    Deal(kHuman, plain::kComputer, kHumanWithSeven, kTurnedUp, plain::kSecond);
    Click(window_->m_rcButton1);

    ASSERT_EQ(g_promptState, PromptState::kSevenExchangeOffer);
    EXPECT_EQ(g_humanSevenRaised, 1);
    EXPECT_EQ(g_sevenCard, 1);
    EXPECT_EQ(PhrasesSpoken().back(), image::kOfferSevenExchange);
    EXPECT_TRUE(FaceDrawnAt(1, HumanCardX(g_sevenPos), HumanRowTop() - g_clientHeight / 26));

    Click(window_->m_rcButton1);

    EXPECT_EQ(g_humanSevenRaised, 0);
    EXPECT_EQ(g_trumpCard, 1);
    EXPECT_EQ(g_cards[1].location(), kFaceUpOnTable);
    ASSERT_GT(FindInHand(g_humanHand, g_humanCount, kTurnedUp), 0);
    // The computer saw the card the human took.
    EXPECT_EQ(g_cards[kTurnedUp].status(), kStatusSeen);
    EXPECT_EQ(window_->m_taker, kHuman);
    EXPECT_EQ(g_humanCount, 9);
    ExpectEveryCardInOnePlace();
}

TEST_F(ExchangeAnswersTest, TheHumanKeepsHisTrumpSeven)
{
    Deal(kHuman, plain::kComputer, kHumanWithSeven, kTurnedUp, plain::kSecond);
    Click(window_->m_rcButton1);
    ASSERT_EQ(g_promptState, PromptState::kSevenExchangeOffer);

    Click(window_->m_rcButton2);

    EXPECT_EQ(g_humanSevenRaised, 0);
    EXPECT_EQ(g_trumpCard, kTurnedUp);
    EXPECT_EQ(g_cards[1].location(), kInHumanHand);
    EXPECT_EQ(g_cards[1].status(), kStatusInPlay);
    EXPECT_EQ(window_->m_taker, kHuman);
    ExpectEveryCardInOnePlace();
}

TEST_F(ExchangeAnswersTest, TheSevenReturnsToItsRowOnAShortTable)
{
    // The return steps 7 / 20 = 0 pixels a frame; the seven is put straight into its place.
    g_animSteps = 20;
    UpdateDerivedSettings();
    ComputeLayout(1024, 200);
    Deal(kHuman, plain::kComputer, kHumanWithSeven, kTurnedUp, plain::kSecond);
    Click(window_->m_rcButton1);
    ASSERT_EQ(g_promptState, PromptState::kSevenExchangeOffer);

    Click(window_->m_rcButton2);

    EXPECT_EQ(g_humanCount, 9);
    ExpectEveryCardInOnePlace();
}

TEST_F(ExchangeAnswersTest, TheComputerExchangesItsTrumpSeven)
{
    Deal(kHuman, kComputerWithSeven, kHumanBesideSeven, kTurnedUp, kSecondBesideSeven);
    platform_.rand.seeds.clear();
    Click(window_->m_rcButton1);

    ASSERT_EQ(g_promptState, PromptState::kComputerExchangedSeven);
    // The decision seeded the generator from the clock.
    EXPECT_EQ(
        platform_.rand.seeds, std::vector<unsigned> { static_cast<unsigned>(platform_.clock.nowSeconds) });
    EXPECT_EQ(g_computerSevenRaised, 1);
    EXPECT_EQ(PhrasesSpoken().back(), image::kComputerExchangedSeven);
    EXPECT_EQ(window_->m_rcButton1, ImageBand(image::kCaptionAcknowledge, SpotPoint(Spot::kCentre)));
    EXPECT_TRUE(FaceDrawnAt(1, ComputerCardX(g_sevenPos), g_rowUnit + g_clientHeight / 26));

    Click(window_->m_rcButton1);

    EXPECT_EQ(g_computerSevenRaised, 0);
    EXPECT_EQ(g_trumpCard, 1);
    EXPECT_EQ(g_computerHand[1], kTurnedUp);
    EXPECT_EQ(g_cards[kTurnedUp].status(), kStatusInPlay);
    EXPECT_EQ(window_->m_taker, kHuman);
    ExpectEveryCardInOnePlace();
}

} // namespace
