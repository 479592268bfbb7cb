#include "app/VertanDlg.h"
#include "engine/CardTable.h"
#include "engine/CardValues.h"
#include "engine/GameState.h"
#include "engine/Settings.h"

#include <algorithm>
#include <array>

namespace {

/// Settings field 7, the hand order.
constexpr int kSortBySuits = 1;
constexpr int kSortByPoints = 2;
/// With g_declSkipFirstSix the six cards of the first deal keep their places.
constexpr int kFirstSecondDealPosition = g_firstDealCount + 1;

const CardRecord& recordOf(int card)
{
    // Record 0 is never a card; a damaged hand reads it instead of running off the table.
    return g_cards[static_cast<std::size_t>(IsCard(card) ? card : 0)];
}

/// The place of a suit in the by-suits order: the three other suits by number, then the
/// trump (and any suit that is none of them, so no card is ever dropped).
int suitPlace(int suit)
{
    const std::array<int, 3> others { g_otherSuit1, g_otherSuit2, g_otherSuit3 };
    const auto found = std::ranges::find(others, suit);
    return static_cast<int>(found - others.begin());
}

} // namespace

void CVertanDlg::SortHumanHand()
{
    const int count = std::clamp(g_humanCount, 0, kMaxHand);
    for (const int card : HandCards(g_humanHand, count))
        if (IsCard(card))
            g_cards[static_cast<std::size_t>(card)].sortMark() = 0;

    const int first = g_declSkipFirstSix == 1 ? kFirstSecondDealPosition : 1;
    if (first > count)
        return;
    const auto begin = g_humanHand.begin() + first;
    const auto end = g_humanHand.begin() + count + 1;

    // Stable sorts, so that cards of equal rank keep their left-to-right order.
    if (g_handSort == kSortBySuits) {
        SetOtherSuits();
        std::stable_sort(begin, end, [](int a, int b) {
            const CardRecord& ra = recordOf(a);
            const CardRecord& rb = recordOf(b);
            return std::pair(suitPlace(ra.suit()), ra.sequence())
                < std::pair(suitPlace(rb.suit()), rb.sequence());
        });
    } else if (g_handSort == kSortByPoints) {
        // Plain cards from the weakest to the strongest, then the trumps likewise.
        std::stable_sort(begin, end, [](int a, int b) {
            const CardRecord& ra = recordOf(a);
            const CardRecord& rb = recordOf(b);
            return std::pair(ra.suit() == g_trumpSuit, ra.strength())
                < std::pair(rb.suit() == g_trumpSuit, rb.strength());
        });
    } else {
        return;
    }
    for (auto it = begin; it != end; ++it)
        if (IsCard(*it))
            g_cards[static_cast<std::size_t>(*it)].sortMark() = 1;
}
