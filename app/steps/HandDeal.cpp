#include "app/steps/HandDeal.h"

#include "engine/CardTable.h"
#include "engine/FreeCardDraw.h"
#include "platform/Clock.h"
#include "platform/Rand.h"

namespace {

void GiveFreeCard(platform::RandomSource& random, Hand& hand, int& count, int position, int location)
{
    const int card = DrawFreeCard(random);
    g_cards[card].location() = location;
    hand[static_cast<std::size_t>(position)] = card;
    count = position;
}

} // namespace

void SeedFromClock()
{
    platform::Srand(static_cast<unsigned>(platform::Time()));
}

void DealCardPairs(int first, int last)
{
    platform::RandomSource& random = platform::ServiceSlot<platform::RandomSource>::get();
    for (int i = first; i <= last; ++i) {
        GiveFreeCard(random, g_computerHand, g_computerCount, i, kInComputerHand);
        GiveFreeCard(random, g_humanHand, g_humanCount, i, kInHumanHand);
    }
}
