#pragma once

#include "platform/Rand.h"

/// Folds a drawn number into a card identifier 1..32 by taking 32 off while it is above
/// 32; 0 (and, from a faulty source, anything below it) gives card 1.
int FoldToCard(int value);

/// Draws a card 1..32 that lies in the deck (location 0) from the generator, drawing again
/// while the number falls on a card in a hand or face up on the table; keeps the number in
/// `g_randomCard`. A deal takes at most 25 cards, so a fair generator soon hits a free one;
/// a generator that keeps hitting taken cards gets, after kMaxDrawAttempts, the next free
/// card above its last number. Returns kNoCard only when no card at all is free.
int DrawFreeCard(platform::RandomSource& random);

/// Draws before the fallback of DrawFreeCard.
constexpr int kMaxDrawAttempts = 1000;
