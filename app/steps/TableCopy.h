#pragma once

#include "platform/Colour.h"

class CVertanDlg;

/// The block copies every deal sequence is made of. "Restore" copies the clean table into
/// the back buffer, "show" copies the back buffer to the window; faces and backs are the
/// 71 x 96 card images. Coordinates are client pixels.

/// Clean table -> back buffer, w x h at (x, y).
void RestoreRect(CVertanDlg& dlg, int x, int y, int w, int h);
/// Back buffer -> window, w x h at (x, y).
void ShowRect(CVertanDlg& dlg, int x, int y, int w, int h);
/// Restore, then show: w x h at (x, y) is bare table in the back buffer and on the window.
void ClearRect(CVertanDlg& dlg, int x, int y, int w, int h);
/// The whole client area cleared: an empty table.
void ClearTable(CVertanDlg& dlg);

/// The sideways card back (96 x 71) into the back buffer.
void DrawSideBack(CVertanDlg& dlg, int x, int y);
/// Face of card 1..32 (kNoCard: the back) straight onto the window, leaving the back buffer alone.
void CardOnWindow(CVertanDlg& dlg, int card, int x, int y);
/// Face of card 1..32 (kNoCard: the back) into the back buffer.
void DrawCard(CVertanDlg& dlg, int card, int x, int y);

/// Sets the top-left pixel of a card at (x, y), the pixel right of it and the pixel below it,
/// rounding off the corner of a card that lies on the table or on another card.
void TouchCorner(CVertanDlg& dlg, int x, int y, platform::COLORREF corner, platform::COLORREF right,
    platform::COLORREF below);
/// The touch of a card lying on a stack of backs: the back's own corner colour and a light edge.
void TouchStackedCorner(CVertanDlg& dlg, int x, int y);
