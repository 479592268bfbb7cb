#include "app/drawing/FittedText.h"

#include <QFont>

#include <algorithm>

namespace {

/// A font's natural width, as a stretch factor.
constexpr int kNaturalStretch = 100;

} // namespace

void TextOutWithin(platform::MemoryDC& dc, int x, int y, const QString& text, TextRoom room)
{
    const int width = dc.textWidth(text);
    const int roomWidth = room.right - room.left;
    if (width <= roomWidth)
        return dc.textOut(std::clamp(x, room.left, room.right - width), y, text);

    // Condensed in proportion, then narrower while rounding still leaves it too wide.
    const QFont natural = dc.font();
    QFont condensed = natural;
    int stretch = std::max(1, kNaturalStretch * std::max(roomWidth, 0) / std::max(width, 1));
    for (;; --stretch) {
        condensed.setStretch(stretch);
        dc.setFont(condensed);
        if (stretch == 1 || dc.textWidth(text) <= roomWidth)
            break;
    }
    dc.textOut(room.left, y, text);
    dc.setFont(natural);
}
