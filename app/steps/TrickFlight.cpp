#include "app/steps/TrickFlight.h"

#include "app/Layout.h"
#include "app/Sounds.h"
#include "app/Spots.h"
#include "app/drawing/TableDrawing.h"
#include "app/steps/Glide.h"
#include "app/steps/TableCopy.h"
#include "engine/CardTable.h"
#include "engine/Settings.h"
#include "platform/FramePacer.h"
#include "platform/Pause.h"

#include <algorithm>
#include <vector>

namespace {

/// The computer's answer, with animations off, appears after this pause, in ms.
constexpr int kStillAnswerPause = 150;
/// The landed card is shown with this margin left of and above it, in pixels, in an area
/// of this size: the lead's area reaches over where the answer will lie.
constexpr int kLandingMargin = 50;
constexpr int kLeadLandingWidth = 171;
constexpr int kAnswerLandingWidth = 161;
constexpr int kLandingHeight = 196;
/// The answer's corner lies on the lead card, so it is rounded off in white.
constexpr platform::COLORREF kWhite = platform::RGB(255, 255, 255);

/// One card of the row on its way from its old slot to its new one (or to the trick).
struct MovingCard {
    int card; ///< card 1..32
    Glide x; ///< left x, in pixels
    Glide y; ///< top y, in pixels
};

} // namespace

void FlyToTrick(CVertanDlg& dlg, int side, int position, TrickSpot spot)
{
    const bool human = side == kHuman;
    const Hand& hand = human ? g_humanHand : g_computerHand;
    const int count = std::clamp(human ? g_humanCount : g_computerCount, 0, kMaxHand);
    if (position < 1 || position > count)
        return;
    const auto slotX = human ? HumanCardX : ComputerCardX;
    const int rowY = human ? HumanRowTop() : g_rowUnit;
    const Point target = spot == TrickSpot::kLead ? LeadCardPoint() : AnswerCardPoint();

    std::vector<int> fromX;
    for (int k = 1; k <= count; ++k)
        fromX.push_back(slotX(k));
    const RowSpacing closed = SpaceRow(count - 1, g_clientWidth);
    (human ? g_humanCardStep : g_computerCardStep) = closed.step;
    (human ? g_humanGap : g_computerGap) = closed.gap;

    std::vector<MovingCard> cards;
    int slot = 0;
    for (int k = 1; k <= count; ++k) {
        const bool played = k == position;
        const int toX = played ? target.x : slotX(++slot);
        cards.push_back({ hand[static_cast<std::size_t>(k)],
            Glide(fromX[static_cast<std::size_t>(k - 1)], toX, g_animSteps),
            Glide(rowY, played ? target.y : rowY, g_animSteps) });
    }
    MovingCard& flying = cards[static_cast<std::size_t>(position - 1)];

    // Only the played card is drawn on the window: the back buffer keeps the row without it.
    const auto drawRow = [&](bool landed) {
        RestoreRect(dlg, 0, rowY, g_clientWidth, kCardHeight);
        for (const MovingCard& c : cards) {
            if (&c == &flying)
                continue;
            DrawCard(dlg, human ? c.card : kNoCard, landed ? c.x.target : c.x.position,
                landed ? c.y.target : c.y.position);
        }
    };
    if (g_animation == 1) {
        platform::FramePacer pacer;
        while (flying.y.far(kFlightNear)) {
            const Point previous { flying.x.position, flying.y.position };
            for (MovingCard& c : cards) {
                c.x.advance();
                c.y.advance();
            }
            drawRow(false);
            ShowRect(dlg, 0, rowY, g_clientWidth, kCardHeight);
            ShowRect(dlg, previous.x, previous.y, kCardWidth, kCardHeight);
            CardOnWindow(dlg, flying.card, flying.x.position, flying.y.position);
            pacer.wait(g_animDelay);
        }
    } else if (!human && spot == TrickSpot::kAnswer) {
        platform::Sleep(kStillAnswerPause);
    }
    PlayEffect(Effect::CardOnTable);

    // The row is drawn over bare table, so that with animations off no card is left
    // standing where the row was before it closed up.
    drawRow(true);
    DrawCard(dlg, flying.card, target.x, target.y);
    if (spot == TrickSpot::kAnswer)
        TouchCorner(dlg, target.x, target.y, kWhite, kWhite, kWhite);
    ShowRect(dlg, 0, rowY, g_clientWidth, kCardHeight);
    ShowRect(dlg, target.x - kLandingMargin, target.y - kLandingMargin,
        spot == TrickSpot::kLead ? kLeadLandingWidth : kAnswerLandingWidth, kLandingHeight);
}

void DrawComputerRow(CVertanDlg& dlg)
{
    RestoreRect(dlg, 0, g_rowUnit, g_clientWidth, kCardHeight);
    for (int slot = 1; slot <= std::clamp(g_computerCount, 0, kMaxHand); ++slot)
        DrawCard(dlg, kNoCard, ComputerCardX(slot), g_rowUnit);
}
