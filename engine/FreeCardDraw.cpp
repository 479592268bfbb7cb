#include "engine/FreeCardDraw.h"

#include "engine/CardTable.h"
#include "engine/GameState.h"

namespace {

bool IsFree(int card)
{
    const int location = g_cards[card].location();
    return location != kInComputerHand && location != kInHumanHand && location != kFaceUpOnTable;
}

} // namespace

int FoldToCard(int value)
{
    if (value < 1)
        return 1;
    return (value - 1) % g_deckSize + 1;
}

int DrawFreeCard(platform::RandomSource& random)
{
    for (int attempt = 0; attempt < kMaxDrawAttempts; ++attempt) {
        g_randomCard = FoldToCard(random.next());
        if (IsFree(g_randomCard))
            return g_randomCard;
    }
    for (int offset = 1; offset <= g_deckSize; ++offset) {
        const int card = (g_randomCard - 1 + offset) % g_deckSize + 1;
        if (IsFree(card)) {
            g_randomCard = card;
            return card;
        }
    }
    return kNoCard;
}
