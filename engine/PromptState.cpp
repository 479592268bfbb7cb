#include "engine/PromptState.h"

void ResetPromptState()
{
    g_promptState = PromptState::kNone;
    g_hotButton = PromptButton::kNone;
    g_announcement = image::kNone;
    g_announcementX = 0;
    g_announcementY = 0;
    g_buttonsActive = 0;
    g_shownAnnouncement1 = 0;
    g_shownAnnouncement2 = 0;
    g_shownAnnouncement3 = 0;
    g_offeredSuit1 = 0;
    g_offeredSuit2 = 0;
    g_offeredSuit3 = 0;
    g_humanMayPlay = 0;
    g_humanLeadsTrick = 0;
    g_deckShown = kDeckNotShown;
    g_trumpMarkPos = kTrumpMarkNone;
    g_humanShowing = 0;
    g_computerShowing = 0;
    g_humanSevenRaised = 0;
    g_computerSevenRaised = 0;
    g_computerCardShown = 0;
    g_computerPairShown = 0;
    g_sheetOpen = 0;
    g_statsOpen = 0;
    g_sheetSavedPrompt = PromptState::kNone;
    g_sheetSavedAnnouncement = 0;
    g_sheetSavedMayPlay = 0;
    g_sheetSavedLeads = 0;
    g_statsSavedPrompt = PromptState::kNone;
    g_statsSavedAnnouncement = 0;
    g_statsSavedMayPlay = 0;
    g_statsSavedLeads = 0;
}

CoveredPrompt PromptBeneathOverlays()
{
    constexpr int kOverlays = 2;
    CoveredPrompt prompt { g_promptState, g_announcement, g_humanMayPlay, g_humanLeadsTrick };
    for (int layer = 0; layer < kOverlays; ++layer) {
        if (prompt.state == PromptState::kScoreSheet && g_sheetOpen == 1)
            prompt = { g_sheetSavedPrompt, g_sheetSavedAnnouncement, g_sheetSavedMayPlay, g_sheetSavedLeads };
        else if (prompt.state == PromptState::kStatistics && g_statsOpen == 1)
            prompt = { g_statsSavedPrompt, g_statsSavedAnnouncement, g_statsSavedMayPlay, g_statsSavedLeads };
    }
    return prompt;
}
