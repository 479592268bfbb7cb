#include "app/VertanDlg.h"
#include "app/files/ImageData.h"
#include "engine/Settings.h"

void CVertanDlg::PaintTile()
{
    const auto& colours = g_backgroundColour[static_cast<std::size_t>(g_background)];
    for (int j = 1; j <= g_backgroundPointCount; ++j)
        m_dcTile.setPixel(g_backgroundPointX[static_cast<std::size_t>(j)],
            g_backgroundPointY[static_cast<std::size_t>(j)], colours[static_cast<std::size_t>(j)]);
}

void CVertanDlg::TileCleanTable(int width, int height)
{
    const int tile = m_dcTile.width();
    for (int y = 0; y <= height; y += tile)
        for (int x = 0; x <= width; x += tile)
            m_dcTable.bitBlt(x, y, tile, tile, m_dcTile, 0, 0);
}
