#include "EngineTest.h"

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

} // namespace
