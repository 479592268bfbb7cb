#include "app/steps/TableCopy.h"

#include "app/Layout.h"
#include "app/VertanDlg.h"
#include "app/files/ImageData.h"
#include "engine/CardTable.h"
#include "engine/Settings.h"

#include <algorithm>

namespace {

/// Point of a card back's colour list whose colour rounds off a stacked corner.
constexpr int kBackCornerPoint = 70;
/// Light edge beside a stacked corner.
constexpr platform::COLORREF kStackEdge = platform::RGB(200, 196, 200);

int FaceX(int card)
{
    return kCardWidth * (card - 1);
}

} // namespace

void RestoreRect(CVertanDlg& dlg, int x, int y, int w, int h)
{
    dlg.m_dcBuffer.bitBlt(x, y, w, h, dlg.m_dcTable, x, y);
}

void ShowRect(CVertanDlg& dlg, int x, int y, int w, int h)
{
    dlg.surface().present(dlg.m_dcBuffer, x, y, w, h);
}

void ClearRect(CVertanDlg& dlg, int x, int y, int w, int h)
{
    RestoreRect(dlg, x, y, w, h);
    ShowRect(dlg, x, y, w, h);
}

void ClearTable(CVertanDlg& dlg)
{
    ClearRect(dlg, 0, 0, g_clientWidth, g_clientHeight);
}

void DrawSideBack(CVertanDlg& dlg, int x, int y)
{
    dlg.m_dcBuffer.bitBlt(x, y, kCardHeight, kCardWidth, dlg.m_dcBackSide, 0, 0);
}

void DrawCard(CVertanDlg& dlg, int card, int x, int y)
{
    if (IsCard(card))
        dlg.DrawCardFace(card, x, y);
    else
        dlg.DrawCardBack(x, y);
}

void CardOnWindow(CVertanDlg& dlg, int card, int x, int y)
{
    if (IsCard(card))
        dlg.surface().presentFrom(dlg.m_dcFaces, x, y, kCardWidth, kCardHeight, FaceX(card), 0);
    else
        dlg.surface().presentFrom(dlg.m_dcBack, x, y, kCardWidth, kCardHeight, 0, 0);
}

void TouchCorner(CVertanDlg& dlg, int x, int y, platform::COLORREF corner, platform::COLORREF right,
    platform::COLORREF below)
{
    dlg.m_dcBuffer.setPixel(x, y, corner);
    dlg.m_dcBuffer.setPixel(x + 1, y, right);
    dlg.m_dcBuffer.setPixel(x, y + 1, below);
}

void TouchStackedCorner(CVertanDlg& dlg, int x, int y)
{
    const auto back = static_cast<std::size_t>(std::clamp(g_cardBack, 1, kCardBackCount));
    TouchCorner(dlg, x, y, g_backColour[back][kBackCornerPoint], kStackEdge, kStackEdge);
}
