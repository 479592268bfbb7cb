#include "support/EngineTest.h"

#include "engine/FirstHand.h"
#include "engine/FreeCardDraw.h"

#include <climits>
#include <deque>

namespace {

/// A generator that returns the numbers it was given, then repeats the last one forever.
class ScriptedRandom : public platform::RandomSource {
public:
    explicit ScriptedRandom(std::initializer_list<int> values)
        : values_(values)
    {
    }
    void seed(unsigned) override { }
    int next() override
    {
        ++calls;
        const int value = values_.front();
        if (values_.size() > 1)
            values_.pop_front();
        return value;
    }
    int calls = 0;

private:
    std::deque<int> values_;
};

using FreeCardDrawTest = EngineTest;

TEST_F(FreeCardDrawTest, FoldsEveryNumberIntoOneToThirtyTwo)
{
    EXPECT_EQ(FoldToCard(0), 1);
    EXPECT_EQ(FoldToCard(1), 1);
    EXPECT_EQ(FoldToCard(32), 32);
    EXPECT_EQ(FoldToCard(33), 1);
    EXPECT_EQ(FoldToCard(64), 32);
    EXPECT_EQ(FoldToCard(platform::kRandMax), 31);
    EXPECT_EQ(FoldToCard(INT_MAX), 31);
    EXPECT_EQ(FoldToCard(-5), 1);
}

TEST_F(FreeCardDrawTest, DrawsAgainWhileTheNumberFallsOnATakenCard)
{
    ScriptedRandom zero { 0 };
    EXPECT_EQ(DrawFreeCard(zero), 1);

    GiveComputer({ Seven(1) });
    GiveHuman({ Seven(2) });
    TurnUp(Seven(3));
    ScriptedRandom taken { 0, 33, 2 + 64, 3, 32767 };
    EXPECT_EQ(DrawFreeCard(taken), 31);
    EXPECT_EQ(taken.calls, 5);
    EXPECT_EQ(g_randomCard, 31);
}

TEST_F(FreeCardDrawTest, NeverReturnsACardInAHandOrOnTheTable)
{
    // A full first and second deal: 24 cards in the hands and the turned-up card.
    platform::Lcg15 random;
    random.seed(20240601);
    TurnUp(DrawFreeCard(random));
    for (int i = 0; i < 12; ++i) {
        GiveComputer({ DrawFreeCard(random) });
        GiveHuman({ DrawFreeCard(random) });
    }
    for (int draw = 0; draw < 2000; ++draw) {
        const int card = DrawFreeCard(random);
        ASSERT_TRUE(IsCard(card));
        ASSERT_EQ(g_cards[card].location(), kInDeck) << "card " << card;
    }
    int taken = 0;
    for (int card = 1; card <= g_deckSize; ++card)
        taken += g_cards[card].location() != kInDeck ? 1 : 0;
    EXPECT_EQ(taken, 25);
}

TEST_F(FreeCardDrawTest, AGeneratorStuckOnTakenCardsCannotHangTheDeal)
{
    GiveHuman({ Seven(1), Seven(2), Seven(3) });
    ScriptedRandom stuck { 1 };
    EXPECT_EQ(DrawFreeCard(stuck), Seven(4));
    EXPECT_EQ(stuck.calls, kMaxDrawAttempts);

    for (int card = 1; card <= g_deckSize; ++card)
        g_cards[card].location() = kInComputerHand;
    g_cards[5].location() = kInDeck;
    ScriptedRandom any { 7 };
    EXPECT_EQ(DrawFreeCard(any), 5);
    g_cards[5].location() = kFaceUpOnTable;
    EXPECT_EQ(DrawFreeCard(any), kNoCard);
}

TEST(FirstHandTest, TheLastDigitsOfTheDrawChooseWhoBidsFirst)
{
    EXPECT_EQ(FirstHandFromRand(37), kComputer);
    EXPECT_EQ(FirstHandFromRand(104), kHuman);
    EXPECT_EQ(FirstHandFromRand(100), kComputer);
    EXPECT_EQ(FirstHandFromRand(0), kHuman);
    EXPECT_EQ(FirstHandFromRand(4), kHuman);
    EXPECT_EQ(FirstHandFromRand(5), kComputer);
    EXPECT_EQ(FirstHandFromRand(110), kComputer);
    EXPECT_EQ(FirstHandFromRand(111), kHuman);
    EXPECT_EQ(FirstHandFromRand(platform::kRandMax), kComputer);

    int computer = 0;
    for (int value = 0; value <= platform::kRandMax; ++value)
        computer += FirstHandFromRand(value) == kComputer ? 1 : 0;
    EXPECT_NEAR(computer / double(platform::kRandMax + 1), 0.6, 0.01);
}

TEST(FirstHandTest, TheTurnedUpCardComesFromTheClock)
{
    EXPECT_EQ(TurnedUpCardFromClock(1717171000), 1);
    EXPECT_EQ(TurnedUpCardFromClock(1717171999), 7);
    EXPECT_EQ(TurnedUpCardFromClock(1717171032), 32);
    EXPECT_EQ(TurnedUpCardFromClock(1717171033), 1);
    EXPECT_EQ(TurnedUpCardFromClock(5), 5);
    for (std::time_t now = -2500; now < 2500; now += 7)
        ASSERT_TRUE(IsCard(TurnedUpCardFromClock(now))) << now;
    EXPECT_EQ(ClockSeconds(-1), 999);
}

} // namespace
