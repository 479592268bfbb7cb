#include "app/Globals.h"
#include "app/VertanDlg.h"
#include "platform/Shell.h"

void CVertanDlg::OnHelp()
{
    platform::OpenPage(g_programDir + kHelpPage);
}

void CVertanDlg::OnPlayOnline()
{
    platform::OpenPage(g_programDir + g_onlineAddress);
}
