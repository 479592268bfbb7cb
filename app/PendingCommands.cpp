#include "app/VertanDlg.h"

// Menu commands whose dialogs and overlays are not built yet: they do nothing.
void CVertanDlg::OnShowScore() {}
void CVertanDlg::OnShowStatistics() {}
void CVertanDlg::OnChangePlayer() {}
void CVertanDlg::OnGameOptions() {}
void CVertanDlg::OnTableBackground() {}
void CVertanDlg::OnSound() {}
void CVertanDlg::OnCardBack() {}
void CVertanDlg::OnPlayers() {}
void CVertanDlg::OnAbout() {}
