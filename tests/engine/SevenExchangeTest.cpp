#include "support/EngineTest.h"

#include "engine/SevenExchange.h"

#include <vector>

namespace {

/// A clock reading whose seconds modulo 1000 are `seconds`.
constexpr std::time_t Clock(int seconds)
{
    return 1717170000 + seconds;
}

class SevenExchangeTest : public EngineTest {
protected:
    void SetUp() override
    {
        EngineTest::SetUp();
        g_extraCards = 3;
    }

    platform::Lcg15 random_;
};

TEST_F(SevenExchangeTest, TheValuationCountsRunsAndTrumpBonuses)
{
    SetTrump(1);
    const std::vector<int> hand { Seven(1), Eight(1), Nine(1), Ace(1), Seven(2), Eight(3) };
    const SevenExchangeValuation without = ValueHandForSevenExchange(hand);
    EXPECT_EQ(without.value, 20 + 14 + 11);
    EXPECT_TRUE(without.sevenInRun);
    EXPECT_EQ(g_computerTwenties, 1);

    const std::vector<int> swapped { Jack(1), Eight(1), Nine(1), Ace(1), Seven(2), Eight(3) };
    const SevenExchangeValuation with = ValueHandForSevenExchange(swapped);
    EXPECT_EQ(with.value, 14 + 20 + 11);
    EXPECT_FALSE(with.sevenInRun);
    EXPECT_EQ(g_computerTwenties, 0);
    EXPECT_EQ(g_computerHasTrumpJack, 1);

    const std::vector<int> fifty { Seven(1), Eight(1), Nine(1), Ten(1), Queen(1), King(1) };
    EXPECT_EQ(ValueHandForSevenExchange(fifty).value, 50 + 14 + 20);
}

TEST_F(SevenExchangeTest, ASevenOutsideAnyRunIsAlwaysExchanged)
{
    TurnUp(Eight(1));
    GiveComputer({ Seven(1), Ace(2), Ten(2), Seven(3), King(4), Queen(4) });
    EXPECT_TRUE(ComputerWantsSevenExchange(Clock(500), random_));
    EXPECT_EQ(g_randomCard, 500 - 15 * 32);
    EXPECT_TRUE(ComputerWantsSevenExchange(Clock(0), random_));
    EXPECT_EQ(g_randomCard, 1);
}

TEST_F(SevenExchangeTest, ASevenInARunIsExchangedForAHandWorthAsMuchOrOnALateDrawUpTo10Less)
{
    // Twenty and nine, 34; with the turned-up ace for the seven, nine and ace: 25, 9 less.
    const std::vector<int> twenty { Seven(1), Eight(1), Nine(1), King(2), Seven(3), Eight(4) };
    // Fifty and nine, 64; with the turned-up queen, the twenty of 8 9 10, nine and pair: 54.
    const std::vector<int> fifty { Seven(1), Eight(1), Nine(1), Ten(1), King(1), Seven(3) };
    struct Row {
        int turnedUp;
        const std::vector<int>& hand;
        int extraCards, seconds;
        bool wants;
    };
    // A draw is late from 34 - 2 x extra cards: 28 with three, 22 with six.
    const Row rows[] = {
        { Ace(1), twenty, 3, 27, false },
        { Ace(1), twenty, 3, 28, true },
        { Ace(1), twenty, 3, 59, false }, // folds to 27
        { Ace(1), twenty, 3, 0, false }, // counts as 1
        { Ace(1), twenty, 6, 21, false },
        { Ace(1), twenty, 6, 22, true },
        { Queen(1), fifty, 3, 27, false },
        { Queen(1), fifty, 3, 28, true },
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(&row - rows);
        SetUp();
        g_extraCards = row.extraCards;
        TurnUp(row.turnedUp);
        GiveComputer(row.hand);
        EXPECT_EQ(ComputerWantsSevenExchange(Clock(row.seconds), random_), row.wants);
    }
}

TEST_F(SevenExchangeTest, AFiftyWithTheSevenIsNotBrokenUpForAQueen)
{
    TurnUp(Queen(1));
    GiveComputer({ Seven(1), Eight(1), Nine(1), Ten(1), Ace(2), Seven(3) });
    EXPECT_FALSE(ComputerWantsSevenExchange(Clock(500), random_));
    EXPECT_FALSE(ComputerWantsSevenExchange(Clock(0), random_));
    // The valuation swapped nothing for good.
    EXPECT_EQ(g_computerHand[1], Seven(1));
    EXPECT_EQ(g_cards[Seven(1)].location(), kInComputerHand);
    EXPECT_EQ(g_cards[Queen(1)].location(), kFaceUpOnTable);
    EXPECT_EQ(g_trumpCard, Queen(1));
}

TEST_F(SevenExchangeTest, TheOfferGoesToTheHumansSevenFirst)
{
    TurnUp(Jack(1));
    GiveHuman({ Ace(2), King(2), Seven(1), Eight(3) });
    GiveComputer({ Eight(1), Ace(3) });
    EXPECT_EQ(DecideSevenOffer(Clock(5), random_), PromptState::kSevenExchangeOffer);
    EXPECT_EQ(g_sevenFound, 1);
    EXPECT_EQ(g_sevenCard, Seven(1));
    EXPECT_EQ(g_sevenPos, 3);
}

TEST_F(SevenExchangeTest, TheComputerAnnouncesOnlyTheExchangesItWants)
{
    TurnUp(Jack(1));
    GiveComputer({ Ace(3), Seven(1), Eight(2) });
    EXPECT_EQ(DecideSevenOffer(Clock(5), random_), PromptState::kComputerExchangedSeven);
    EXPECT_EQ(g_sevenPos, 2);

    SetUp();
    TurnUp(Queen(1));
    GiveComputer({ Seven(1), Eight(1), Nine(1), Ten(1), Ace(2), Seven(3) });
    EXPECT_EQ(DecideSevenOffer(Clock(5), random_), PromptState::kNone);
    EXPECT_EQ(g_sevenFound, 0);
}

TEST_F(SevenExchangeTest, ATurnedUpSevenOrOneInTheDeckOffersNothing)
{
    TurnUp(Seven(2));
    GiveHuman({ Ace(2) });
    GiveComputer({ King(2) });
    EXPECT_EQ(DecideSevenOffer(Clock(5), random_), PromptState::kNone);

    SetUp();
    TurnUp(Ace(2));
    EXPECT_EQ(DecideSevenOffer(Clock(5), random_), PromptState::kNone);
    EXPECT_EQ(g_sevenFound, 0);
}

TEST_F(SevenExchangeTest, TheHumansSwapMarksTheTakenCardAsKnown)
{
    TurnUp(Jack(1));
    GiveHuman({ Ace(2), Seven(1), Eight(3) });
    DecideSevenOffer(Clock(5), random_);
    g_sevenExchanger = kHuman;
    EXPECT_EQ(SwapSevenWithTurnedUpCard(), Jack(1));
    EXPECT_EQ(g_humanHand[2], Jack(1));
    EXPECT_EQ(g_cards[Jack(1)].location(), kInHumanHand);
    EXPECT_EQ(g_cards[Jack(1)].status(), kStatusSeen);
    EXPECT_EQ(g_cards[Seven(1)].location(), kFaceUpOnTable);
    EXPECT_EQ(g_trumpCard, Seven(1));
    EXPECT_EQ(g_humanCount, 3);
}

TEST_F(SevenExchangeTest, TheComputersSwapStaysUnknownToTheHuman)
{
    TurnUp(Jack(1));
    GiveComputer({ Ace(3), Seven(1), Eight(2) });
    DecideSevenOffer(Clock(5), random_);
    g_sevenExchanger = kComputer;
    EXPECT_EQ(SwapSevenWithTurnedUpCard(), Jack(1));
    EXPECT_EQ(g_computerHand[2], Jack(1));
    EXPECT_EQ(g_cards[Jack(1)].location(), kInComputerHand);
    EXPECT_EQ(g_cards[Jack(1)].status(), kStatusInPlay);
    EXPECT_EQ(g_trumpCard, Seven(1));
}

TEST_F(SevenExchangeTest, TheSwapFindsTheSevenWhereverTheHandWasSortedTo)
{
    TurnUp(Jack(1));
    GiveHuman({ Ace(2), Seven(1), Eight(3) });
    DecideSevenOffer(Clock(5), random_);
    std::swap(g_humanHand[1], g_humanHand[2]);
    g_sevenExchanger = kHuman;
    EXPECT_EQ(SwapSevenWithTurnedUpCard(), Jack(1));
    EXPECT_EQ(g_sevenPos, 1);
    EXPECT_EQ(g_humanHand[1], Jack(1));
    EXPECT_EQ(g_humanHand[2], Ace(2));
}

TEST_F(SevenExchangeTest, NoExchangerMeansNoSwap)
{
    TurnUp(Jack(1));
    GiveHuman({ Ace(2), Seven(1) });
    DecideSevenOffer(Clock(5), random_);
    g_sevenExchanger = 0;
    EXPECT_EQ(SwapSevenWithTurnedUpCard(), kNoCard);
    g_sevenExchanger = kComputer;
    EXPECT_EQ(SwapSevenWithTurnedUpCard(), kNoCard);
    EXPECT_EQ(g_humanHand[2], Seven(1));
    EXPECT_EQ(g_trumpCard, Jack(1));
    EXPECT_EQ(g_cards[Jack(1)].location(), kFaceUpOnTable);
}

} // namespace
