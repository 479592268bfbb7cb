#pragma once

class CVertanDlg;

/// The human's card at `g_handIndex` leaves his hand once its trick is decided; the cards
/// behind it move up and the hand's hit rectangles follow the row's spacing.
void RemovePlayedHumanCard();

/// The deal is over, its hands played out (or, in a damaged position, a side without a
/// card to play): each side's declaration points join its deal points and the deal is
/// scored.
void CloseDeal(CVertanDlg& dlg);

/// After a trick whose answering card has left its hand. When a hand is empty the deal is
/// closed. Otherwise the trick's winner leads: the human is shown label 35 and may play, the
/// computer leads at once. Returns the side that leads next, kNoSide at the deal's end.
int HandOverTrick(CVertanDlg& dlg);
