#include "support/TableFixture.h"

namespace {

using HandSortTest = TableTest;

/// Card of a rank (0 seven .. 7 ace) and suit.
constexpr int C(int rank, int suit)
{
    return CardOf(rank, suit);
}
constexpr int k7 = kRankSeven, k8 = kRankEight, k9 = kRankNine, k10 = kRankTen, kJ = kRankJack,
              kQ = kRankQueen, kK = kRankKing, kA = kRankAce;

TEST_F(HandSortTest, EachOrderSortsThePositionsItOwnsAndMarksThem)
{
    const struct {
        int sort, trump, skipFirstSix;
        std::vector<int> hand, sorted;
        std::tuple<int, int, int> others; // set by the order by suits
    } rows[] = {
        // By suits: the other suits in order, then the trumps; inside a suit the natural order
        // puts the ten between the nine and the jack.
        { 1, 4, 0, { C(kA, 4), C(k7, 1), C(kK, 2), C(kA, 1), C(k9, 3), C(k7, 4), C(k10, 1) },
            { C(k7, 1), C(k10, 1), C(kA, 1), C(kK, 2), C(k9, 3), C(k7, 4), C(kA, 4) }, { 1, 2, 3 } },
        { 1, 2, 0, { C(k7, 2), C(kJ, 4), C(k8, 1) }, { C(k8, 1), C(kJ, 4), C(k7, 2) }, { 1, 3, 4 } },
        // By points: plain cards from the weakest, equal ones in their order, then the trumps.
        { 2, 1, 0, { C(kJ, 1), C(kA, 2), C(k10, 3), C(k9, 1), C(k7, 1), C(kK, 4), C(k10, 2), C(kA, 1) },
            { C(kK, 4), C(k10, 3), C(k10, 2), C(kA, 2), C(k7, 1), C(kA, 1), C(k9, 1), C(kJ, 1) }, {} },
        { 2, 1, 0, { C(kJ, 1), C(k7, 1), C(k9, 1) }, { C(k7, 1), C(k9, 1), C(kJ, 1) }, {} },
        { 2, 1, 0, { C(kA, 3), C(k7, 2) }, { C(k7, 2), C(kA, 3) }, {} },
        { 2, 1, 0, { C(kA, 3) }, { C(kA, 3) }, {} }, // one card is sorted and marked all the same
        // The second deal sorts its own three cards only.
        { 2, 1, 1,
            { C(kA, 3), C(k7, 3), C(kK, 2), C(k8, 4), C(kQ, 4), C(kJ, 3), C(kA, 2), C(k7, 4), C(k9, 2) },
            { C(kA, 3), C(k7, 3), C(kK, 2), C(k8, 4), C(kQ, 4), C(kJ, 3), C(k7, 4), C(k9, 2), C(kA, 2) },
            {} },
        { 3, 1, 0, { C(kA, 1), C(k7, 1) }, { C(kA, 1), C(k7, 1) }, {} }, // no such order
        { 1, 1, 0, {}, {}, {} },
    };
    // A card past the hand, which nothing may touch; two cards marked by an earlier sort.
    const int stranger = C(kQ, 1);
    for (const auto& row : rows) {
        std::tie(g_handSort, g_trumpSuit, g_declSkipFirstSix)
            = std::tuple(row.sort, row.trump, row.skipFirstSix);
        SetCardValues();
        std::tie(g_otherSuit1, g_otherSuit2, g_otherSuit3) = std::tuple(0, 0, 0);
        g_humanCount = static_cast<int>(row.hand.size());
        std::ranges::copy(row.hand, g_humanHand.begin() + 1);
        g_humanHand[row.hand.size() + 1] = stranger;
        std::tie(g_cards[stranger].sortMark(), g_cards[C(kA, 3)].sortMark(), g_cards[C(kA, 2)].sortMark())
            = std::tuple(0, 1, 1);
        table_->SortHumanHand();
        EXPECT_EQ(std::vector(g_humanHand.begin() + 1, g_humanHand.begin() + 1 + g_humanCount), row.sorted);
        EXPECT_EQ(std::tuple(g_otherSuit1, g_otherSuit2, g_otherSuit3, g_trumpSuit),
            std::tuple_cat(row.others, std::tuple(row.trump)));
        EXPECT_EQ(std::tuple(g_humanHand[row.hand.size() + 1], g_cards[stranger].sortMark()),
            std::tuple(stranger, 0));
        // The cards sorted are marked, those left in place unmarked.
        for (int k = 1; k <= g_humanCount; ++k)
            EXPECT_EQ(g_cards[g_humanHand[k]].sortMark(), row.sort != 3 && k > 6 * row.skipFirstSix) << k;
    }
}

} // namespace
