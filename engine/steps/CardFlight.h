#pragma once

#include "app/Spots.h"

class CVertanDlg;

/// Pause that stands in for an animation when animations are off, in ms.
constexpr int kStillAnimationPause = 100;

/// Flies one card from `from` to `to` (top-left corners): the face of card 1..32, or the
/// back for kNoCard. With animations on the card crosses the window in g_animSteps steps,
/// drawn straight onto the window over the back buffer's picture; otherwise a still pause.
/// It lands with the deal sound, drawn into the back buffer at `to`, and the area around
/// the landing place is shown.
void FlyCard(CVertanDlg& dlg, int card, Point from, Point to);

/// Puts card 1..32 (kNoCard: a back) down into the back buffer at `at` and shows the
/// area around it, 30 pixels each way.
void LandCard(CVertanDlg& dlg, int card, Point at);

/// Moves card 1..32 face up straight up or down the window from `fromY` to `toY` at
/// column x, in steps of the distance / `divisor`, until it is within 5 pixels (no steps
/// when the step truncates to 0). Each step first shows the back buffer's 71-wide area of
/// `eraseHeight` rows where the card stood. With animations off the card does not move
/// and, when `pauseWhenStill`, a still pause stands in. Landing is the caller's.
void SlideCardOnWindow(
    CVertanDlg& dlg, int card, int x, int fromY, int toY, int divisor, int eraseHeight, bool pauseWhenStill);
