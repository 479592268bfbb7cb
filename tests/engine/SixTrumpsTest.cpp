#include "support/EngineTest.h"

#include "engine/SixTrumps.h"

namespace {

using SixTrumpsTest = EngineTest;

TEST_F(SixTrumpsTest, EachOfTheThreeRunsOfSixCounts)
{
    const std::vector<std::vector<int>> runs {
        { 2, 6, 10, 14, 18, 22 },
        { 6, 10, 14, 18, 22, 26 },
        { 10, 14, 18, 22, 26, 30 },
    };
    for (const auto& run : runs) {
        SetUp();
        g_trumpSuit = 2;
        GiveHuman(run);
        EXPECT_EQ(DetectSixTrumps(), kHuman);
        EXPECT_EQ(g_humanSixTrumps, 1);
        EXPECT_EQ(g_computerSixTrumps, 0);

        SetUp();
        g_trumpSuit = 2;
        GiveComputer(run);
        EXPECT_EQ(DetectSixTrumps(), kComputer);
        EXPECT_EQ(g_computerSixTrumps, 1);
        EXPECT_EQ(g_humanSixTrumps, 0);
    }
}

TEST_F(SixTrumpsTest, SevenTrumpsInARowCountOnce)
{
    g_trumpSuit = 2;
    GiveHuman({ Seven(2), Eight(2), Nine(2), Ten(2), Jack(2), Queen(2), King(2) });
    EXPECT_EQ(DetectSixTrumps(), kHuman);
    EXPECT_EQ(g_humanSixTrumps, 1);
}

TEST_F(SixTrumpsTest, AGapAnotherSuitOrTheTurnedUpCardSpoilTheRun)
{
    g_trumpSuit = 2;
    GiveHuman({ Seven(2), Eight(2), Nine(2), Ten(2), Jack(2), King(2) });
    GiveComputer({ Seven(3), Eight(3), Nine(3), Ten(3), Jack(3), Queen(3) });
    g_humanSixTrumps = 1;
    EXPECT_EQ(DetectSixTrumps(), kNoSide);
    EXPECT_EQ(g_humanSixTrumps, 0);
    EXPECT_EQ(g_computerSixTrumps, 0);

    SetUp();
    TurnUp(Queen(2));
    GiveHuman({ Seven(2), Eight(2), Nine(2), Ten(2), Jack(2), King(2) });
    EXPECT_EQ(DetectSixTrumps(), kNoSide);
}

} // namespace
