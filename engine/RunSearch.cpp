#include "engine/RunSearch.h"

#include "engine/CardTable.h"

#include <algorithm>
#include <tuple>
#include <vector>

namespace {

/// Cards of a fifty and of a twenty.
constexpr int kFiftyLength = 4;
constexpr int kTwentyLength = 3;
/// A run in the trump suit beats the same run in a plain suit.
constexpr double kTrumpRunBonus = 0.5;

/// Natural order 1 (seven) .. 8 (ace).
int NaturalOrder(int card)
{
    return RankOf(card) + 1;
}

/// Takes every run of `length` cards it finds, walking the ordered list from its top
/// down; returns how many it found and raises `best` to the best value among them.
int TakeRuns(const std::vector<int>& ordered, int length, double& best)
{
    const auto holds = [&ordered](int card) {
        return IsCard(card) && std::find(ordered.begin(), ordered.end(), card) != ordered.end()
            && g_cards[card].inRun() == 0;
    };
    int found = 0;
    int position = static_cast<int>(ordered.size()) - 1;
    while (position >= length - 1) {
        const int top = ordered[static_cast<std::size_t>(position)];
        bool run = true;
        for (int below = 0; below < length && run; ++below)
            run = holds(top - below * kSameSuitStep);
        if (!run) {
            --position;
            continue;
        }
        for (int below = 0; below < length; ++below) {
            g_cards[top - below * kSameSuitStep].inRun() = 1;
            g_cards[top - below * kSameSuitStep].shown() = 1;
        }
        ++found;
        best = std::max(best, NaturalOrder(top) + (SuitOf(top) == g_trumpSuit ? kTrumpRunBonus : 0.0));
        // The run's cards stand right below its top in the ordered list.
        position -= length;
    }
    return found;
}

} // namespace

RunSearchResult SearchRuns(std::span<const int> cards)
{
    std::vector<int> ordered;
    for (const int card : cards) {
        if (!IsCard(card))
            continue;
        g_cards[card].inRun() = 0;
        g_cards[card].shown() = 0;
        g_cards[card].sortMark() = 1;
        ordered.push_back(card);
    }
    std::ranges::sort(ordered, [](int a, int b) {
        const auto key
            = [](int card) { return std::tuple(SuitOf(card) == g_trumpSuit, SuitOf(card), RankOf(card)); };
        return key(a) < key(b);
    });

    RunSearchResult result;
    result.fifties = TakeRuns(ordered, kFiftyLength, result.bestFifty);
    result.twenties = TakeRuns(ordered, kTwentyLength, result.bestTwenty);
    return result;
}
