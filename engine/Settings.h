#pragma once

/// The sixteen user settings, in the order of the settings file. They live for the whole
/// run; the option dialogs, a change of player and a loaded game replace them.

/// Second-deal cards to each hand at program start.
constexpr int kInitialExtraCards = 3;
/// Cards each hand receives in the second deal: 3..6.
constexpr int kFewestExtraCards = 3;
constexpr int kMostExtraCards = 6;
/// Sleep per animation step at program start, in ms.
constexpr int kInitialAnimDelay = 8;
/// Pause after a trick at program start, in ms.
constexpr int kInitialTrickPause = 1000;
/// Steps of one card flight at program start.
constexpr int kInitialAnimSteps = 10;
/// Announcement drawing style at program start.
constexpr int kInitialAnnouncementStyle = 2;

/// `g_gameLength`: a short game (to 501 points) or a long one (to 1001).
constexpr int kShortGame = 1;
constexpr int kLongGame = 2;

/// 1 = the main window is maximised.
inline int g_maximized = 0;
/// Table background 1..11 as read from the settings file; 11 = the custom colour.
inline int g_loadedBackground = 1;
/// Table background in force 1..11.
inline int g_background = 1;
/// Card back 1..8 as read from the settings file.
inline int g_loadedCardBack = 1;
/// Card back in force 1..8.
inline int g_cardBack = 1;
/// Cards each hand receives in the second deal, 3..6.
inline int g_extraCards = kInitialExtraCards;
/// The values of g_voice.
constexpr int kVoiceMale = 1;
constexpr int kVoiceFemale = 2;
constexpr int kVoiceOff = 3;
/// Announcement voice: kVoiceMale, kVoiceFemale or kVoiceOff.
inline int g_voice = 0;
/// Hand order: 1 by suits, 2 by points.
inline int g_handSort = 0;
/// 1 = card sound effects on.
inline int g_cardSounds = 0;
/// Computer level: 1 "Новичок", 2 "Игрок", 3 "Профи".
inline int g_level = 1;
/// kShortGame or kLongGame.
inline int g_gameLength = 0;
/// Sleep per animation step, in ms.
inline int g_animDelay = kInitialAnimDelay;
/// Pause after a trick, in ms.
inline int g_trickPause = kInitialTrickPause;
/// 1 = button sounds on.
inline int g_buttonSounds = 0;
/// 1 = card flights and growing panels are animated.
inline int g_animation = 1;
/// Steps of one card flight, 5..20.
inline int g_animSteps = kInitialAnimSteps;
/// Announcement drawing style 0..3.
inline int g_announcementStyle = kInitialAnnouncementStyle;

/// Pause between the steps of a deal, in ms: seven times the initial animation delay,
/// fixed for the run so that dealing keeps its pace whatever the delay is set to.
constexpr int kDealPause = 7 * kInitialAnimDelay;
inline int g_dealPause = kDealPause;
/// Half the flight steps: the divisor of the merge, raise and lower animations.
inline int g_halfAnimSteps = kInitialAnimSteps / 2;
inline int g_halfAnimSteps2 = kInitialAnimSteps / 2;

/// Recomputes the values derived from the settings after they were read or changed.
inline void UpdateDerivedSettings()
{
    g_halfAnimSteps = g_animSteps / 2;
    g_halfAnimSteps2 = g_animSteps / 2;
}

/// Puts every setting back to its value at program start.
void ResetSettings();
