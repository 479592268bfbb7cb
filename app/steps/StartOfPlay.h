#pragma once

class CVertanDlg;

/// The first trick of the deal, once the trump is fixed and any declaration answered:
/// the side that fixed the trump (`g_toMove`) becomes the taker and leads. The human is
/// told to lead with label 35; the computer leads at once.
void StartPlay(CVertanDlg& dlg);
