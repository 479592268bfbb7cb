#include "app/steps/TurnedUpCard.h"

#include "app/Spots.h"
#include "app/drawing/TableDrawing.h"
#include "app/steps/CardFlight.h"
#include "app/steps/DeckDrawing.h"
#include "engine/CardTable.h"
#include "engine/CardValues.h"
#include "engine/FirstHand.h"
#include "engine/GameState.h"
#include "engine/Settings.h"
#include "platform/Pause.h"

void TurnUpCard(CVertanDlg& dlg, std::time_t now)
{
    const int card = TurnedUpCardFromClock(now);
    g_drawnCard = card;
    g_trumpSuit = SuitOf(card);
    g_cards[card].location() = kFaceUpOnTable;
    g_trumpCard = card;
    SetCardValues();
    FlyCard(dlg, card, { DeckTopX(), DeckTopY() }, TurnedUpCardPoint());
    platform::Sleep(g_animDelay);
}
