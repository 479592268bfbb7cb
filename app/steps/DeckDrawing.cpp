#include "app/steps/DeckDrawing.h"

#include "app/Layout.h"
#include "app/Sounds.h"
#include "app/Spots.h"
#include "app/VertanDlg.h"
#include "app/files/ImageData.h"
#include "app/steps/TableCopy.h"
#include "engine/Settings.h"
#include "platform/Pause.h"

#include <algorithm>

namespace {

/// Backs in the stacked deck and in the sideways rest of the deck.
constexpr int kStackedBacks = 5;
constexpr int kSidewaysBacks = 4;
/// The bottom back of the stacked deck, from (c, g_midY).
constexpr int kDeckLeft = 39;
constexpr int kDeckAbove = 52;
/// The area of the stacked deck cleared when it is taken away: 79 x 104.
constexpr int kDeckAreaWidth = 79;
constexpr int kDeckAreaHeight = 104;
/// The deck's corner at the right edge, in pixels.
constexpr int kDeckCornerWidth = 102;
constexpr int kDeckCornerHeight = 122;

} // namespace

int DeckTopX()
{
    return CentreX() - kDeckLeft + (kStackedBacks - 1) * kDeckStackStep;
}

int DeckTopY()
{
    return g_midY - kDeckAbove + (kStackedBacks - 1) * kDeckStackStep;
}

void BuildDeck(CVertanDlg& dlg)
{
    for (int i = 0; i < kStackedBacks; ++i) {
        const int x = CentreX() - kDeckLeft + i * kDeckStackStep;
        const int y = g_midY - kDeckAbove + i * kDeckStackStep;
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
        const Point at = TalonPoint(i);
        DrawSideBack(dlg, at.x, at.y);
        if (i == 0) {
            TouchCorner(dlg, at.x, at.y, table, table, table);
            PlayEffect(Effect::Deal);
            dlg.PresentTable();
            continue;
        }
        platform::Sleep(g_dealPause);
        PlayEffect(Effect::Deal);
        ShowRect(dlg, at.x, at.y, kCardHeight, kCardWidth);
    }
}

platform::Rect DeckCornerRect()
{
    const int left = TalonPoint(0).x;
    const int top = TurnedUpCardPoint().y;
    return { left, top, left + kDeckCornerWidth, top + kDeckCornerHeight };
}
