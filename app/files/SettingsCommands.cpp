#include "app/Globals.h"
#include "app/VertanDlg.h"
#include "app/files/ProgramFolder.h"
#include "app/files/SettingsFile.h"

void CVertanDlg::WriteSettings()
{
    // A file that cannot be written stays whole and the player is told; the game goes on,
    // or closes when it was leaving.
    WriteSettingsFile(FileInFolder(g_programDir, g_settingsFile), m_customColour);
}
