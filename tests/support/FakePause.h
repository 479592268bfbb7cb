#pragma once

#include "platform/Pause.h"

#include "support/ScriptedClock.h"

/// A pause that returns at once and keeps count; with a clock linked, the clock moves on
/// by the pause, so code that waits for the millisecond counter still finishes.
class FakePause final : public platform::Pause {
public:
    void sleep(int milliseconds) override
    {
        ++count;
        totalMs += milliseconds;
        // A real pause of zero or fewer milliseconds returns at once: time does not go back.
        if (clock && milliseconds > 0)
            clock->advance(milliseconds);
    }

    /// Pauses taken since construction or the test's last reset.
    int count = 0;
    /// Their sum, in ms.
    long long totalMs = 0;
    /// Moved forward by every pause when set; not owned.
    ScriptedClock* clock = nullptr;
};
