#pragma once

/// Seeds the generator from the clock, as each deal does before it draws its cards.
void SeedFromClock();

/// Deals hand positions `first`..`last` (1-based) to both hands from the free cards, the
/// computer's card first of each pair, and sets the counts to `last`.
void DealCardPairs(int first, int last);
