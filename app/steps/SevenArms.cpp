#include "app/Layout.h"
#include "app/Spots.h"
#include "app/VertanDlg.h"
#include "app/drawing/TableDrawing.h"
#include "app/steps/Announce.h"
#include "app/steps/Arms.h"
#include "app/steps/CardFlight.h"
#include "app/steps/RowSlide.h"
#include "engine/CardTable.h"
#include "engine/GameState.h"
#include "engine/PromptState.h"
#include "engine/Settings.h"

namespace {

void EraseExchangeOffer(CVertanDlg& dlg)
{
    g_humanSevenRaised = 0;
    g_computerSevenRaised = 0;
    ErasePrompt(dlg,
        { { image::kOfferSevenExchange, Spot::kCentre }, { image::kCaptionExchange, Spot::kLeftCaption },
            { image::kCaptionKeep, Spot::kRightCaption } });
}

/// Button 5: the human exchanges his trump seven for the turned-up card.
void Exchange(CVertanDlg& dlg)
{
    EraseExchangeOffer(dlg);
    MarkTrump(dlg, g_trumpSuit, MarkShown::kWithTable);
    dlg.PresentTable();
    g_sevenExchanger = kHuman;
    dlg.DoSevenExchange();
    dlg.SortHumanHand();
    dlg.DrawHumanHand();
    dlg.DealRestAndStartPlay();
}

/// Button 6: the human keeps his seven, which goes back into its place in the row.
void Keep(CVertanDlg& dlg)
{
    EraseExchangeOffer(dlg);
    dlg.PresentTable();
    g_drawnCard = g_sevenCard;
    const int home = HumanRowTop();
    MoveCardInColumn(dlg,
        { .card = g_sevenCard,
            .x = HumanCardX(g_sevenPos),
            .fromY = home - ShownOffset(),
            .toY = home,
            .divisor = g_animSteps,
            .pauseWhenStill = false });
    dlg.DealRestAndStartPlay();
}

/// Button 7: the computer's exchange is acknowledged and carried out.
void AcknowledgeComputerExchange(CVertanDlg& dlg)
{
    g_humanSevenRaised = 0;
    g_computerSevenRaised = 0;
    ErasePrompt(dlg,
        { { image::kComputerExchangedSeven, Spot::kUpper }, { image::kCaptionAcknowledge, Spot::kCentre } });
    dlg.PresentTable();
    g_sevenExchanger = kComputer;
    dlg.DoSevenExchange();
    dlg.DealRestAndStartPlay();
}

} // namespace

void RunSevenArm(CVertanDlg& dlg, PromptButton button)
{
    if (button == PromptButton::kExchangeSeven)
        Exchange(dlg);
    else if (button == PromptButton::kKeepSeven)
        Keep(dlg);
    else if (button == PromptButton::kAckComputerExchange)
        AcknowledgeComputerExchange(dlg);
}
