#pragma once

#include "engine/PromptState.h"
#include "platform/Rand.h"

#include <ctime>
#include <span>

/// The trump-seven exchange: after a first-round take, the holder of the trump seven may
/// swap it for the turned-up card before the second deal.

/// How the computer values a hand for the exchange.
struct SevenExchangeValuation {
    /// 50 a fifty, 20 a twenty, 20 the trump jack, 14 the trump nine, 20 the trump queen
    /// and king together, 11 the trump ace.
    int value = 0;
    /// The trump seven is among the cards and stands in a run.
    bool sevenInRun = false;
};

/// Values `cards` (the computer's hand, or that hand with the seven replaced by the
/// turned-up card) under `g_trumpSuit`. Works in the declaration globals: sets
/// `g_computerFifties`, `g_computerTwenties` and `g_computerHasTrumpJack`/`Nine`/`Pair`
/// for these cards and leaves the run marks on them; the declarations set all of them
/// afresh after the second deal.
SevenExchangeValuation ValueHandForSevenExchange(std::span<const int> cards);

/// Whether the computer, holding the trump seven, swaps it for the turned-up card
/// `g_trumpCard`. A seven outside any run is always swapped; one in a run only when the
/// hand with the turned-up card is worth at least as much, or, on a late draw, at most
/// 10 less. The draw is the clock's seconds modulo 1000 folded into 1..32 (kept in
/// `g_randomCard`); 0 seconds always weigh the two values. Before it, the generator is
/// seeded from the same clock reading, as at the draws of a deal. Works in the declaration
/// globals as ValueHandForSevenExchange does.
bool ComputerWantsSevenExchange(std::time_t now, platform::RandomSource& random);

/// The decision part of the offer, after a first-round take: finds the trump seven in the
/// human's hand (positions 1 upward), else in the computer's, and asks the computer. When
/// an exchange prompt follows, sets `g_sevenFound` = 1, `g_sevenCard` and `g_sevenPos`,
/// and returns kSevenExchangeOffer (the human is asked) or kComputerExchangedSeven (the
/// computer swaps: the human acknowledges); otherwise kNone and the second deal follows.
/// The raised or lowered seven's flag, the images and `g_promptState` are the caller's.
PromptState DecideSevenOffer(std::time_t now, platform::RandomSource& random);

/// The state part of the swap for `g_sevenExchanger` (kHuman or kComputer): the turned-up
/// card takes the seven's place in that hand (location 2 and status 4, known to the
/// computer, in the human's; location 1 in the computer's), the seven lies face up and
/// becomes `g_trumpCard`. The seven is looked up in the hand by identity, so a hand
/// re-sorted while the prompt stood still swaps the right card; `g_sevenPos` is updated.
/// Returns the card taken into the hand, or kNoCard with nothing changed when the
/// exchanger is neither side or does not hold `g_sevenCard`.
int SwapSevenWithTurnedUpCard();
