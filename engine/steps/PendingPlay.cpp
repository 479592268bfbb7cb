#include "app/VertanDlg.h"
#include "engine/steps/TrickCollection.h"

// Trick play is the next part of the game to be built. Until then the deal stops here:
// the human's click plays no card, and the computer does not lead or answer.
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
void CollectTrick(CVertanDlg&)
{
}
