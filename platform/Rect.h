#pragma once

namespace platform {

/// A rectangle by its edges; contains() takes the left and top edges and leaves out the
/// right and bottom ones.
struct Rect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;

    bool contains(int x, int y) const { return x >= left && x < right && y >= top && y < bottom; }
    int width() const { return right - left; }
    int height() const { return bottom - top; }
    bool operator==(const Rect&) const = default;
};

} // namespace platform
