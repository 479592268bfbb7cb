#include "app/drawing/TableDrawing.h"

#include "app/Hover.h"
#include "app/Layout.h"

#include <algorithm>

int HumanCardX(int k)
{
    return g_humanGap + (k - 1) * (g_humanCardStep + g_humanGap);
}

int ComputerCardX(int k)
{
    return g_computerGap + (k - 1) * (g_computerCardStep + g_computerGap);
}

void RecordHumanCardRects()
{
    const int top = HumanRowTop();
    const int count = std::clamp(g_humanCount, 0, kMaxHand);
    for (int k = 1; k <= count; ++k) {
        const int x = HumanCardX(k);
        g_humanCardRects[static_cast<std::size_t>(k)] = { x, top, x + kCardWidth, top + kCardHeight };
    }
}

void ResetTableDrawing()
{
    g_humanCardRects.fill({});
    g_nameHeaderX = 0;
    g_nameHeaderX2 = 0;
    g_fullRedraw = 0;
    g_drawnCard = 0;
    g_deckCornerPixel1 = 0;
    g_deckCornerPixel2 = 0;
    g_deckCornerPixel3 = 0;
    ResetHover();
}
