#pragma once

#include <span>

/// True when `cards` hold six trumps of `suit` 1..4 in unbroken natural order: seven to
/// queen, eight to king or nine to ace.
bool HoldsSixTrumps(std::span<const int> cards, int suit);

/// Looks for six trumps of `g_trumpSuit` in unbroken order in either hand, as the first
/// deal leaves them; the turned-up card lies on the table and never counts, so at most one
/// hand qualifies. Sets `g_humanSixTrumps` and `g_computerSixTrumps` (1 for the holder, else
/// 0) and returns the holder, kHuman or kComputer, or kNoSide. Marking the holder's cards
/// shown is left to the caller, which moves the whole row out.
int DetectSixTrumps();
