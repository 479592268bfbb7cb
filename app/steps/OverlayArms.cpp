#include "app/VertanDlg.h"
#include "app/steps/Arms.h"
#include "engine/GameState.h"
#include "engine/PromptState.h"

void RunOverlayArm(CVertanDlg& dlg, PromptButton button)
{
    // Closing an overlay puts back the prompt it interrupted, so that prompt (or the card
    // play) is live again once the table is redrawn.
    g_announcement = image::kNone;
    if (button == PromptButton::kCloseScoreSheet) {
        g_sheetOpen = 0;
        g_promptState = g_sheetSavedPrompt;
        g_announcement = g_sheetSavedAnnouncement;
        g_humanMayPlay = g_sheetSavedMayPlay;
        g_humanLeadsTrick = g_sheetSavedLeads;
    } else if (button == PromptButton::kCloseStatistics) {
        g_statsOpen = 0;
        g_promptState = g_statsSavedPrompt;
        g_announcement = g_statsSavedAnnouncement;
        g_humanMayPlay = g_statsSavedMayPlay;
        g_humanLeadsTrick = g_statsSavedLeads;
    }
    dlg.RedrawTable();
}
