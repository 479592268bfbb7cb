#pragma once

#include "engine/CardTable.h"

/// The scans by which the computer picks a card of a hand. Every scan runs from position 1
/// upward; lowest and highest compare trick strength, and of equal strengths the first
/// position wins. A scan answers with the card's 1-based position, or kNoPosition.

/// No position of a hand: the scan found nothing.
constexpr int kNoPosition = 0;

/// Strength of card 1..32 under the current trump.
inline int StrengthOf(int card)
{
    return g_cards[card].strength();
}

/// The first card that passes `test`.
template <class Test> int FirstWhere(const Hand& hand, int count, Test test)
{
    const auto cards = HandCards(hand, count);
    for (std::size_t i = 0; i < cards.size(); ++i)
        if (IsCard(cards[i]) && test(cards[i]))
            return static_cast<int>(i) + 1;
    return kNoPosition;
}

/// The weakest (`lowest`) or the strongest card that passes `test`.
template <class Test> int ExtremeWhere(const Hand& hand, int count, bool lowest, Test test)
{
    const auto cards = HandCards(hand, count);
    int found = kNoPosition;
    for (std::size_t i = 0; i < cards.size(); ++i) {
        if (!IsCard(cards[i]) || !test(cards[i]))
            continue;
        const int strength = StrengthOf(cards[i]);
        const int best = found == kNoPosition ? 0 : StrengthOf(hand[static_cast<std::size_t>(found)]);
        if (found == kNoPosition || (lowest ? strength < best : strength > best))
            found = static_cast<int>(i) + 1;
    }
    return found;
}

template <class Test> int LowestWhere(const Hand& hand, int count, Test test)
{
    return ExtremeWhere(hand, count, true, test);
}

template <class Test> int HighestWhere(const Hand& hand, int count, Test test)
{
    return ExtremeWhere(hand, count, false, test);
}

/// How many cards pass `test`.
template <class Test> int CountWhere(const Hand& hand, int count, Test test)
{
    int n = 0;
    for (const int card : HandCards(hand, count))
        if (IsCard(card) && test(card))
            ++n;
    return n;
}

/// True when the human's game total is ahead of the computer's by more than the margin the
/// computer tolerates: 30 points in a short game and 60 in a long one, or any lead at all
/// once his total is above `shortGameLimit` (short game) or `longGameLimit` (long game).
bool HumanAheadBeyondMargin(int shortGameLimit, int longGameLimit);
