#include "support/EngineTest.h"

#include <algorithm>
#include <vector>

namespace {

using CardValuesTest = EngineTest;

int SuitPoints(int suit)
{
    int sum = 0;
    for (int rank = kRankSeven; rank <= kRankAce; ++rank)
        sum += g_cards[CardOf(rank, suit)].points();
    return sum;
}

/// Ranks of a suit from weakest to strongest.
std::vector<int> RanksByStrength(int suit)
{
    std::vector<int> ranks { kRankSeven, kRankEight, kRankNine, kRankTen, kRankJack, kRankQueen, kRankKing,
        kRankAce };
    std::ranges::sort(ranks, [suit](int a, int b) {
        return g_cards[CardOf(a, suit)].strength() < g_cards[CardOf(b, suit)].strength();
    });
    return ranks;
}

TEST_F(CardValuesTest, EveryTrumpGivesTheDeck152PointsAndATrumpSuitOf62)
{
    for (int trump = 1; trump <= kSuits; ++trump) {
        SetTrump(trump);
        int deck = 0;
        for (int suit = 1; suit <= kSuits; ++suit) {
            EXPECT_EQ(SuitPoints(suit), suit == trump ? 62 : 30) << "trump " << trump << " suit " << suit;
            deck += SuitPoints(suit);
        }
        EXPECT_EQ(deck, 152) << "trump " << trump;
    }
}

TEST_F(CardValuesTest, StrengthOrdersPlainAndTrumpSuits)
{
    SetTrump(3);
    const std::vector<int> plain { kRankSeven, kRankEight, kRankNine, kRankJack, kRankQueen, kRankKing,
        kRankTen, kRankAce };
    const std::vector<int> trump { kRankSeven, kRankEight, kRankQueen, kRankKing, kRankTen, kRankAce,
        kRankNine, kRankJack };
    for (int suit = 1; suit <= kSuits; ++suit)
        EXPECT_EQ(RanksByStrength(suit), suit == 3 ? trump : plain) << "suit " << suit;
    for (int rank = kRankSeven; rank <= kRankAce; ++rank) {
        EXPECT_GE(g_cards[CardOf(rank, 3)].strength(), 9);
        EXPECT_LE(g_cards[CardOf(rank, 1)].strength(), 8);
    }

    // Every trump beats every plain card: the trump seven (9) is above the plain ace (8).
    EXPECT_EQ(g_cards[3].strength(), 9);
    EXPECT_EQ(g_cards[7].strength(), 10);
    EXPECT_EQ(g_cards[Ace(1)].strength(), 8);
    EXPECT_EQ(g_cards[11].points(), 14);
    EXPECT_EQ(g_cards[11].strength(), 15);
    EXPECT_EQ(g_cards[19].points(), 20);
    EXPECT_EQ(g_cards[19].strength(), 16);
    EXPECT_EQ(g_cards[10].points(), 0);
    EXPECT_EQ(g_cards[10].strength(), 3);
}

TEST_F(CardValuesTest, ANewTrumpLeavesNothingOfTheOldOneAndKeepsTheNaturalOrder)
{
    SetTrump(1);
    const auto sequences = [] {
        std::vector<int> all;
        for (int card = 1; card <= g_deckSize; ++card)
            all.push_back(g_cards[card].sequence());
        return all;
    };
    const std::vector<int> before = sequences();
    SetTrump(2);
    EXPECT_EQ(sequences(), before);
    EXPECT_EQ(g_cards[Jack(1)].points(), 2);
    EXPECT_EQ(g_cards[Jack(1)].strength(), 4);
    EXPECT_EQ(g_cards[Nine(1)].points(), 0);
    EXPECT_EQ(g_cards[Jack(2)].points(), 20);
    for (int card = 1; card <= g_deckSize; ++card)
        EXPECT_EQ(g_cards[card].sequence(), RankOf(card) + 1);
}

TEST_F(CardValuesTest, OtherSuitsAreTheThreeNonTrumpsAscending)
{
    const int expected[5][3] = { {}, { 2, 3, 4 }, { 1, 3, 4 }, { 1, 2, 4 }, { 1, 2, 3 } };
    for (int trump = 1; trump <= kSuits; ++trump) {
        g_trumpSuit = trump;
        SetOtherSuits();
        EXPECT_EQ(g_otherSuit1, expected[trump][0]);
        EXPECT_EQ(g_otherSuit2, expected[trump][1]);
        EXPECT_EQ(g_otherSuit3, expected[trump][2]);
    }
}

TEST_F(CardValuesTest, ResetCardTableGivesEachCardItsSuitAndEmptiesTheHands)
{
    GiveHuman({ Ace(1) });
    g_cards[Ace(1)].status() = kStatusPlayed;
    ResetCardTable();
    EXPECT_EQ(g_humanCount, 0);
    for (int card = 1; card <= g_deckSize; ++card) {
        EXPECT_EQ(g_cards[card].suit(), (card - 1) % 4 + 1);
        EXPECT_EQ(g_cards[card].location(), kInDeck);
        EXPECT_EQ(g_cards[card].status(), kStatusInPlay);
    }
}

TEST_F(CardValuesTest, HandCardsNeverRunPastTheHand)
{
    GiveHuman({ Seven(1), Eight(1) });
    EXPECT_EQ(HandCards(g_humanHand, g_humanCount).size(), 2u);
    EXPECT_EQ(HandCards(g_humanHand, -3).size(), 0u);
    EXPECT_EQ(HandCards(g_humanHand, 99).size(), static_cast<std::size_t>(kMaxHand));
    EXPECT_EQ(FindInHand(g_humanHand, g_humanCount, Eight(1)), 2);
    EXPECT_EQ(FindInHand(g_humanHand, g_humanCount, Nine(1)), 0);
}

} // namespace
