#pragma once

class CVertanDlg;

/// Gathers the two cards of the decided trick from the table and flies them, face down,
/// off the table toward `g_trickWinner`. The pause before it is the caller's.
void CollectTrick(CVertanDlg& dlg);
