#include "engine/steps/CardFlight.h"

#include "app/Layout.h"
#include "app/Sounds.h"
#include "engine/Settings.h"
#include "engine/steps/Glide.h"
#include "engine/steps/TableCopy.h"
#include "platform/Pause.h"

namespace {

/// The landing area shown: the card with a 30-pixel margin all round.
constexpr int kLandingMargin = 30;

} // namespace

void FlyCard(CVertanDlg& dlg, int card, Point from, Point to)
{
    if (g_animation == 1) {
        Glide x(from.x, to.x, g_animSteps);
        Glide y(from.y, to.y, g_animSteps);
        while (x.far(kFlightNear) || y.far(kFlightNear)) {
            ShowRect(dlg, x.position, y.position, kCardWidth, kCardHeight);
            x.advance();
            y.advance();
            CardOnWindow(dlg, card, x.position, y.position);
            platform::Sleep(g_animDelay);
        }
    } else {
        platform::Sleep(kStillAnimationPause);
    }
    PlayEffect(Effect::Deal);
    LandCard(dlg, card, to);
}

void LandCard(CVertanDlg& dlg, int card, Point at)
{
    DrawCard(dlg, card, at.x, at.y);
    ShowRect(dlg, at.x - kLandingMargin, at.y - kLandingMargin, kCardWidth + 2 * kLandingMargin,
        kCardHeight + 2 * kLandingMargin);
}

void SlideCardOnWindow(
    CVertanDlg& dlg, int card, int x, int fromY, int toY, int divisor, int eraseHeight, bool pauseWhenStill)
{
    if (g_animation != 1) {
        if (pauseWhenStill)
            platform::Sleep(kStillAnimationPause);
        return;
    }
    Glide y(fromY, toY, divisor);
    while (y.far(kSlideNear)) {
        ShowRect(dlg, x, y.position, kCardWidth, eraseHeight);
        y.advance();
        CardOnWindow(dlg, card, x, y.position);
        platform::Sleep(g_animDelay);
    }
}
