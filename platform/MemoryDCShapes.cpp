#include "platform/MemoryDC.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <vector>

namespace platform {

namespace {

/// The widest and tallest ellipse box drawn, in pixels: far beyond any window, and small
/// enough that the exact integer test below cannot overflow.
constexpr std::int64_t kMaxEllipseSide = 1 << 15;

/// Pixels a pen reaches beyond the line or ring it is centred on: 0 for 1 pixel, 1 for 3.
int penReach(const Pen& pen)
{
    return std::max(0, (pen.width - 1) / 2);
}

/// The pixels of the ellipse inscribed in a box, one run of columns per row, worked out
/// for the rows firstRow..endRow-1 only (the rest count as outside).
class EllipseArea {
public:
    EllipseArea(int left, int top, int right, int bottom, int firstRow, int endRow)
        : left_(left)
        , right_(right)
        , top_(top)
        , bottom_(bottom)
        , firstRow_(std::max(firstRow, top))
    {
        for (int y = firstRow_; y < std::min(endRow, bottom); ++y)
            runs_.push_back(rowRun(y));
    }

    bool contains(int x, int y) const
    {
        if (y < firstRow_ || y >= firstRow_ + static_cast<int>(runs_.size()))
            return false;
        const Run& run = runs_[static_cast<std::size_t>(y - firstRow_)];
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

    /// Pixel (x, y) belongs when its centre lies inside the ellipse. In doubled coordinates
    /// relative to the box's centre (X = 2x + 1 - left - right, and so for Y) that is
    /// X²H² + Y²W² <= W²H²: exact in integers and symmetric about both axes.
    bool inside(std::int64_t x, std::int64_t y) const
    {
        const std::int64_t w = right_ - left_;
        const std::int64_t h = bottom_ - top_;
        const std::int64_t dx = 2 * x + 1 - left_ - right_;
        const std::int64_t dy = 2 * y + 1 - top_ - bottom_;
        return dx * dx * h * h + dy * dy * w * w <= w * w * h * h;
    }

    Run rowRun(int y) const
    {
        // The left half's first inside column, by bisection: moving right only brings a
        // column nearer the centre. The centre column of an odd width is always inside.
        int first = left_;
        int centre = left_ + (right_ - left_) / 2;
        while (first < centre) {
            const int probe = first + (centre - first) / 2;
            if (inside(probe, y))
                centre = probe;
            else
                first = probe + 1;
        }
        // Mirrored about the centre: the last column is left + right - 1 - first.
        return { first, std::max(first, left_ + right_ - first) };
    }

    /// The box, in pixels.
    int left_, right_, top_, bottom_;
    /// The row of runs_[0].
    int firstRow_;
    /// One run per row from firstRow_ on.
    std::vector<Run> runs_;
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
        for (int y = std::max(top - reach, 0); y < std::min(bottom + reach, height()); ++y) {
            const bool crossesInside = y >= top + inset && y < bottom - inset && innerLeft < innerRight;
            if (crossesInside) {
                plotRow(y, left - reach, innerLeft, pen_.colour);
                plotRow(y, innerRight, right + reach, pen_.colour);
            } else {
                plotRow(y, left - reach, right + reach, pen_.colour);
            }
        }
    }
    for (int y = std::max(top + inset, 0); y < std::min(bottom - inset, height()); ++y)
        plotRow(y, left + inset, right - inset, brush_.colour);
}

void MemoryDC::ellipse(int left, int top, int right, int bottom)
{
    if (right <= left || bottom <= top || right - left > kMaxEllipseSide || bottom - top > kMaxEllipseSide)
        return;
    const int reach = pen_.null ? 0 : penReach(pen_);
    const int fromY = std::max(top - reach, 0);
    const int toY = std::min(bottom + reach, height());
    const int fromX = std::max(left - reach, 0);
    const int toX = std::min(right + reach, width());
    // The ring test looks one row beyond the pen's reach.
    const EllipseArea area(left, top, right, bottom, fromY - reach - 1, toY + reach + 1);
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
        const std::int64_t dx = std::int64_t { x } - currentX_;
        const std::int64_t dy = std::int64_t { y } - currentY_;
        const bool alongX = std::abs(dx) >= std::abs(dy);
        const std::int64_t longer = alongX ? std::abs(dx) : std::abs(dy);
        const std::int64_t shorter = alongX ? std::abs(dy) : std::abs(dx);
        const int stepLong = (alongX ? dx : dy) < 0 ? -1 : 1;
        const int stepShort = (alongX ? dy : dx) < 0 ? -1 : 1;
        // Only the steps whose column (or row) lies on the bitmap can show; the end point
        // itself is left out, so a line of length 0 draws nothing.
        const std::int64_t start = alongX ? currentX_ : currentY_;
        const std::int64_t extent = alongX ? width() : height();
        const std::int64_t firstStep = std::max<std::int64_t>(0, stepLong > 0 ? -start : start - extent + 1);
        const std::int64_t endStep = std::min(longer, stepLong > 0 ? extent - start : start + 1);
        for (std::int64_t i = firstStep; i < endStep; ++i) {
            const auto along = static_cast<int>(start + i * stepLong);
            const auto across = static_cast<int>(
                (alongX ? currentY_ : currentX_) + (2 * i * shorter + longer) / (2 * longer) * stepShort);
            if (alongX)
                plotLineDot(along, across, true);
            else
                plotLineDot(across, along, false);
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
