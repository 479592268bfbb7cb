#include "engine/Settings.h"

void ResetSettings()
{
    g_maximized = 0;
    g_loadedBackground = 1;
    g_background = 1;
    g_loadedCardBack = 1;
    g_cardBack = 1;
    g_extraCards = kInitialExtraCards;
    g_voice = 0;
    g_handSort = 0;
    g_cardSounds = 0;
    g_level = 1;
    g_gameLength = 0;
    g_animDelay = kInitialAnimDelay;
    g_trickPause = kInitialTrickPause;
    g_buttonSounds = 0;
    g_animation = 1;
    g_animSteps = kInitialAnimSteps;
    g_announcementStyle = kInitialAnnouncementStyle;
    g_dealPause = kDealPause;
    UpdateDerivedSettings();
}
