#pragma once

#include "engine/PromptState.h"
#include "platform/Rect.h"

#include <span>

class CVertanDlg;

/// The hover state of the on-table buttons, all 0 or 1 unless said otherwise. A highlight
/// is drawn straight onto the window, once per visit of a button.

/// Cleared at the start of every handled move, set when the pointer lies in a live button.
inline int g_pointerOnButton = 0;
/// A highlight is on the window; no further highlight is drawn while it is 1.
inline int g_highlightDrawn = 0;
/// A highlight was drawn and must be erased when the pointer leaves.
inline int g_highlightToErase = 0;
/// The caption image 28..34 being highlighted (0 = none) and its origin, in client pixels.
inline int g_hotCaption = 0;
inline int g_hotCaptionX = 0;
inline int g_hotCaptionY = 0;

/// Which of the window's five button rectangles a button is tested against.
enum class ButtonRect { kA, kB, kSuit1, kSuit2, kSuit3 };

/// One button of a prompt: its rectangle and its number. Prompts 2 and 5 show one of two
/// acknowledge buttons in the same rectangle, told apart by the computer's bid image that
/// g_announcement holds (16 takes, 15 passes); `onlyWithImage` names it (0: always live).
struct LiveButton {
    PromptState state;
    ButtonRect rect;
    PromptButton button;
    int onlyWithImage = 0;
};

/// The buttons of a prompt in the order the hover tests them.
std::span<const LiveButton> PromptButtons(PromptState state);

/// True when the button stands while g_announcement holds `announcement`.
bool StandsWith(const LiveButton& button, int announcement);

/// True when the button is one of the live buttons of the prompt in force.
bool IsLiveButton(PromptButton button);

/// The window's rectangle of that kind.
const platform::Rect& ButtonRectOf(const CVertanDlg& dlg, ButtonRect rect);

/// Puts the hover state above back to its start values.
void ResetHover();
