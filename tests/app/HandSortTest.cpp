#include "support/TableFixture.h"

#include "engine/CardTable.h"
#include "engine/CardValues.h"
#include "engine/GameState.h"
#include "engine/Settings.h"

#include <vector>

namespace {

constexpr int kBySuits = 1;
constexpr int kByPoints = 2;

/// Card of a rank index (0 seven .. 7 ace) and suit.
constexpr int C(int rank, int suit)
{
    return CardOf(rank, suit);
}

class HandSortTest : public TableTest {
protected:
    void hold(int trump, const std::vector<int>& cards)
    {
        g_trumpSuit = trump;
        SetCardValues();
        g_humanCount = static_cast<int>(cards.size());
        for (std::size_t i = 0; i < cards.size(); ++i)
            g_humanHand[i + 1] = cards[i];
    }
    std::vector<int> hand() const
    {
        return { g_humanHand.begin() + 1, g_humanHand.begin() + 1 + g_humanCount };
    }
};

TEST_F(HandSortTest, BySuitsTheOtherSuitsInOrderThenTheTrumps)
{
    g_handSort = kBySuits;
    hold(4,
        { C(kRankAce, 4), C(kRankSeven, 1), C(kRankKing, 2), C(kRankAce, 1), C(kRankNine, 3),
            C(kRankSeven, 4), C(kRankTen, 1) });
    table_->SortHumanHand();
    // Natural order inside a suit: the ten stands between the nine and the jack.
    EXPECT_EQ(hand(),
        (std::vector { C(kRankSeven, 1), C(kRankTen, 1), C(kRankAce, 1), C(kRankKing, 2), C(kRankNine, 3),
            C(kRankSeven, 4), C(kRankAce, 4) }));
    EXPECT_EQ(std::tuple(g_otherSuit1, g_otherSuit2, g_otherSuit3), std::tuple(1, 2, 3));
    for (const int card : hand())
        EXPECT_EQ(g_cards[static_cast<std::size_t>(card)].sortMark(), 1);

    hold(2, { C(kRankSeven, 2), C(kRankJack, 4), C(kRankEight, 1) });
    table_->SortHumanHand();
    EXPECT_EQ(hand(), (std::vector { C(kRankEight, 1), C(kRankJack, 4), C(kRankSeven, 2) }));
    EXPECT_EQ(std::tuple(g_otherSuit1, g_otherSuit2, g_otherSuit3), std::tuple(1, 3, 4));
    EXPECT_EQ(g_trumpSuit, 2);
}

TEST_F(HandSortTest, ByPointsPlainCardsThenTrumpsFromTheWeakest)
{
    g_handSort = kByPoints;
    hold(1,
        { C(kRankJack, 1), C(kRankAce, 2), C(kRankTen, 3), C(kRankNine, 1), C(kRankSeven, 1), C(kRankKing, 4),
            C(kRankTen, 2), C(kRankAce, 1) });
    table_->SortHumanHand();
    // Plain: king, ten, ten (in their order), ace; trumps: seven, ace, nine, jack.
    EXPECT_EQ(hand(),
        (std::vector { C(kRankKing, 4), C(kRankTen, 3), C(kRankTen, 2), C(kRankAce, 2), C(kRankSeven, 1),
            C(kRankAce, 1), C(kRankNine, 1), C(kRankJack, 1) }));

    hold(1, { C(kRankJack, 1), C(kRankSeven, 1), C(kRankNine, 1) });
    table_->SortHumanHand();
    EXPECT_EQ(hand(), (std::vector { C(kRankSeven, 1), C(kRankNine, 1), C(kRankJack, 1) }));

    hold(1, { C(kRankAce, 3), C(kRankSeven, 2) });
    table_->SortHumanHand();
    EXPECT_EQ(hand(), (std::vector { C(kRankSeven, 2), C(kRankAce, 3) }));
}

TEST_F(HandSortTest, TheSecondDealSortsOnlyItsOwnCards)
{
    g_handSort = kByPoints;
    const std::vector first { C(kRankAce, 3), C(kRankSeven, 3), C(kRankKing, 2), C(kRankEight, 4),
        C(kRankQueen, 4), C(kRankJack, 3) };
    std::vector cards = first;
    cards.insert(cards.end(), { C(kRankAce, 2), C(kRankSeven, 4), C(kRankNine, 2) });
    hold(1, cards);
    g_humanHand[10] = 99;
    g_declSkipFirstSix = 1;
    table_->SortHumanHand();
    std::vector expected = first;
    expected.insert(expected.end(), { C(kRankSeven, 4), C(kRankNine, 2), C(kRankAce, 2) });
    EXPECT_EQ(hand(), expected);
    EXPECT_EQ(g_humanHand[10], 99);
    EXPECT_EQ(g_cards[static_cast<std::size_t>(first[0])].sortMark(), 0);
    EXPECT_EQ(g_cards[static_cast<std::size_t>(C(kRankAce, 2))].sortMark(), 1);
}

TEST_F(HandSortTest, OtherOrdersAndEmptyHandsStayAsTheyAre)
{
    g_handSort = 3;
    hold(1, { C(kRankAce, 1), C(kRankSeven, 1) });
    table_->SortHumanHand();
    EXPECT_EQ(hand(), (std::vector { C(kRankAce, 1), C(kRankSeven, 1) }));

    g_handSort = kBySuits;
    hold(1, {});
    table_->SortHumanHand();
    EXPECT_TRUE(hand().empty());
}

} // namespace
