#include "engine/CardTable.h"

void ResetCardTable()
{
    for (int card = 0; card <= g_deckSize; ++card) {
        g_cards[card] = CardRecord {};
        if (IsCard(card))
            g_cards[card].suit() = SuitOf(card);
    }
    g_humanHand = {};
    g_humanCount = 0;
    g_computerHand = {};
    g_computerCount = 0;
    g_trumpSuit = 0;
    g_otherSuit1 = 0;
    g_otherSuit2 = 0;
    g_otherSuit3 = 0;
}
