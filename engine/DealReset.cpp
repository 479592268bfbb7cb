#include "engine/DealReset.h"

#include "engine/CardTable.h"
#include "engine/GameState.h"
#include "engine/PromptState.h"

void ResetDealState()
{
    for (int card = 1; card <= g_deckSize; ++card) {
        g_cards[card].location() = kInDeck;
        g_cards[card].status() = kStatusInPlay;
    }
    g_sevenExchanger = 0;
    g_sevenFound = 0;
    g_equalTwenties = 0;
    g_equalFifties = 0;
    g_toMove = 0;
    g_humanMayPlay = 0;
    g_humanDealPoints = 0;
    g_computerDealPoints = 0;
    g_computerPairOnTrick = 0;
    g_humanFollows = 0;
    g_humanPairOnTrick = 0;
    g_humanTookTrick = 0;
    g_computerTookTrick = 0;
    g_computerCardShown = 0;
    g_deckShown = kDeckWithTurnedUpCard;
    g_trumpMarkPos = kTrumpMarkNone;
    g_humanShowing = 0;
    g_computerShowing = 0;
    g_humanSevenRaised = 0;
    g_computerSevenRaised = 0;
    g_computerPairShown = 0;
    g_gameOver = 0;
    g_humanLeadsTrick = 0;
    g_sheetOpen = 0;
    g_statsOpen = 0;
    g_humanVoid = {};
    g_humanSixTrumps = 0;
    g_computerSixTrumps = 0;
    g_humanNoTrumps = 0;
}
