#include "app/VertanDlg.h"
#include "engine/steps/TrickCollection.h"

// Trick play and the scoring of a deal are the next part of the game to be built. Until
// then the deal stops here: the human's click plays no card, the computer does not lead
// or answer, and a finished deal is not scored.
void CVertanDlg::PlayHumanLead()
{
}
void CVertanDlg::PlayHumanFollow()
{
}
void CVertanDlg::PlayComputerLead()
{
}
void CVertanDlg::PlayComputerFollow()
{
}
void CVertanDlg::ScoreDeal()
{
}
void CollectTrick(CVertanDlg&)
{
}
