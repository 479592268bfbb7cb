#include "platform/FramePacer.h"

#include "platform/Clock.h"
#include "platform/Pause.h"

#include <algorithm>

namespace platform {

FramePacer::FramePacer()
    : due_(TickMs())
{
}

void FramePacer::wait(int milliseconds)
{
    due_ += static_cast<std::uint32_t>(std::max(0, milliseconds));
    // The counter wraps at 2^32; the difference of two readings does not.
    const auto left = static_cast<std::int32_t>(due_ - TickMs());
    Sleep(std::max<std::int32_t>(0, left));
}

} // namespace platform
