#include "app/Globals.h"
#include "app/PageOpening.h"
#include "app/VertanDlg.h"
#include "app/files/ProgramFolder.h"

void CVertanDlg::OnHelp()
{
    OpenPageOrTell(FileInFolder(g_programDir, kHelpPage));
}

void CVertanDlg::OnPlayOnline()
{
    OpenPageOrTell(FileInFolder(g_programDir, g_onlineAddress));
}
