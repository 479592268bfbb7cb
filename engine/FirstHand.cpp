#include "engine/FirstHand.h"

#include "engine/CardTable.h"
#include "engine/FreeCardDraw.h"

namespace {

/// The draw is cut to 1..100, then to 1..10; 5..10 let the computer bid first.
constexpr int kFirstCut = 100;
constexpr int kSecondCut = 10;
constexpr int kComputerFirstFrom = 5;
/// The clock's seconds are read modulo this.
constexpr int kClockModulus = 1000;

/// Takes `step` off while the value is above `step`, as a single division.
int CutDown(int value, int step)
{
    return value > step ? (value - 1) % step + 1 : value;
}

} // namespace

int FirstHandFromRand(int value)
{
    const int digit = CutDown(CutDown(value, kFirstCut), kSecondCut);
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
