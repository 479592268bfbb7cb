#include "app/steps/TrickCollection.h"

#include "app/Layout.h"
#include "app/Sounds.h"
#include "app/Spots.h"
#include "app/files/ImageData.h"
#include "app/steps/CardFlight.h"
#include "app/steps/Glide.h"
#include "app/steps/TableCopy.h"
#include "engine/CardTable.h"
#include "engine/GameState.h"
#include "engine/Settings.h"
#include "platform/FramePacer.h"
#include "platform/Pause.h"

#include <algorithm>

namespace {

/// The trick's two cards cover this area from the lead card's corner: the answer lies
/// 21 right of and 27 below the lead.
constexpr int kTrickWidth = kCardWidth + kAnswerCardFromCentre.x - kLeadCardFromCentre.x;
constexpr int kTrickHeight = kCardHeight + kAnswerCardFromCentre.y - kLeadCardFromCentre.y;
/// The answer's back lies on the lead's back, so its rounded corner shows the back beneath:
/// the colours of these points of the back's colour list.
constexpr int kCornerBackPoint = 1932;
constexpr int kRightOfCornerBackPoint = 1933;
constexpr int kBelowCornerBackPoint = 2003;
/// The backs are turned over, then the table sound and this pause, in ms.
constexpr int kTurnedOverPause = 50;
/// Where the backs fly: off the bottom edge to the human, off the top to the computer. x
/// is from the left edge; y from the bottom edge (human) or the top edge (computer).
constexpr Point kToHumanLead { -36, 10 };
constexpr Point kToComputerLead { -36, -133 };
/// With animations off the backs are seen for a moment in the winner's corner: the lead's
/// back here (y from the bottom edge for the human), the answer's 21 right of and 27 below it.
constexpr Point kStillAtHuman { 14, -130 };
constexpr Point kStillAtComputer { 14, 7 };
/// The area shown over the still backs, from the lead's back, in pixels.
constexpr int kStillAreaWidth = 161;
constexpr int kStillAreaHeight = 196;

/// The answer's place relative to the lead's.
constexpr Point kAnswerOffset { kAnswerCardFromCentre.x - kLeadCardFromCentre.x,
    kAnswerCardFromCentre.y - kLeadCardFromCentre.y };

Point Below(Point p)
{
    return { p.x, g_clientHeight + p.y };
}
Point Beside(Point p)
{
    return { p.x + kAnswerOffset.x, p.y + kAnswerOffset.y };
}

void TurnOver(CVertanDlg& dlg, Point lead, Point answer)
{
    DrawCard(dlg, kNoCard, lead.x, lead.y);
    DrawCard(dlg, kNoCard, answer.x, answer.y);
    const auto& colours = g_backColour[static_cast<std::size_t>(std::clamp(g_cardBack, 1, kCardBackCount))];
    TouchCorner(dlg, answer.x, answer.y, colours[kCornerBackPoint], colours[kRightOfCornerBackPoint],
        colours[kBelowCornerBackPoint]);
    ShowRect(dlg, lead.x, lead.y, kTrickWidth, kTrickHeight);
}

void FlyOff(CVertanDlg& dlg, Point lead, Point answer, bool toHuman, platform::FramePacer& pacer)
{
    const Point leadTo = toHuman ? Below(kToHumanLead) : kToComputerLead;
    const Point answerTo = Beside(leadTo);
    Glide leadX(lead.x, leadTo.x, g_animSteps), leadY(lead.y, leadTo.y, g_animSteps);
    Glide answerX(answer.x, answerTo.x, g_animSteps), answerY(answer.y, answerTo.y, g_animSteps);
    // The two backs take turns lying on top, so they seem to shuffle as they go.
    bool leadFirst = true;
    while (leadY.far(kFlightNear)) {
        for (Glide* g : { &leadX, &leadY, &answerX, &answerY })
            g->advance();
        const Point leadAt { leadX.position, leadY.position };
        const Point answerAt { answerX.position, answerY.position };
        const Point first = leadFirst ? leadAt : answerAt;
        const Point second = leadFirst ? answerAt : leadAt;
        CardOnWindow(dlg, kNoCard, first.x, first.y);
        CardOnWindow(dlg, kNoCard, second.x, second.y);
        pacer.wait(g_animDelay);
        ShowRect(dlg, leadAt.x, leadAt.y, kTrickWidth, kTrickHeight);
        leadFirst = !leadFirst;
    }
}

void ShowStill(CVertanDlg& dlg, bool toHuman)
{
    const Point lead = toHuman ? Below(kStillAtHuman) : kStillAtComputer;
    const Point answer = Beside(lead);
    CardOnWindow(dlg, kNoCard, lead.x, lead.y);
    CardOnWindow(dlg, kNoCard, answer.x, answer.y);
    platform::Sleep(kStillAnimationPause);
    ShowRect(dlg, lead.x, lead.y, kStillAreaWidth, kStillAreaHeight);
}

} // namespace

void CollectTrick(CVertanDlg& dlg)
{
    const Point lead = LeadCardPoint();
    const Point answer = AnswerCardPoint();
    // The pause after the turn and the flight's steps keep one schedule, so that the
    // drawing between them does not lengthen the collection.
    platform::FramePacer pacer;
    TurnOver(dlg, lead, answer);
    PlayEffect(Effect::CardOnTable);
    pacer.wait(kTurnedOverPause);
    ClearRect(dlg, lead.x, lead.y, kTrickWidth, kTrickHeight);

    const bool toHuman = g_trickWinner == kHuman;
    if (g_animation == 1)
        FlyOff(dlg, lead, answer, toHuman, pacer);
    else
        ShowStill(dlg, toHuman);
    PlayEffect(Effect::CardOnTable);
}
