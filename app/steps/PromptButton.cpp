#include "app/Hover.h"
#include "app/Sounds.h"
#include "app/VertanDlg.h"
#include "app/steps/Arms.h"
#include "engine/PromptState.h"

void CVertanDlg::OnPromptButton()
{
    const PromptButton button = g_hotButton;
    // A button recorded for an earlier prompt, or any button once the prompt is answered,
    // must not run its arm again (it would replay a bid or play a card out of turn).
    if (g_announcement == image::kNone || !IsLiveButton(button))
        return;
    PlayEffect(Effect::ButtonClick);
    // Every answer leaves no button live until the next prompt is hovered.
    g_buttonsActive = 0;
    g_hotButton = PromptButton::kNone;

    switch (button) {
    case PromptButton::kExchangeSeven:
    case PromptButton::kKeepSeven:
    case PromptButton::kAckComputerExchange:
        RunSevenArm(*this, button);
        return;
    case PromptButton::kDeclareYes:
    case PromptButton::kDeclareNo:
    case PromptButton::kAckComputerDeclares:
    case PromptButton::kBothDeclareYes:
    case PromptButton::kBothDeclareNo:
        RunDeclarationArm(*this, button);
        return;
    case PromptButton::kPairAnswerYes:
    case PromptButton::kPairAnswerNo:
    case PromptButton::kPairLeadYes:
    case PromptButton::kPairLeadNo:
        RunPairArm(*this, button);
        return;
    case PromptButton::kNextDeal:
    case PromptButton::kAckHumanSixTrumps:
    case PromptButton::kAckComputerSixTrumps:
        RunDealEndArm(*this, button);
        return;
    case PromptButton::kCloseScoreSheet:
    case PromptButton::kCloseStatistics:
        RunOverlayArm(*this, button);
        return;
    case PromptButton::kNone:
        return;
    default:
        RunBiddingArm(*this, button);
        return;
    }
}
