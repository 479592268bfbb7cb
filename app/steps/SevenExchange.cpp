#include "engine/SevenExchange.h"
#include "app/Layout.h"
#include "app/Sounds.h"
#include "app/Spots.h"
#include "app/VertanDlg.h"
#include "app/drawing/TableDrawing.h"
#include "app/steps/CardFlight.h"
#include "app/steps/DeckDrawing.h"
#include "app/steps/Glide.h"
#include "app/steps/RowSlide.h"
#include "app/steps/TableCopy.h"
#include "engine/CardTable.h"
#include "engine/GameState.h"
#include "engine/PromptRules.h"
#include "engine/PromptState.h"
#include "engine/Settings.h"
#include "platform/Clock.h"
#include "platform/FramePacer.h"
#include "platform/Pause.h"
#include "platform/Rand.h"

namespace {

/// With animations off the swapped cards stand still this long, in ms.
constexpr int kStillSwapPause = 300;
/// The taken card shows at the seven's place for this many deal pauses.
constexpr int kTakenCardShowPauses = 3;

/// Where the seven of the exchanger's row stands: its column and its row's y.
struct SevenPlace {
    bool human; ///< the human's row (else the computer's)
    int x; ///< left x of the seven's slot, in pixels
    int rowY; ///< top y of the row, in pixels
    /// Its top y while it stands out of the row (raised or lowered and face up), in pixels.
    int outY;
};

SevenPlace PlaceOfSeven(bool human)
{
    const int rowY = human ? HumanRowTop() : g_rowUnit;
    return { human, human ? HumanCardX(g_sevenPos) : ComputerCardX(g_sevenPos), rowY,
        human ? rowY - ShownOffset() : rowY + ShownOffset() };
}

/// The seven moves out of its row, face up, and lands there with the card sound.
void TakeSevenOut(CVertanDlg& dlg, const SevenPlace& seven)
{
    MoveCardInColumn(dlg,
        { .card = g_sevenCard,
            .x = seven.x,
            .fromY = seven.rowY,
            .toY = seven.outY,
            .divisor = g_halfAnimSteps2 });
}

/// The seven and the turned-up card cross the table to each other's place.
void CrossCards(CVertanDlg& dlg, const SevenPlace& seven, int sevenCard, int taken)
{
    const Point deck = TurnedUpCardPoint();
    if (g_animation == 1) {
        platform::FramePacer pacer;
        Glide sevenX(seven.x, deck.x, g_animSteps);
        Glide sevenY(seven.outY, deck.y, g_animSteps);
        Glide takenX(deck.x, seven.x, g_animSteps);
        Glide takenY(deck.y, seven.outY, g_animSteps);
        while (sevenX.far(kFlightNear) || sevenY.far(kFlightNear)) {
            ShowRect(dlg, takenX.position, takenY.position, kCardWidth, kCardHeight);
            ShowRect(dlg, sevenX.position, sevenY.position, kCardWidth, kCardHeight);
            for (Glide* g : { &sevenX, &sevenY, &takenX, &takenY })
                g->advance();
            CardOnWindow(dlg, taken, takenX.position, takenY.position);
            CardOnWindow(dlg, sevenCard, sevenX.position, sevenY.position);
            pacer.wait(g_animDelay);
        }
    }
    PlayEffect(Effect::CardFlick);
    dlg.DrawCardFace(taken, seven.x, seven.outY);
    dlg.DrawCardFace(sevenCard, deck.x, deck.y);
    dlg.PresentTable();
    if (g_animation != 1)
        platform::Sleep(kStillSwapPause);
}

/// The taken card goes into the exchanger's row: face up into the human's, as a back into
/// the computer's.
void TakeCardIntoRow(CVertanDlg& dlg, const SevenPlace& seven, int taken)
{
    dlg.DrawCardFace(taken, seven.x, seven.outY);
    ShowRect(dlg, seven.x, seven.outY, kCardWidth, kCardHeight);
    platform::Sleep(kTakenCardShowPauses * g_dealPause);

    MoveCardInColumn(dlg,
        { .card = taken,
            .x = seven.x,
            .fromY = seven.outY,
            .toY = seven.rowY,
            .divisor = g_halfAnimSteps2,
            .eraseHeight = seven.human ? kCardHeight : kCardHeight + ShownOffset(),
            .pauseWhenStill = false,
            .landFaceUp = seven.human });
}

} // namespace

void CVertanDlg::OfferSevenExchange()
{
    const PromptState offer
        = DecideSevenOffer(platform::Time(), platform::ServiceSlot<platform::RandomSource>::get());
    if (offer == PromptState::kSevenExchangeOffer) {
        TakeSevenOut(*this, PlaceOfSeven(true));
        ShowImage(image::kOfferSevenExchange, Spot::kCentre);
        g_humanSevenRaised = 1;
        PlayVoicePhrase(image::kOfferSevenExchange);
        ShowCaption(image::kCaptionExchange, Spot::kLeftCaption, m_rcButton1);
        ShowCaption(image::kCaptionKeep, Spot::kRightCaption, m_rcButton2);
    } else if (offer == PromptState::kComputerExchangedSeven) {
        TakeSevenOut(*this, PlaceOfSeven(false));
        ShowImage(image::kComputerExchangedSeven, Spot::kUpper);
        g_computerSevenRaised = 1;
        PlayVoicePhrase(image::kComputerExchangedSeven);
        ShowCaption(image::kCaptionAcknowledge, Spot::kCentre, m_rcButton1);
    } else {
        return;
    }
    MarkPromptPosed(offer);
    PresentTable();
}

void CVertanDlg::DoSevenExchange()
{
    if (g_sevenExchanger != kHuman && g_sevenExchanger != kComputer)
        return;
    const bool human = g_sevenExchanger == kHuman;
    const int sevenCard = g_sevenCard;
    const int taken = SwapSevenWithTurnedUpCard();
    if (taken == kNoCard)
        return;
    const SevenPlace seven = PlaceOfSeven(human);

    ClearRect(*this, seven.x, seven.outY, kCardWidth, kCardHeight);
    const platform::Rect corner = DeckCornerRect();
    ClearRect(*this, corner.left, corner.top, corner.width(), corner.height());

    CrossCards(*this, seven, sevenCard, taken);
    DrawSidewaysDeck(*this);
    TakeCardIntoRow(*this, seven, taken);
}
