#include "platform/Clock.h"

#include <chrono>

namespace platform {

namespace {

class SystemClock final : public Clock {
public:
    std::time_t now() override { return std::time(nullptr); }

    std::uint32_t tickMs() override
    {
        // A steady clock cut to 32 bits: it wraps after 49.7 days, and callers only
        // take differences of two readings.
        const auto sinceStart = std::chrono::steady_clock::now().time_since_epoch();
        return static_cast<std::uint32_t>(
            std::chrono::duration_cast<std::chrono::milliseconds>(sinceStart).count());
    }
};

} // namespace

template <> Clock& ServiceSlot<Clock>::real()
{
    static SystemClock clock;
    return clock;
}

} // namespace platform
