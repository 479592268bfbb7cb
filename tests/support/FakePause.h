#pragma once

#include "platform/Pause.h"

#include "support/ScriptedClock.h"

#include <algorithm>

/// A pause that returns at once and keeps count; with a clock linked, the clock moves on
/// by the pause (and lateMs), so code that waits for the millisecond counter still finishes.
class FakePause final : public platform::Pause {
public:
    void sleep(int milliseconds) override
    {
        ++count;
        totalMs += milliseconds;
        // A real pause of zero or fewer milliseconds returns at once: time does not go back.
        if (clock)
            clock->advance(std::max(0, milliseconds) + lateMs);
    }

    /// Pauses taken since construction or the test's last reset.
    int count = 0;
    /// Their sum, in ms.
    long long totalMs = 0;
    /// How much later than asked each pause ends on the clock, as real ones do while the
    /// window paints.
    int lateMs = 0;
    /// Moved forward by every pause when set; not owned.
    ScriptedClock* clock = nullptr;
};
