#include "app/drawing/ImagePainting.h"

#include "app/Layout.h"
#include "app/VertanDlg.h"
#include "app/files/ImageData.h"
#include "engine/CardTable.h"
#include "engine/Settings.h"

#include <algorithm>

namespace {

/// Corner pixels of a card image, left out of its point list.
constexpr int kCornerCount = 12;
/// The sideways back's top-left corner: pixel 1 takes the back's point 95, pixels 2 and 3
/// the card edge colour.
constexpr int kSideShadePoint = 95;
constexpr platform::COLORREF kCardEdge = platform::RGB(200, 196, 200);
constexpr int kSideEdgeCorners = 3;

} // namespace

platform::COLORREF TableColour(int background)
{
    return g_backgroundColour[background][kTableColourPoint];
}

void PaintCardBack(platform::MemoryDC& upright, platform::MemoryDC& sideways, int back)
{
    for (int j = 1; j <= g_cardPointCount; ++j) {
        upright.setPixel(g_cardPointX[j], g_cardPointY[j], g_backColour[back][j]);
        sideways.setPixel(g_sidePointX[j], g_sidePointY[j], g_backSideColour[back][j]);
    }
}

void PaintCardCorners(platform::MemoryDC& faces, platform::MemoryDC& upright, platform::MemoryDC& sideways,
    int back, platform::COLORREF tableColour)
{
    for (int face = 1; face <= g_deckSize; ++face)
        for (int k = 1; k <= kCornerCount; ++k)
            faces.setPixel(g_cardCornerX[k] + kCardWidth * (face - 1), g_cardCornerY[k], tableColour);
    for (int k = 1; k <= kCornerCount; ++k) {
        upright.setPixel(g_cardCornerX[k], g_cardCornerY[k], tableColour);
        sideways.setPixel(
            g_sideCornerX[k], g_sideCornerY[k], k <= kSideEdgeCorners ? kCardEdge : tableColour);
    }
    PaintSideBackShade(sideways, back);
}

void PaintSideBackShade(platform::MemoryDC& sideways, int back)
{
    sideways.setPixel(g_sideCornerX[1], g_sideCornerY[1], g_backSideColour[back][kSideShadePoint]);
}

void FillCustomBackground(platform::COLORREF colour)
{
    auto& points = g_backgroundColour[kCustomBackground];
    std::fill(points.begin() + 1, points.end(), colour);
}

void CVertanDlg::PaintTableBitmaps()
{
    PaintCardCorners(m_dcFaces, m_dcBack, m_dcBackSide, g_cardBack, TableColour(g_background));
    PaintTile();
    TileCleanTable(g_clientWidth, g_clientHeight);
    m_dcBuffer.bitBlt(0, 0, g_clientWidth, g_clientHeight, m_dcTable, 0, 0);
}
