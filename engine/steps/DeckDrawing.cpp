#include "engine/steps/DeckDrawing.h"

#include "app/ImageData.h"
#include "app/Layout.h"
#include "app/Sounds.h"
#include "app/Spots.h"
#include "app/VertanDlg.h"
#include "engine/Settings.h"
#include "engine/steps/TableCopy.h"
#include "platform/Pause.h"

#include <algorithm>

namespace {

/// Backs in the stacked deck and in the sideways rest of the deck.
constexpr int kStackedBacks = 5;
constexpr int kSidewaysBacks = 4;
/// Each card of a stack lies this much right of and below the one beneath it, in pixels.
constexpr int kStackShift = 2;
/// The bottom back of the stacked deck, from (c, g_midY).
constexpr int kDeckLeft = 39;
constexpr int kDeckAbove = 52;
/// The area of the stacked deck cleared when it is taken away: 79 x 104.
constexpr int kDeckAreaWidth = 79;
constexpr int kDeckAreaHeight = 104;
/// The bottom sideways back: from the right edge, and below g_midY (negative: above).
constexpr int kSideLeftOfEdge = 122;
constexpr int kSideBelowMid = -16;

} // namespace

int DeckTopX()
{
    return CentreX() - kDeckLeft + (kStackedBacks - 1) * kStackShift;
}

int DeckTopY()
{
    return g_midY - kDeckAbove + (kStackedBacks - 1) * kStackShift;
}

void BuildDeck(CVertanDlg& dlg)
{
    for (int i = 0; i < kStackedBacks; ++i) {
        const int x = CentreX() - kDeckLeft + i * kStackShift;
        const int y = g_midY - kDeckAbove + i * kStackShift;
        dlg.DrawCardBack(x, y);
        if (i > 0)
            TouchStackedCorner(dlg, x, y);
        platform::Sleep(g_dealPause);
        PlayEffect(Effect::Deal);
        ShowRect(dlg, x, y, kCardWidth, kCardHeight);
    }
    platform::Sleep(g_dealPause);
}

void DrawSidewaysDeck(CVertanDlg& dlg)
{
    RestoreRect(dlg, CentreX() - kDeckLeft, g_midY - kDeckAbove, kDeckAreaWidth, kDeckAreaHeight);
    const auto background = static_cast<std::size_t>(std::clamp(g_background, 1, kCustomBackground));
    const platform::COLORREF table = g_backgroundColour[background][kTableColourPoint];
    for (int i = 0; i < kSidewaysBacks; ++i) {
        const int x = g_clientWidth - kSideLeftOfEdge + i * kStackShift;
        const int y = g_midY + kSideBelowMid + i * kStackShift;
        DrawSideBack(dlg, x, y);
        if (i == 0) {
            TouchCorner(dlg, x, y, table, table, table);
            PlayEffect(Effect::Deal);
            dlg.PresentTable();
            continue;
        }
        platform::Sleep(g_dealPause);
        PlayEffect(Effect::Deal);
        ShowRect(dlg, x, y, kCardHeight, kCardWidth);
    }
}
