#pragma once

class CVertanDlg;

/// Where a played card lies in the trick: the lead, or the answer over it.
enum class TrickSpot { kLead, kAnswer };

/// Flies the card at position 1..count of the human's (kHuman) or the computer's
/// (kComputer) row to its trick spot while the rest of the row closes up around the gap:
/// the row is spaced for one card fewer and keeps that spacing in its step and gap. The
/// card stays in its hand. With animations on the played card crosses the window face up
/// until it is near its spot; the computer's answer stands still for a moment instead when
/// they are off. The card lands with the table sound, an answer with a white corner where it
/// lies on the lead, and the row and the card's surroundings are shown.
void FlyToTrick(CVertanDlg& dlg, int side, int position, TrickSpot spot);

/// The computer's row drawn again as backs into the back buffer over bare table.
void DrawComputerRow(CVertanDlg& dlg);
