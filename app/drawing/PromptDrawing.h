#pragma once

#include "app/Spots.h"
#include "engine/PromptState.h"
#include "platform/Rect.h"

class CVertanDlg;

/// Drawing of the prompts on the table, shared by the full repaint and the presentation
/// steps. Everything goes into the back buffer.

/// Image n centred at `at`: g_announcement, g_announcementX and g_announcementY take it,
/// then DrawLabel.
void DrawImageAt(CVertanDlg& dlg, int image, Point at);

/// Caption n at `at` in the caption colour (the normal colour afterwards); its band
/// becomes `button`.
void DrawCaptionAt(CVertanDlg& dlg, int image, Point at, platform::Rect& button);

/// The three suit buttons of prompt 7 or 11: each offers the suit in g_shownAnnouncement1..3
/// (copied to g_offeredSuit1..3), shows its glyph and records m_rcSuit1..3.
void DrawSuitButtons(CVertanDlg& dlg, PromptState state);

/// What the prompt in force shows, with its button rectangles, then the two standing
/// announcements (the computer's trump pair, the human to lead).
void DrawPrompt(CVertanDlg& dlg);
