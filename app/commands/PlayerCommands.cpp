#include "app/Globals.h"
#include "app/Sounds.h"
#include "app/VertanDlg.h"
#include "app/WindowTitle.h"
#include "app/dialogs/Individym.h"
#include "app/dialogs/Vvod_imy.h"
#include "app/drawing/ImagePainting.h"
#include "app/drawing/NameHeaders.h"
#include "app/drawing/Panels.h"
#include "app/files/ImageData.h"
#include "app/files/ProgramFolder.h"
#include "app/files/SettingsFile.h"
#include "engine/GameState.h"
#include "engine/PromptRules.h"
#include "engine/Settings.h"
#include "platform/DialogRunner.h"
#include "platform/MessageBox.h"

namespace {

/// The player stays: he is remembered as the last player and offered as the save name.
void KeepPlayer()
{
    WriteLastPlayer(g_programDir, g_playerName);
    g_saveName = g_playerName;
}

/// The incoming player's profile replaces the settings in force; the voice, the card backs
/// and the table follow it where it differs from what the outgoing player had.
void TakeProfile(CVertanDlg& table, platform::COLORREF outgoingColour)
{
    ReadSettingsFile(FileInFolder(g_programDir, g_settingsFile), table.m_customColour);
    AssignVoicePhrases();
    if (g_loadedCardBack != g_cardBack) {
        g_cardBack = g_loadedCardBack;
        table.RepaintCardBack();
    }
    // Slot 11 follows the custom colour whichever background is in force, so that the
    // colour tile, chosen later, shows the colour the texts were made for.
    const bool colourChanged = table.m_customColour != outgoingColour;
    if (colourChanged)
        FillCustomBackground(table.m_customColour);
    if (g_loadedBackground != g_background || (g_loadedBackground == kCustomBackground && colourChanged)) {
        g_background = g_loadedBackground;
        table.RebuildBackground();
    }
}

} // namespace

void CVertanDlg::OnChangePlayer()
{
    const QString outgoing = g_playerName;
    const platform::COLORREF outgoingColour = m_customColour;
    CVvod_imy dialog(this);
    dialog.m_name = g_playerName;
    platform::RunModal(dialog);
    // Without OK the dialog gives back the name it was opened with.
    g_playerName = dialog.m_name;
    if (g_playerName.compare(outgoing, Qt::CaseInsensitive) == 0)
        return KeepPlayer();

    // A game that has ended has nothing left to play: its score goes even if the player
    // stays, whether its final panel stands or the table stands empty after it. The length
    // in force does not decide it: a running game whose length was changed in the options
    // plays on to its own end and is recorded there. The final panel keeps showing how the
    // game ended.
    if (EndedGameStands()) {
        KeepFinalPanelScore();
        ResetForNewGame();
    }
    if (!platform::AskYesNo(kNewGameQuestion)) {
        g_playerName = outgoing;
        return KeepPlayer();
    }

    WriteSettings();
    g_settingsFile = SettingsFileOf(g_programDir, g_playerName);
    // Without a profile the incoming player plays with the settings in force.
    if (g_settingsFile != kSharedSettingsFile)
        TakeProfile(*this, outgoingColour);

    ResetForNewGame();
    PlaceNameHeaders();
    setWindowTitle(TableTitle(g_playerName, g_level, g_gameLength));
    g_saveName = g_playerName;
    StartDeal();
    WriteLastPlayer(g_programDir, g_playerName);
}

void CVertanDlg::OnPlayers()
{
    CIndividym dialog(this);
    dialog.m_profileName = g_playerName;
    dialog.m_directory = g_programDir;
    dialog.m_maximized = g_maximized;
    dialog.m_background = g_background;
    dialog.m_customColour = m_customColour;
    dialog.m_cardBack = g_cardBack;
    dialog.m_extraCards = g_extraCards;
    dialog.m_voice = g_voice;
    dialog.m_handSort = g_handSort;
    dialog.m_cardSounds = g_cardSounds;
    dialog.m_level = g_level;
    dialog.m_gameLength = g_gameLength;
    dialog.m_animDelay = g_animDelay;
    dialog.m_trickPause = g_trickPause;
    dialog.m_buttonSounds = g_buttonSounds;
    dialog.m_animation = g_animation;
    dialog.m_animSteps = g_animSteps;
    dialog.m_announcementStyle = g_announcementStyle;
    platform::RunModal(dialog);
    // The settings in force go on, but the file they are written to follows the profiles
    // on disk: a deleted profile of the player must not come back when the game ends.
    g_settingsFile = SettingsFileOf(g_programDir, g_playerName);
}
