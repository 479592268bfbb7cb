#include "app/ImagePainting.h"

#include "app/ImageData.h"
#include "app/Layout.h"
#include "app/VertanDlg.h"
#include "engine/Settings.h"

#include <algorithm>

namespace {

constexpr int kFaceCount = 32;
constexpr int kCornerCount = 12;
/// The sideways back's top-left corner: pixel 1 takes the back's point 95, pixels 2 and 3
/// the card edge colour.
constexpr int kSideShadePoint = 95;
constexpr platform::COLORREF kCardEdge = platform::RGB(200, 196, 200);
constexpr int kSideEdgeCorners = 3;

std::size_t At(int index) { return static_cast<std::size_t>(index); }

} // namespace

platform::COLORREF TableColour(int background)
{
    return g_backgroundColour[At(background)][At(kTableColourPoint)];
}

void PaintCardBack(platform::MemoryDC& upright, platform::MemoryDC& sideways, int back)
{
    for (int j = 1; j <= g_cardPointCount; ++j) {
        upright.setPixel(g_cardPointX[At(j)], g_cardPointY[At(j)], g_backColour[At(back)][At(j)]);
        sideways.setPixel(g_sidePointX[At(j)], g_sidePointY[At(j)], g_backSideColour[At(back)][At(j)]);
    }
}

void PaintCardCorners(platform::MemoryDC& faces, platform::MemoryDC& upright, platform::MemoryDC& sideways,
    int back, platform::COLORREF tableColour)
{
    for (int face = 1; face <= kFaceCount; ++face)
        for (int k = 1; k <= kCornerCount; ++k)
            faces.setPixel(g_cardCornerX[At(k)] + kCardWidth * (face - 1), g_cardCornerY[At(k)], tableColour);
    for (int k = 1; k <= kCornerCount; ++k) {
        upright.setPixel(g_cardCornerX[At(k)], g_cardCornerY[At(k)], tableColour);
        const platform::COLORREF side = k == 1 ? g_backSideColour[At(back)][At(kSideShadePoint)]
            : k <= kSideEdgeCorners            ? kCardEdge
                                               : tableColour;
        sideways.setPixel(g_sideCornerX[At(k)], g_sideCornerY[At(k)], side);
    }
}

void FillCustomBackground(platform::COLORREF colour)
{
    auto& points = g_backgroundColour[At(kCustomBackground)];
    std::fill(points.begin() + 1, points.end(), colour);
}

void CVertanDlg::PaintTableBitmaps()
{
    PaintCardCorners(m_dcFaces, m_dcBack, m_dcBackSide, g_cardBack, TableColour(g_background));
    PaintTile();
    TileCleanTable(g_clientWidth, g_clientHeight);
    m_dcBuffer.bitBlt(0, 0, g_clientWidth, g_clientHeight, m_dcTable, 0, 0);
}
