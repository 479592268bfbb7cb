#pragma once

#include <ctime>

/// Who bids first at the first deal of a game, from one number of the generator: the
/// number is cut to its last two digits (1..100) and then to 1..10; 5 and above give the
/// computer, so it bids first in about six draws of ten. Returns kHuman or kComputer.
int FirstHandFromRand(int value);

/// The clock's seconds modulo 1000, 0..999 (also for a clock before 1970).
int ClockSeconds(std::time_t now);

/// The turned-up card 1..32 of a deal, taken from the clock rather than the generator:
/// the seconds modulo 1000 folded into 1..32, 0 giving card 1.
int TurnedUpCardFromClock(std::time_t now);
