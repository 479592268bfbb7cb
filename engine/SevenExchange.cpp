#include "engine/SevenExchange.h"

#include "engine/CardTable.h"
#include "engine/CardValues.h"
#include "engine/FirstHand.h"
#include "engine/FreeCardDraw.h"
#include "engine/GameState.h"
#include "engine/RunSearch.h"
#include "engine/Settings.h"
#include "engine/TrumpHonours.h"

#include <algorithm>
#include <vector>

namespace {

/// Besides the honours, the exchange valuation counts the trump ace at its points.
constexpr int kAceBonus = 11;
/// An early draw (below 34 - 2 x extra cards) swaps only for a hand at least as good; a
/// later one also for a hand up to 10 worse.
constexpr int kEarlyDrawBase = 34;
constexpr int kEarlyDrawPerExtraCard = 2;
constexpr int kLateDrawTolerance = 10;

int TrumpOf(int rank)
{
    return CardOf(rank, g_trumpSuit);
}

} // namespace

SevenExchangeValuation ValueHandForSevenExchange(std::span<const int> cards)
{
    const RunSearchResult runs = SearchRuns(cards);
    g_computerFifties = runs.fifties;
    g_computerTwenties = runs.twenties;
    const int honours = ValueComputerTrumpHonours(cards);
    const int ace = HoldsTrump(cards, kRankAce) ? 1 : 0;

    SevenExchangeValuation valuation;
    valuation.value = DeclarationPoints(runs.fifties, runs.twenties) + honours + kAceBonus * ace;
    valuation.sevenInRun = HoldsTrump(cards, kRankSeven) && g_cards[TrumpOf(kRankSeven)].inRun() == 1;
    return valuation;
}

bool ComputerWantsSevenExchange(std::time_t now, platform::RandomSource& random)
{
    random.seed(static_cast<unsigned>(now));
    SetOtherSuits();
    const int seven = TrumpOf(kRankSeven);
    const auto hand = HandCards(g_computerHand, g_computerCount);
    const SevenExchangeValuation without = ValueHandForSevenExchange(hand);
    std::vector<int> swapped(hand.begin(), hand.end());
    std::replace(swapped.begin(), swapped.end(), seven, g_trumpCard);
    const SevenExchangeValuation with = ValueHandForSevenExchange(swapped);

    const int seconds = ClockSeconds(now);
    g_randomCard = FoldToCard(seconds);
    if (seconds != 0 && !without.sevenInRun)
        return true;
    if (g_randomCard < kEarlyDrawBase - kEarlyDrawPerExtraCard * g_extraCards)
        return with.value >= without.value;
    return with.value + kLateDrawTolerance >= without.value;
}

PromptState DecideSevenOffer(std::time_t now, platform::RandomSource& random)
{
    const int seven = TrumpOf(kRankSeven);
    PromptState prompt = PromptState::kNone;
    int position = FindInHand(g_humanHand, g_humanCount, seven);
    if (position != 0) {
        prompt = PromptState::kSevenExchangeOffer;
    } else {
        position = FindInHand(g_computerHand, g_computerCount, seven);
        if (position != 0 && ComputerWantsSevenExchange(now, random))
            prompt = PromptState::kComputerExchangedSeven;
    }
    if (prompt != PromptState::kNone) {
        g_sevenFound = 1;
        g_sevenCard = seven;
        g_sevenPos = position;
    }
    return prompt;
}

int SwapSevenWithTurnedUpCard()
{
    if (g_sevenExchanger != kHuman && g_sevenExchanger != kComputer)
        return kNoCard;
    const bool human = g_sevenExchanger == kHuman;
    Hand& hand = human ? g_humanHand : g_computerHand;
    const int position = FindInHand(hand, human ? g_humanCount : g_computerCount, g_sevenCard);
    const int taken = g_trumpCard;
    if (position == 0 || !IsCard(g_sevenCard) || !IsCard(taken))
        return kNoCard;

    g_sevenPos = position;
    hand[static_cast<std::size_t>(position)] = taken;
    g_cards[taken].location() = human ? kInHumanHand : kInComputerHand;
    if (human)
        g_cards[taken].status() = kStatusSeen;
    g_cards[g_sevenCard].location() = kFaceUpOnTable;
    g_trumpCard = g_sevenCard;
    return taken;
}
