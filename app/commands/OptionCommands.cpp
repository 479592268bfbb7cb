#include "app/Globals.h"
#include "app/Sounds.h"
#include "app/VertanDlg.h"
#include "app/WindowTitle.h"
#include "app/dialogs/Igra.h"
#include "app/dialogs/O_Program.h"
#include "app/dialogs/Zvyk.h"
#include "app/files/ImageData.h"
#include "app/files/StateFile.h"
#include "app/files/StatisticsFile.h"
#include "engine/CardTable.h"
#include "engine/Settings.h"
#include "platform/DialogRunner.h"
#include "platform/MessageBox.h"

#include <QFileInfo>

namespace {

/// A hand of fewer cards has no order to change.
constexpr int kFewestSortedCards = 2;

/// The dialog only notes a clear request; the command asks once more before it empties.
const QString kClearQuestion = QStringLiteral("Вы действительно хотите очистить статиситку?");

/// Empties the statistics file of the level and length in force. A missing file holds no
/// games already; one that cannot be emptied is named to the player.
void ClearStatistics()
{
    const QString path = StatisticsFilePath(g_programDir, g_level, g_gameLength);
    if (path.isEmpty() || !QFileInfo::exists(path))
        return;
    WriteStateFile(path, QByteArray());
}

} // namespace

void CVertanDlg::OnSound()
{
    CZvyk dialog(this);
    dialog.m_buttonSounds = g_buttonSounds;
    dialog.m_cardSounds = g_cardSounds;
    dialog.m_voice = g_voice;
    if (platform::RunModal(dialog) != QDialog::Accepted)
        return;
    g_buttonSounds = dialog.m_buttonSounds;
    g_cardSounds = dialog.m_cardSounds;
    g_voice = dialog.m_voice;
    AssignVoicePhrases();
}

void CVertanDlg::OnGameOptions()
{
    const int oldHandSort = g_handSort;
    const int oldAnnouncementStyle = g_announcementStyle;
    CIgra dialog(this);
    dialog.m_extraCards = g_extraCards;
    dialog.m_gameLength = g_gameLength;
    dialog.m_handSort = g_handSort;
    dialog.m_level = g_level;
    dialog.m_trickPause = g_trickPause;
    dialog.m_animDelay = g_animDelay;
    dialog.m_animation = g_animation;
    dialog.m_animSteps = g_animSteps;
    dialog.m_announcementStyle = g_announcementStyle;
    if (platform::RunModal(dialog) != QDialog::Accepted)
        return;
    g_extraCards = dialog.m_extraCards;
    g_gameLength = dialog.m_gameLength;
    g_handSort = dialog.m_handSort;
    g_level = dialog.m_level;
    g_trickPause = dialog.m_trickPause;
    g_animDelay = dialog.m_animDelay;
    g_animation = dialog.m_animation;
    g_animSteps = dialog.m_animSteps;
    g_announcementStyle = dialog.m_announcementStyle;
    UpdateDerivedSettings();
    setWindowTitle(TableTitle(g_playerName, g_level, g_gameLength));

    // The file of the level and length just chosen.
    if (dialog.m_clearStatistics == 1 && platform::AskYesNo(kClearQuestion))
        ClearStatistics();

    if (g_handSort != oldHandSort) {
        if (g_humanCount < kFewestSortedCards)
            return;
        SortHumanHand();
        PlayEffect(Effect::CardFlick);
        RedrawTable();
    } else if (g_announcementStyle != oldAnnouncementStyle) {
        RedrawTable();
    }
}

void CVertanDlg::OnAbout()
{
    CO_Program dialog(this);
    dialog.m_link1X = g_aboutLink1X;
    dialog.m_link1Y = g_aboutLink1Y;
    dialog.m_link1Count = g_aboutLink1Count;
    dialog.m_link2X = g_aboutLink2X;
    dialog.m_link2Y = g_aboutLink2Y;
    dialog.m_link2Count = g_aboutLink2Count;
    dialog.m_buttonSounds = g_buttonSounds;
    platform::RunModal(dialog);
}
