#include "app/drawing/PointImages.h"

#include "app/files/ImageData.h"
#include "engine/CardTable.h"

#include <algorithm>

void DrawImagePass(platform::MemoryDC& dc, int image, Point at, platform::COLORREF colour)
{
    if (image < 1 || image > kAnnouncementCount)
        return;
    const auto n = static_cast<std::size_t>(image);
    const int count = std::min(g_announcementPointCount[n], kAnnouncementPointCapacity);
    for (int k = 1; k <= count; ++k) {
        const auto p = static_cast<std::size_t>(k);
        dc.setPixel(at.x + g_announcementPointX[n][p], at.y + g_announcementPointY[n][p], colour);
    }
}

void DrawSuitGlyph(platform::MemoryDC& dc, int suit, Point at, platform::COLORREF colour)
{
    if (suit < 1 || suit > kSuits)
        return;
    const auto s = static_cast<std::size_t>(suit);
    for (int k = 1; k <= g_suitGlyphCount[s]; ++k) {
        const auto p = static_cast<std::size_t>(k);
        dc.setPixel(at.x + g_suitGlyphX[s][p], at.y + g_suitGlyphY[s][p], colour);
    }
}

void DrawColouredSuitGlyph(platform::MemoryDC& dc, int suit, Point at)
{
    if (suit >= 1 && suit <= kSuits)
        DrawSuitGlyph(dc, suit, at, g_suitColour[static_cast<std::size_t>(suit)]);
}

void DrawLayer(platform::MemoryDC& dc, int image, Point at, const Layer& layer)
{
    g_announcementX = at.x + layer.d;
    g_announcementY = at.y + layer.d;
    DrawImagePass(dc, image, { g_announcementX, g_announcementY }, layer.colour);
}
