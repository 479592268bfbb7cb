#include "support/EngineTest.h"

#include "engine/RunSearch.h"

#include <vector>

namespace {

/// Trump is suit 1.
class RunSearchTest : public EngineTest {
protected:
    void SetUp() override
    {
        EngineTest::SetUp();
        SetTrump(1);
    }

    static RunSearchResult Search(std::vector<int> cards) { return SearchRuns(cards); }
};

TEST_F(RunSearchTest, FiftiesAreTakenFirstAndEachCardServesInOneRun)
{
    const RunSearchResult whole
        = Search({ Seven(2), Eight(2), Nine(2), Ten(2), Jack(2), Queen(2), King(2), Ace(2) });
    EXPECT_EQ(whole.fifties, 2);
    EXPECT_EQ(whole.twenties, 0);
    EXPECT_EQ(whole.bestFifty, 8);

    const RunSearchResult seven = Search({ Seven(2), Eight(2), Nine(2), Ten(2), Jack(2), Queen(2), King(2) });
    EXPECT_EQ(seven.fifties, 1);
    EXPECT_EQ(seven.twenties, 1);
    EXPECT_EQ(seven.bestFifty, 7);
    EXPECT_EQ(seven.bestTwenty, 3);

    const RunSearchResult five = Search({ Queen(3), Eight(3), Ten(3), Nine(3), Jack(3) });
    EXPECT_EQ(five.fifties, 1);
    EXPECT_EQ(five.twenties, 0);
    EXPECT_EQ(five.bestFifty, 6);
    EXPECT_EQ(g_cards[Eight(3)].inRun(), 0);
    EXPECT_EQ(g_cards[Eight(3)].shown(), 0);
    EXPECT_EQ(g_cards[Nine(3)].shown(), 1);
    EXPECT_EQ(g_cards[Eight(3)].sortMark(), 1);
}

TEST_F(RunSearchTest, RunsNeverWrapAndNeedEveryRank)
{
    const RunSearchResult none = Search({ Ace(2), Seven(2), Eight(2), Seven(3), Eight(3), Ten(3), Ace(4) });
    EXPECT_EQ(none.fifties + none.twenties, 0);
    EXPECT_EQ(none.bestTwenty, 0);
}

TEST_F(RunSearchTest, TwentiesSideBySideInTheOrderedHandAreBothFound)
{
    const RunSearchResult runs = Search({ Nine(3), Seven(2), Eight(3), Nine(2), Seven(3), Eight(2) });
    EXPECT_EQ(runs.twenties, 2);
    EXPECT_EQ(runs.bestTwenty, 3);
}

TEST_F(RunSearchTest, ATrumpRunIsWorthHalfARankMore)
{
    EXPECT_EQ(Search({ Ten(1), Jack(1), Queen(1), King(1) }).bestFifty, 7.5);
    EXPECT_EQ(Search({ Seven(1), Eight(1), Nine(1) }).bestTwenty, 3.5);
}

} // namespace
