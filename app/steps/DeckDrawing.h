#pragma once

#include "platform/Rect.h"

class CVertanDlg;

/// The deck at the start of a deal: five backs stacked in the middle of the table, each
/// 2 pixels right of and below the one beneath it.
void BuildDeck(CVertanDlg& dlg);

/// Top-left corner of the top back of the stacked deck, where every card of the first
/// deal starts its flight.
int DeckTopX();
int DeckTopY();

/// The rest of the deck lying sideways over the turned-up card at the right edge of the
/// table, after the middle of the table is cleared of the stacked deck: the first back is
/// shown with the whole table, the three on it one by one.
void DrawSidewaysDeck(CVertanDlg& dlg);

/// The deck's corner at the right edge, 102 x 122 from the left of the sideways backs and
/// the top of the turned-up card: restored before that corner is drawn anew.
platform::Rect DeckCornerRect();
