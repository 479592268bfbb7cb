#include "app/Globals.h"
#include "app/Spots.h"
#include "app/VertanDlg.h"
#include "app/steps/Announce.h"
#include "app/steps/Arms.h"
#include "app/steps/RowSlide.h"
#include "app/steps/TableCopy.h"
#include "engine/CardTable.h"
#include "engine/GameState.h"
#include "engine/PromptState.h"
#include "platform/MessageBox.h"
#include "platform/Pause.h"

namespace {

/// Pause before a six-trumps deal is scored, in ms.
constexpr int kBeforeScoringPause = 500;

/// Button 31: the next deal, or at the end of the game a new game or an empty table. The
/// deal's scoring decided whether the game ended and recorded it if so; a length changed
/// in the options while the panel stands applies from the next deal's scoring on, so that
/// a game is neither recorded twice nor ended unrecorded.
void NextDeal(CVertanDlg& dlg)
{
    const bool gameOver = g_gameOver == 1;
    g_gameOver = 0;
    if (gameOver) {
        if (!platform::AskYesNo(kNewGameQuestion)) {
            // The table stays empty until a new game is started from the menu.
            g_deckShown = kDeckNotShown;
            ClearTable(dlg);
            return;
        }
        ResetForNewGame();
    } else if (g_hangingTie == g_noHangingTie) {
        g_firstHand = g_firstHand == kHuman ? kComputer : kHuman;
    }
    dlg.StartDeal();
}

/// Buttons 34 and 35: six trumps end the deal; the holder scores 360, the other side 0.
void AcknowledgeSixTrumps(CVertanDlg& dlg, bool human)
{
    g_humanShowing = 0;
    g_computerShowing = 0;
    if (human)
        ErasePrompt(dlg,
            { { image::kHumanSixTrumps, Spot::kCentre },
                { image::kCaptionAcknowledge, Spot::kLowerCentre } });
    else
        ErasePrompt(dlg,
            { { image::kComputerSixTrumps, Spot::kUpper }, { image::kCaptionAcknowledge, Spot::kCentre } });
    dlg.PresentTable();

    SlideWholeRow(dlg, human, SlideWay::BackIntoRow);

    g_humanCount = 0;
    g_computerCount = 0;
    g_humanDealPoints = human ? kSixTrumpsPoints : 0;
    g_computerDealPoints = human ? 0 : kSixTrumpsPoints;
    dlg.m_taker = g_firstHand;
    g_humanTookTrick = 1;
    g_computerTookTrick = 1;
    platform::Sleep(kBeforeScoringPause);
    dlg.ScoreDeal();
}

} // namespace

void RunDealEndArm(CVertanDlg& dlg, PromptButton button)
{
    g_announcement = image::kNone;
    switch (button) {
    case PromptButton::kNextDeal:
        NextDeal(dlg);
        return;
    case PromptButton::kAckHumanSixTrumps:
    case PromptButton::kAckComputerSixTrumps:
        AcknowledgeSixTrumps(dlg, button == PromptButton::kAckHumanSixTrumps);
        return;
    default:
        return;
    }
}
