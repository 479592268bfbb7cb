#include "engine/SixTrumps.h"

#include "engine/CardTable.h"
#include "engine/GameState.h"

#include <algorithm>

namespace {

/// Trumps in unbroken order that end the deal.
constexpr int kRunLength = 6;
/// Runs of six start at the seven, the eight or the nine.
constexpr int kHighestRunStart = kRankNine;

} // namespace

bool HoldsSixTrumps(std::span<const int> cards, int suit)
{
    if (suit < 1 || suit > kSuits)
        return false;
    const auto holds = [&cards](int card) { return std::ranges::find(cards, card) != cards.end(); };
    for (int lowest = kRankSeven; lowest <= kHighestRunStart; ++lowest) {
        bool run = true;
        for (int rank = lowest; rank < lowest + kRunLength && run; ++rank)
            run = holds(CardOf(rank, suit));
        if (run)
            return true;
    }
    return false;
}

int DetectSixTrumps()
{
    g_humanSixTrumps = 0;
    g_computerSixTrumps = 0;
    if (HoldsSixTrumps(HandCards(g_humanHand, g_humanCount), g_trumpSuit)) {
        g_humanSixTrumps = 1;
        return kHuman;
    }
    if (HoldsSixTrumps(HandCards(g_computerHand, g_computerCount), g_trumpSuit)) {
        g_computerSixTrumps = 1;
        return kComputer;
    }
    return kNoSide;
}
