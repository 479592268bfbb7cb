#include "app/Globals.h"
#include "app/VertanDlg.h"
#include "app/files/ProgramFolder.h"
#include "platform/Shell.h"

void CVertanDlg::OnHelp()
{
    platform::OpenPage(FileInFolder(g_programDir, kHelpPage));
}

void CVertanDlg::OnPlayOnline()
{
    platform::OpenPage(FileInFolder(g_programDir, g_onlineAddress));
}
