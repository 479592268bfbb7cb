#include "app/steps/StartOfPlay.h"

#include "app/VertanDlg.h"
#include "engine/CardTable.h"
#include "engine/GameState.h"
#include "engine/PromptState.h"
#include "platform/Pause.h"

namespace {

/// Pause before the computer's first lead, in ms.
constexpr int kComputerLeadPause = 300;

} // namespace

void StartPlay(CVertanDlg& dlg)
{
    if (g_toMove == kHuman) {
        dlg.m_taker = kHuman;
        g_humanMayPlay = 1;
        g_humanLeadsTrick = 1;
        dlg.ShowLeadLabel();
    } else if (g_toMove == kComputer) {
        dlg.m_taker = kComputer;
        platform::Sleep(kComputerLeadPause);
        dlg.PlayComputerLead();
    }
}
