#pragma once

#include "engine/CardTable.h"

#include <array>
#include <span>

/// Runs in one hand: three cards of a suit in unbroken natural order make a twenty, four a
/// fifty. A run's value is the natural order 1..8 of its top card, plus 0.5 in the trump
/// suit.
struct RunSearchResult {
    /// Fifties and twenties found, 0..2 and 0..4.
    int fifties = 0;
    int twenties = 0;
    /// Values of the best fifty and the best twenty, 0 when there is none.
    double bestFifty = 0;
    double bestTwenty = 0;
};

/// The runs of `cards` (one hand, in any order) under that trump suit, as SearchRuns finds
/// them, and which cards they take (by card 1..32), without touching the card table.
struct RunsOfHand {
    RunSearchResult runs;
    std::array<bool, g_deckSize + 1> inRun {};
};
RunsOfHand FindRuns(std::span<const int> cards, int trumpSuit);

/// Searches `cards` (one hand, in any order) for runs under `g_trumpSuit`. The hand itself
/// is not reordered: a scratch list is ordered by suit (the three other suits ascending,
/// the trump last) and natural order. Fifties are taken first, walking from the top of the
/// list, and each card serves in one run only: a run of five or six is one fifty, a run of
/// seven a fifty and a twenty, a whole suit two fifties. Runs never wrap from ace to seven.
/// Leaves on each card of `cards`: `sortMark` 1, and `inRun` and `shown` 1 exactly when the
/// card is in a run.
RunSearchResult SearchRuns(std::span<const int> cards);
