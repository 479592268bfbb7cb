#include "app/Globals.h"
#include "app/Layout.h"
#include "app/SettingsFile.h"
#include "app/Sounds.h"
#include "app/VertanDlg.h"
#include "engine/Settings.h"
#include "platform/Files.h"

void CVertanDlg::StartUp()
{
    g_started = 1;
    g_settingsFile = kSharedSettingsFile;
    const QString lastPlayer = ReadLastPlayer(g_programDir);
    platform::SetCurrentFolder(g_programDir);
    if (const QString profile = FindProfile(g_programDir, lastPlayer); !profile.isEmpty())
        g_settingsFile = profile;
    ReadSettingsFile(g_programDir + g_settingsFile, m_customColour);
    g_background = g_loadedBackground;
    g_cardBack = g_loadedCardBack;
    g_playerName = lastPlayer;
    AssignVoicePhrases();
    m_brush1 = {platform::RGB(67, 102, 67)};
    m_dcBuffer.selectPen(platform::Pen::Null());
    m_dcBuffer.selectBrush(m_brush1);
    m_dcBuffer.rectangle(0, 0, g_clientWidth, g_clientHeight);
}
