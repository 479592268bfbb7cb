#include "app/Globals.h"
#include "app/Layout.h"
#include "app/VertanDlg.h"
#include "engine/Settings.h"

void CVertanDlg::OnSize(int type, int width, int height)
{
    if (type == kSizeMinimized)
        return;
    bool repaint = false;
    if (g_started == 1) {
        if (type == kSizeRestored)
            g_maximized = 0;
        else if (type == kSizeMaximized)
            g_maximized = 1;
        if (width > g_tiledWidth || height > g_tiledHeight) {
            g_tiledWidth = width;
            g_tiledHeight = height;
            PaintTile();
            TileCleanTable(width, height);
        }
        repaint = type == kSizeRestored || type == kSizeMaximized;
    }
    ComputeLayout(width, height);
    if (repaint)
        RedrawTable();
}
