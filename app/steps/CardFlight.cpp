#include "app/steps/CardFlight.h"

#include "app/Layout.h"
#include "app/Sounds.h"
#include "app/steps/Glide.h"
#include "app/steps/TableCopy.h"
#include "engine/CardTable.h"
#include "engine/Settings.h"
#include "platform/FramePacer.h"
#include "platform/Pause.h"

namespace {

/// The landing area shown: the card with a 30-pixel margin all round.
constexpr int kLandingMargin = 30;

/// Puts card 1..32 (kNoCard: a back) down into the back buffer at `at` and shows the
/// area around it, 30 pixels each way.
void LandCard(CVertanDlg& dlg, int card, Point at)
{
    DrawCard(dlg, card, at.x, at.y);
    ShowRect(dlg, at.x - kLandingMargin, at.y - kLandingMargin, kCardWidth + 2 * kLandingMargin,
        kCardHeight + 2 * kLandingMargin);
}

} // namespace

void FlyCard(CVertanDlg& dlg, int card, Point from, Point to)
{
    if (g_animation == 1) {
        platform::FramePacer pacer;
        Glide x(from.x, to.x, g_animSteps);
        Glide y(from.y, to.y, g_animSteps);
        while (x.far(kFlightNear) || y.far(kFlightNear)) {
            ShowRect(dlg, x.position, y.position, kCardWidth, kCardHeight);
            x.advance();
            y.advance();
            CardOnWindow(dlg, card, x.position, y.position);
            pacer.wait(g_animDelay);
        }
    } else {
        platform::Sleep(kStillAnimationPause);
    }
    PlayEffect(Effect::Deal);
    LandCard(dlg, card, to);
}

void MoveCardInColumn(CVertanDlg& dlg, const ColumnMove& move)
{
    ClearRect(dlg, move.x, move.fromY, kCardWidth, kCardHeight);
    if (g_animation == 1) {
        platform::FramePacer pacer;
        Glide y(move.fromY, move.toY, move.divisor);
        while (y.far(kSlideNear)) {
            ShowRect(dlg, move.x, y.position, kCardWidth, move.eraseHeight);
            y.advance();
            CardOnWindow(dlg, move.card, move.x, y.position);
            pacer.wait(g_animDelay);
        }
    } else if (move.pauseWhenStill) {
        platform::Sleep(kStillAnimationPause);
    }
    PlayEffect(Effect::CardFlick);
    LandCard(dlg, move.landFaceUp ? move.card : kNoCard, { move.x, move.toY });
}
