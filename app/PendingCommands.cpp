#include "app/VertanDlg.h"

// Menu commands whose dialogs and overlays are not built yet: they do nothing.
void CVertanDlg::OnChangePlayer() {}
void CVertanDlg::OnPlayers() {}
