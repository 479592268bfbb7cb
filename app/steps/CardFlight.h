#pragma once

#include "app/Layout.h"
#include "app/Spots.h"

class CVertanDlg;

/// Pause that stands in for an animation when animations are off, in ms.
constexpr int kStillAnimationPause = 100;

/// Flies one card from `from` to `to` (top-left corners): the face of card 1..32, or the
/// back for kNoCard. With animations on the card crosses the window in g_animSteps steps
/// due g_animDelay apart by the clock, drawn straight onto the window over the back
/// buffer's picture; otherwise a still pause.
/// It lands with the deal sound, drawn into the back buffer at `to`, and the area around
/// the landing place is shown.
void FlyCard(CVertanDlg& dlg, int card, Point from, Point to);

/// One card moving straight up or down its column (the trump seven out of its row and back,
/// the card taken in the exchange into its row).
struct ColumnMove {
    int card = 0; ///< card 1..32, drawn face up while it moves
    int x = 0; ///< left x of the column, in pixels
    int fromY = 0; ///< top y where it stands, in pixels
    int toY = 0; ///< top y where it is put down, in pixels
    int divisor = 1; ///< frames the distance is cut into, truncated
    int eraseHeight = kCardHeight; ///< rows of the back buffer shown where it stood each frame
    bool pauseWhenStill = true; ///< with animations off, a still pause stands in for the frames
    bool landFaceUp = true; ///< put down face up, or as a back
};

/// Clears the card's place at `fromY` to the table, moves it on the window in steps of the
/// distance / `divisor` until it is within 5 pixels (no steps when the step truncates to 0;
/// with animations off it does not move), and puts it down at `toY` with the card sound.
void MoveCardInColumn(CVertanDlg& dlg, const ColumnMove& move);
