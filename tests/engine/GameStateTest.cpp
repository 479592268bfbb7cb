#include "support/EngineTest.h"

#include "engine/DealReset.h"

namespace {

using GameStateTest = EngineTest;

TEST_F(GameStateTest, AGameEndsWhenEitherTotalReachesItsLengthsTarget)
{
    g_gameLength = kShortGame;
    g_humanTotal = 500;
    g_computerTotal = -40;
    EXPECT_FALSE(GameIsOver());
    g_computerTotal = 501;
    EXPECT_TRUE(GameIsOver());

    g_gameLength = kLongGame;
    EXPECT_FALSE(GameIsOver());
    g_humanTotal = 1001;
    EXPECT_TRUE(GameIsOver());

    // A length read from a damaged settings file ends no game.
    g_gameLength = 0;
    EXPECT_FALSE(GameIsOver());
}

TEST_F(GameStateTest, TheDealResetKeepsTheGameButClearsTheDeal)
{
    GiveComputer({ Ace(2) });
    g_cards[Ace(2)].status() = kStatusPlayed;
    g_humanTotal = 240;
    g_hangingTie = kComputer;
    g_humanDealPoints = 80;
    g_humanVoid[3] = 1;
    g_trumpMarkPos = kTrumpMarkSpot2;
    ResetDealState();
    EXPECT_EQ(g_cards[Ace(2)].location(), kInDeck);
    EXPECT_EQ(g_cards[Ace(2)].status(), kStatusInPlay);
    EXPECT_EQ(g_humanDealPoints, 0);
    EXPECT_EQ(g_humanVoid[3], 0);
    EXPECT_EQ(g_deckShown, kDeckWithTurnedUpCard);
    EXPECT_EQ(g_trumpMarkPos, kTrumpMarkNone);
    EXPECT_EQ(g_humanTotal, 240);
    EXPECT_EQ(g_hangingTie, kComputer);

    g_firstDealDone = 1;
    g_sheetRow = 7;
    g_hangingPoints = 90;
    ResetForNewGame();
    EXPECT_EQ(g_firstDealDone, 0);
    EXPECT_EQ(g_sheetRow, 0);
    EXPECT_EQ(g_humanTotal, 0);
    EXPECT_EQ(g_hangingTie, g_noHangingTie);
    EXPECT_EQ(g_hangingPoints, 90);
}

} // namespace
