#include "app/Globals.h"
#include "app/Spots.h"
#include "app/VertanDlg.h"
#include "app/drawing/PanelGrowth.h"
#include "app/drawing/Panels.h"
#include "app/files/StatisticsFile.h"
#include "engine/PromptState.h"
#include "engine/Settings.h"

#include <algorithm>

namespace {

/// Where an overlay keeps the prompt it interrupts, for its close mark to put back.
struct InterruptedPrompt {
    /// The overlay's own open flag, 0/1.
    int& open;
    /// Copies of g_promptState, g_announcement, g_humanMayPlay and g_humanLeadsTrick.
    PromptState& prompt;
    int& announcement;
    int& mayPlay;
    int& leads;
};

/// The window area that the finished panel replaces, from the centre of the table: the score
/// sheet's reaches past the largest frame of its growth and past its close mark, the
/// statistics table's likewise.
struct ShownArea {
    int left;
    int top;
    int width;
    int height;
};
constexpr ShownArea kSheetArea { -195, -255, 395, 481 };
constexpr ShownArea kStatisticsArea { -300, -200, 600, 400 };

/// Saves the prompt in force for the overlay and takes the card play away while it is up.
/// False when the overlay is up already: saving again would store the overlay's own prompt
/// as the one to go back to, so that its close mark would lead back to itself for ever.
/// Each overlay keeps its own copy, so one opened over the other closes back onto it, and
/// closing that one goes back to the prompt both interrupted.
bool interruptPrompt(const InterruptedPrompt& saved, PromptState overlay)
{
    if (saved.open == 1 || g_promptState == overlay)
        return false;
    saved.open = 1;
    saved.prompt = g_promptState;
    saved.announcement = g_announcement;
    saved.mayPlay = g_humanMayPlay;
    saved.leads = g_humanLeadsTrick;
    g_humanMayPlay = 0;
    g_humanLeadsTrick = 0;
    return true;
}

/// Fills the statistics columns from the file of the level and game length in force, in
/// file order, as many records as the table has rows. A missing or unreadable file gives an
/// empty table; lines that are no record of the game are left out by the reader, so no cell
/// gets a text longer than a record holds.
void readStatisticsTable()
{
    const std::vector<StatisticsRecord> records
        = ReadStatisticsFile(StatisticsFilePath(g_programDir, g_level, g_gameLength))
              .value_or(std::vector<StatisticsRecord> {});
    g_statRowCount = static_cast<int>(std::min<std::size_t>(records.size(), kStatCells - 1));
    for (int row = 1; row <= g_statRowCount; ++row) {
        const auto k = static_cast<std::size_t>(row);
        const StatisticsRecord& record = records[k - 1];
        g_statRowNo[k] = QString::number(row);
        g_statName[k] = QString::fromStdString(record.name);
        g_statStatus[k] = QString::fromStdString(record.result);
        g_statPoints[k] = QString::number(record.margin);
        g_statGame[k] = QString::fromStdString(record.game);
        g_statLevel[k] = QString::fromStdString(record.level);
    }
}

/// Shows the finished panel's area of the back buffer on the window.
void showPanel(CVertanDlg& dlg, const ShownArea& area)
{
    dlg.surface().present(
        dlg.m_dcBuffer, CentreX() + area.left, CentreY() + area.top, area.width, area.height);
}

} // namespace

void CVertanDlg::OnShowScore()
{
    if (!interruptPrompt({ g_sheetOpen, g_sheetSavedPrompt, g_sheetSavedAnnouncement, g_sheetSavedMayPlay,
                             g_sheetSavedLeads },
            PromptState::kScoreSheet))
        return;
    SelectPanelText(*this);
    GrowPanel(*this, kSheetGrowth);
    DrawScoreSheetPanel(*this);
    g_promptState = PromptState::kScoreSheet;
    showPanel(*this, kSheetArea);
}

void CVertanDlg::OnShowStatistics()
{
    if (!interruptPrompt({ g_statsOpen, g_statsSavedPrompt, g_statsSavedAnnouncement, g_statsSavedMayPlay,
                             g_statsSavedLeads },
            PromptState::kStatistics))
        return;
    SelectPanelText(*this);
    readStatisticsTable();
    GrowPanel(*this, kStatisticsGrowth);
    DrawStatisticsPanel(*this);
    showPanel(*this, kStatisticsArea);
}
