#pragma once

#include <cstdlib>

/// One coordinate of an animated card, moving toward its target by a fixed step a frame:
/// the distance cut into `divisor` equal steps, truncated. A step that truncates to 0 (a
/// short distance over many frames) cannot bring the card closer, and a step larger than
/// the distance left would carry it past its target and away again; so the glide counts
/// as arrived in both cases and never passes its target. The caller then draws the card
/// at the target itself.
struct Glide {
    Glide(int start, int to, int divisor)
        : position(start)
        , target(to)
        , step(divisor > 0 ? (to - start) / divisor : 0)
    {
    }

    /// True while the glide is at least `near` pixels from its target and can still move.
    bool far(int near) const { return step != 0 && std::abs(target - position) >= near; }

    /// One frame on; stops at the target rather than passing it.
    void advance()
    {
        const int left = target - position;
        position = std::abs(step) >= std::abs(left) ? target : position + step;
    }

    /// Current coordinate, in pixels.
    int position;
    /// Where the glide ends, in pixels.
    int target;
    /// Pixels per frame, signed; 0 = no frames.
    int step;
};

/// How close a flying card comes to its target before it is put down there, in pixels.
constexpr int kFlightNear = 20;
/// How close a raised or lowered card comes to its row before it is put down there, in pixels.
constexpr int kSlideNear = 5;
