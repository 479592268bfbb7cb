#pragma once

#include <cstdint>

namespace platform {

/// Paces the steps of an animation by the clock instead of by pauses alone: each wait ends
/// a set time after the previous one was due to end (the first, after the pacer was made),
/// so the time spent drawing a step, and a pause that ended late, come out of the next
/// wait instead of adding up; a step already late does not wait. It waits through Pause
/// and reads Clock, so with instant pauses on a scripted clock it takes no time at all.
class FramePacer {
public:
    FramePacer();

    /// Waits until `milliseconds` after the previous step was due.
    void wait(int milliseconds);

private:
    /// When the previous step was due, on the clock's millisecond counter.
    std::uint32_t due_;
};

} // namespace platform
