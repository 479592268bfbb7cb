#include "app/Globals.h"
#include "app/PageOpening.h"
#include "app/VertanDlg.h"

void CVertanDlg::OnHelp()
{
    OpenPageOrTell(g_programDir + kHelpPage);
}

void CVertanDlg::OnPlayOnline()
{
    OpenPageOrTell(g_programDir + g_onlineAddress);
}
