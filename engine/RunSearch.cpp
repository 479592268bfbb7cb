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
int TakeRuns(const std::vector<int>& ordered, int length, int trumpSuit, RunsOfHand& found, double& best)
{
    const auto holds = [&](int card) {
        return IsCard(card) && std::find(ordered.begin(), ordered.end(), card) != ordered.end()
            && !found.inRun[static_cast<std::size_t>(card)];
    };
    int runs = 0;
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
        for (int below = 0; below < length; ++below)
            found.inRun[static_cast<std::size_t>(top - below * kSameSuitStep)] = true;
        ++runs;
        best = std::max(best, NaturalOrder(top) + (SuitOf(top) == trumpSuit ? kTrumpRunBonus : 0.0));
        // The run's cards stand right below its top in the ordered list.
        position -= length;
    }
    return runs;
}

} // namespace

RunsOfHand FindRuns(std::span<const int> cards, int trumpSuit)
{
    std::vector<int> ordered;
    for (const int card : cards)
        if (IsCard(card))
            ordered.push_back(card);
    std::ranges::sort(ordered, [trumpSuit](int a, int b) {
        const auto key = [trumpSuit](int card) {
            return std::tuple(SuitOf(card) == trumpSuit, SuitOf(card), RankOf(card));
        };
        return key(a) < key(b);
    });

    RunsOfHand found;
    found.runs.fifties = TakeRuns(ordered, kFiftyLength, trumpSuit, found, found.runs.bestFifty);
    found.runs.twenties = TakeRuns(ordered, kTwentyLength, trumpSuit, found, found.runs.bestTwenty);
    return found;
}

RunSearchResult SearchRuns(std::span<const int> cards)
{
    const RunsOfHand found = FindRuns(cards, g_trumpSuit);
    for (const int card : cards) {
        if (!IsCard(card))
            continue;
        CardRecord& record = g_cards[card];
        record.inRun() = record.shown() = found.inRun[static_cast<std::size_t>(card)] ? 1 : 0;
        record.sortMark() = 1;
    }
    return found.runs;
}
