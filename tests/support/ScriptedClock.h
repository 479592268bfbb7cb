#pragma once

#include "platform/Clock.h"

/// A clock that shows what the test sets; time moves only when the test (or a FakePause
/// linked to it) moves it.
class ScriptedClock final : public platform::Clock {
public:
    std::time_t now() override { return nowSeconds; }
    std::uint32_t tickMs() override { return tick; }

    /// Moves both readings forward, as a real wait of that many ms would.
    void advance(int milliseconds)
    {
        tick += static_cast<std::uint32_t>(milliseconds);
        pendingMs_ += milliseconds;
        nowSeconds += pendingMs_ / kMsPerSecond;
        pendingMs_ %= kMsPerSecond;
    }

    /// Seconds since 1970 returned by now(); a fixed moment so that clock seeds repeat.
    std::time_t nowSeconds = 1'200'000'000;
    /// Millisecond counter returned by tickMs(); wraps at 2^32 as the real one does.
    std::uint32_t tick = 0;

private:
    static constexpr int kMsPerSecond = 1000;
    /// Milliseconds advanced that have not yet made a whole second of nowSeconds (0..999).
    int pendingMs_ = 0;
};
