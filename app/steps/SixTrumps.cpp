#include "engine/SixTrumps.h"
#include "app/Spots.h"
#include "app/VertanDlg.h"
#include "app/steps/Announce.h"
#include "app/steps/RowSlide.h"
#include "engine/CardTable.h"
#include "engine/PromptRules.h"
#include "engine/PromptState.h"

namespace {

/// The holder's whole row moves out of place, face up, and every card of it counts as shown.
void ShowWholeRow(CVertanDlg& dlg, bool human)
{
    SlideWholeRow(dlg, human, SlideWay::OutOfRow);
    const Hand& hand = human ? g_humanHand : g_computerHand;
    for (const int card : HandCards(hand, human ? g_humanCount : g_computerCount))
        g_cards[card].shown() = 1;
}

} // namespace

void CVertanDlg::CheckSixTrumps()
{
    const int holder = DetectSixTrumps();
    if (holder == kHuman) {
        ShowWholeRow(*this, true);
        g_humanShowing = 1;
        Announce(*this, image::kHumanSixTrumps, Spot::kCentre);
        ShowCaption(image::kCaptionAcknowledge, Spot::kLowerCentre, m_rcButton1);
        PresentTable();
        MarkPromptPosed(PromptState::kHumanSixTrumps);
    } else if (holder == kComputer) {
        ShowWholeRow(*this, false);
        g_computerShowing = 1;
        Announce(*this, image::kComputerSixTrumps, Spot::kUpper);
        ShowCaption(image::kCaptionAcknowledge, Spot::kCentre, m_rcButton1);
        PresentTable();
        MarkPromptPosed(PromptState::kComputerSixTrumps);
    }
}
