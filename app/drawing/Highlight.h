#pragma once

class CVertanDlg;

/// Highlights of the on-table buttons. They are drawn straight onto the window, never into
/// the back buffer, one pixel right of and below what they light, so that any copy of the
/// back buffer to the window erases them.

/// Suit button 1..3 of the prompt in force lit: the glyph of the suit it offers in the
/// hover colour, once per visit, with the hover sound.
void HighlightSuitButton(CVertanDlg& dlg, int index);

/// Removes a highlight from the window and forgets the hovered button.
void EraseHighlight(CVertanDlg& dlg);
