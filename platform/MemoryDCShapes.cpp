#include "platform/MemoryDC.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <vector>

namespace platform {

namespace {

/// Pixels a pen reaches beyond the line or ring it is centred on: 0 for 1 pixel, 1 for 3.
int penReach(const Pen& pen) { return std::max(0, (pen.width - 1) / 2); }

/// The pixels of the ellipse inscribed in a box, one run of columns per row.
class EllipseArea {
public:
    EllipseArea(int left, int top, int right, int bottom)
        : top_(top)
    {
        // Pixel (x, y) belongs when its centre lies inside the ellipse. In doubled
        // coordinates relative to the box's centre (X = 2x + 1 - left - right, and so for Y)
        // that is X²H² + Y²W² <= W²H², exact in integers and symmetric about both axes.
        const std::int64_t w = right - left;
        const std::int64_t h = bottom - top;
        const int middle = left + (right - left) / 2;
        for (int y = top; y < bottom; ++y) {
            const std::int64_t dy = 2 * y + 1 - top - bottom;
            const std::int64_t room = w * w * h * h - dy * dy * w * w;
            // The centre column of an odd width is always inside, so the search may stop there.
            int first = left;
            while (first < middle) {
                const std::int64_t dx = 2 * first + 1 - left - right;
                if (dx * dx * h * h <= room)
                    break;
                ++first;
            }
            // Mirrored about the centre: the last column is left + right - 1 - first.
            const int end = std::max(first, left + right - first);
            rows_.push_back({first, end});
        }
    }

    bool contains(int x, int y) const
    {
        if (y < top_ || y >= top_ + static_cast<int>(rows_.size()))
            return false;
        const Run& run = rows_[static_cast<std::size_t>(y - top_)];
        return x >= run.first && x < run.end;
    }

    /// A pixel of the area with a left, right, upper or lower neighbour outside it.
    bool onRing(int x, int y) const
    {
        return contains(x, y)
            && !(contains(x - 1, y) && contains(x + 1, y) && contains(x, y - 1) && contains(x, y + 1));
    }

    /// A pixel at most `reach` columns and rows away from the ring.
    bool nearRing(int x, int y, int reach) const
    {
        for (int dy = -reach; dy <= reach; ++dy)
            for (int dx = -reach; dx <= reach; ++dx)
                if (onRing(x + dx, y + dy))
                    return true;
        return false;
    }

private:
    /// Columns first..end-1 of one row; empty when end == first.
    struct Run {
        int first;
        int end;
    };
    /// Top row of the box, in pixels.
    int top_;
    /// One run per row of the box, top to bottom.
    std::vector<Run> rows_;
};

} // namespace

void MemoryDC::rectangle(int left, int top, int right, int bottom)
{
    if (right <= left || bottom <= top)
        return;
    // The inner part the brush fills; the pen's band lies between it and the outer edge.
    int inset = 0;
    if (!pen_.null) {
        const int reach = penReach(pen_);
        inset = reach + 1;
        const int innerLeft = left + inset;
        const int innerRight = right - inset;
        for (int y = top - reach; y < bottom + reach; ++y) {
            const bool crossesInside = y >= top + inset && y < bottom - inset && innerLeft < innerRight;
            if (crossesInside) {
                plotRow(y, left - reach, innerLeft, pen_.colour);
                plotRow(y, innerRight, right + reach, pen_.colour);
            } else {
                plotRow(y, left - reach, right + reach, pen_.colour);
            }
        }
    }
    for (int y = top + inset; y < bottom - inset; ++y)
        plotRow(y, left + inset, right - inset, brush_.colour);
}

void MemoryDC::ellipse(int left, int top, int right, int bottom)
{
    if (right <= left || bottom <= top)
        return;
    const EllipseArea area(left, top, right, bottom);
    const int reach = pen_.null ? 0 : penReach(pen_);
    const int fromY = std::max(top - reach, 0);
    const int toY = std::min(bottom + reach, height());
    const int fromX = std::max(left - reach, 0);
    const int toX = std::min(right + reach, width());
    for (int y = fromY; y < toY; ++y) {
        for (int x = fromX; x < toX; ++x) {
            if (!pen_.null && area.nearRing(x, y, reach))
                plot(x, y, pen_.colour);
            else if (area.contains(x, y))
                plot(x, y, brush_.colour);
        }
    }
}

void MemoryDC::moveTo(int x, int y)
{
    currentX_ = x;
    currentY_ = y;
}

void MemoryDC::lineTo(int x, int y)
{
    if (!pen_.null) {
        const int dx = x - currentX_;
        const int dy = y - currentY_;
        const bool alongX = std::abs(dx) >= std::abs(dy);
        const std::int64_t longer = alongX ? std::abs(dx) : std::abs(dy);
        const std::int64_t shorter = alongX ? std::abs(dy) : std::abs(dx);
        const int stepLong = (alongX ? dx : dy) < 0 ? -1 : 1;
        const int stepShort = (alongX ? dy : dx) < 0 ? -1 : 1;
        // The end point itself is left out, so a line of length 0 draws nothing.
        for (std::int64_t i = 0; i < longer; ++i) {
            const auto along = static_cast<int>(i) * stepLong;
            const auto across = static_cast<int>((2 * i * shorter + longer) / (2 * longer)) * stepShort;
            if (alongX)
                plotLineDot(currentX_ + along, currentY_ + across, true);
            else
                plotLineDot(currentX_ + across, currentY_ + along, false);
        }
    }
    moveTo(x, y);
}

void MemoryDC::plotLineDot(int x, int y, bool alongX)
{
    const int reach = penReach(pen_);
    if (alongX) {
        for (int offset = -reach; offset <= reach; ++offset)
            plot(x, y + offset, pen_.colour);
    } else {
        plotRow(y, x - reach, x + reach + 1, pen_.colour);
    }
}

} // namespace platform
