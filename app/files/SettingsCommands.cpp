#include "app/Globals.h"
#include "app/VertanDlg.h"
#include "app/files/SettingsFile.h"

void CVertanDlg::WriteSettings()
{
    // A folder that cannot be written is passed over: the game still closes, and the
    // file on disk stays whole.
    WriteSettingsFile(g_programDir + g_settingsFile, m_customColour);
}
