#include "app/Globals.h"
#include "app/VertanDlg.h"
#include "engine/GameState.h"
#include "platform/MessageBox.h"

void CVertanDlg::OnNewGame()
{
    // The game in play is dropped unscored and adds nothing to the statistics.
    if (!platform::AskYesNo(kNewGameQuestion))
        return;
    ResetForNewGame();
    StartDeal();
}
