#include "app/steps/TrickHandOver.h"

#include "app/VertanDlg.h"
#include "app/drawing/TableDrawing.h"
#include "engine/CardTable.h"
#include "engine/GameState.h"
#include "engine/PromptState.h"
#include "engine/TrickRules.h"
#include "platform/Pause.h"

namespace {

/// Pause before the computer leads the next trick, in ms.
constexpr int kBeforeComputerLeadPause = 200;

} // namespace

void RemovePlayedHumanCard()
{
    RemoveFromHand(g_humanHand, g_humanCount, g_handIndex);
    RecordHumanCardRects();
}

void CloseDeal(CVertanDlg& dlg)
{
    g_humanFollows = 0;
    g_humanMayPlay = 0;
    g_toMove = kComputer;
    g_humanDealPoints += g_humanDeclPoints;
    g_computerDealPoints += g_computerDeclPoints;
    g_announcement = image::kNone;
    dlg.ScoreDeal();
}

int HandOverTrick(CVertanDlg& dlg)
{
    // Both hands empty together; should a damaged position have left one hand empty
    // before the other, nobody could lead the next trick, so the deal ends there too.
    if (g_humanCount <= 0 || g_computerCount <= 0) {
        CloseDeal(dlg);
        return kNoSide;
    }
    g_humanFollows = 0;
    if (g_trickWinner == kHuman) {
        g_toMove = kHuman;
        g_humanMayPlay = 1;
        g_humanLeadsTrick = 1;
        dlg.ShowLeadLabel();
        return kHuman;
    }
    g_toMove = kComputer;
    g_humanMayPlay = 0;
    platform::Sleep(kBeforeComputerLeadPause);
    dlg.PlayComputerLead();
    return kComputer;
}
