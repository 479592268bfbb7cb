#include "engine/SixTrumps.h"

#include "engine/CardTable.h"
#include "engine/GameState.h"

namespace {

/// Trumps in unbroken order that end the deal.
constexpr int kRunLength = 6;
/// Runs of six start at the seven, the eight or the nine.
constexpr int kHighestRunStart = kRankNine;

/// True when the six trumps from rank `lowest` upward all lie at `location`.
bool RunLiesAt(int lowest, int location)
{
    for (int rank = lowest; rank < lowest + kRunLength; ++rank) {
        if (g_cards[CardOf(rank, g_trumpSuit)].location() != location)
            return false;
    }
    return true;
}

bool HoldsSixTrumps(int location)
{
    for (int lowest = kRankSeven; lowest <= kHighestRunStart; ++lowest) {
        if (RunLiesAt(lowest, location))
            return true;
    }
    return false;
}

} // namespace

int DetectSixTrumps()
{
    g_humanSixTrumps = 0;
    g_computerSixTrumps = 0;
    if (g_trumpSuit < 1 || g_trumpSuit > kSuits)
        return kNoSide;
    if (HoldsSixTrumps(kInHumanHand)) {
        g_humanSixTrumps = 1;
        return kHuman;
    }
    if (HoldsSixTrumps(kInComputerHand)) {
        g_computerSixTrumps = 1;
        return kComputer;
    }
    return kNoSide;
}
