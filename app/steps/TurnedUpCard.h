#pragma once

#include <ctime>

class CVertanDlg;

/// Turns up the card the clock gives (not the generator): it lies face up at the right
/// edge, its suit becomes the provisional trump and the cards take their values for it.
void TurnUpCard(CVertanDlg& dlg, std::time_t now);
