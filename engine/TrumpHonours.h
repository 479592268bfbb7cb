#pragma once

#include <span>

/// True when `cards` hold the card of rank index 0..7 in `g_trumpSuit`.
bool HoldsTrump(std::span<const int> cards, int rank);

/// The trump honours the computer weighs, both when it decides whether to show its runs and
/// when it decides whether to exchange its trump seven: sets `g_computerHasTrumpJack`,
/// `g_computerHasTrumpNine` and `g_computerHasTrumpPair` (queen and king together) from
/// `cards` and returns their worth, 20 the jack, 14 the nine and 20 the pair.
int ValueComputerTrumpHonours(std::span<const int> cards);
