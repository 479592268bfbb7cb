#include "engine/FirstHand.h"

#include "engine/CardTable.h"
#include "engine/FreeCardDraw.h"

namespace {

/// Draws of 5..10 (after the cuts) let the computer bid first.
constexpr int kComputerFirstFrom = 5;
constexpr int kClockModulus = 1000;

/// Takes `step` off while the value is above `step`, as a single division.
int CutDown(int value, int step)
{
    return value > step ? (value - 1) % step + 1 : value;
}

} // namespace

int FirstHandFromRand(int value)
{
    const int digit = CutDown(CutDown(value, 100), 10);
    return digit >= kComputerFirstFrom ? kComputer : kHuman;
}

int ClockSeconds(std::time_t now)
{
    return static_cast<int>((now % kClockModulus + kClockModulus) % kClockModulus);
}

int TurnedUpCardFromClock(std::time_t now)
{
    return FoldToCard(ClockSeconds(now));
}
