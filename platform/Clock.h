#pragma once

#include "platform/Service.h"

#include <cstdint>
#include <ctime>

namespace platform {

class Clock {
public:
    virtual ~Clock() = default;
    /// Seconds since 1970, as time(0).
    virtual std::time_t now() = 0;
    /// A millisecond counter for timing frames.
    virtual std::uint32_t tickMs() = 0;
};

/// The implementation the program runs with, defined in Clock.cpp.
template <> Clock& ServiceSlot<Clock>::real();

inline std::time_t Time()
{
    return ServiceSlot<Clock>::get().now();
}
inline std::uint32_t TickMs()
{
    return ServiceSlot<Clock>::get().tickMs();
}

} // namespace platform
