#pragma once

class CVertanDlg;

/// Who bids first (image 1 or 2, the value `g_announcement` holds) stands at the centre
/// while its phrase is spoken, or for a still pause when the voice is off, then goes.
void AnnounceFirstHand(CVertanDlg& dlg);

/// The first question of the bidding when the human bids first: prompt 1.
void PoseHumanBidsFirst(CVertanDlg& dlg);

/// The computer bids first: it values its hand once for the whole deal, and its answer
/// (take or pass the turned-up suit) waits for the human's acknowledgement: prompt 2.
void PoseComputerBidsFirst(CVertanDlg& dlg);
