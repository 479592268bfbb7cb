#include "engine/TrumpHonours.h"

#include "engine/CardTable.h"
#include "engine/GameState.h"

#include <algorithm>

namespace {

/// Each honour is worth its points to the computer (the trump jack 20, the trump nine 14),
/// and the queen and king together what announcing them brings.
constexpr int kJackWorth = 20;
constexpr int kNineWorth = 14;
constexpr int kPairWorth = 20;

} // namespace

bool HoldsTrump(std::span<const int> cards, int rank)
{
    return std::ranges::find(cards, CardOf(rank, g_trumpSuit)) != cards.end();
}

int ValueComputerTrumpHonours(std::span<const int> cards)
{
    g_computerHasTrumpJack = HoldsTrump(cards, kRankJack) ? 1 : 0;
    g_computerHasTrumpNine = HoldsTrump(cards, kRankNine) ? 1 : 0;
    g_computerHasTrumpPair = HoldsTrump(cards, kRankQueen) && HoldsTrump(cards, kRankKing) ? 1 : 0;
    return kJackWorth * g_computerHasTrumpJack + kNineWorth * g_computerHasTrumpNine
        + kPairWorth * g_computerHasTrumpPair;
}
