#pragma once

#include <functional>

namespace platform {

/// Waits up to maxMilliseconds, or until `done` returns true, while the event loop keeps
/// delivering paint and timer events; mouse and keyboard input waits until the game's
/// handler has returned. Without an application object it only waits.
void WaitKeepingPaint(int maxMilliseconds, const std::function<bool()>& done);

} // namespace platform
