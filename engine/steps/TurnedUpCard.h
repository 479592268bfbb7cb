#pragma once

#include <ctime>

class CVertanDlg;

/// Where the turned-up card lies, at the right edge of the table: from the right edge and
/// above g_midY, in pixels.
constexpr int kTurnedUpFromRight = 107;
constexpr int kTurnedUpAboveMid = 61;

/// Turns up the card the clock gives (not the generator): it lies face up at the right
/// edge, its suit becomes the provisional trump and the cards take their values for it.
void TurnUpCard(CVertanDlg& dlg, std::time_t now);
