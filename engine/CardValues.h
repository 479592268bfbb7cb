#pragma once

#include <array>

/// Card points and trick strength by rank index 0 (seven) .. 7 (ace).
/// The ten ranks between king and ace in a plain suit, and the trump nine and jack rank
/// above the trump ace, so strength is not the natural order.
constexpr std::array<int, 8> kPlainPoints { 0, 0, 0, 10, 2, 3, 4, 11 };
constexpr std::array<int, 8> kPlainStrength { 1, 2, 3, 7, 4, 5, 6, 8 };
constexpr std::array<int, 8> kTrumpPoints { 0, 0, 14, 10, 20, 3, 4, 11 };
constexpr std::array<int, 8> kTrumpStrength { 9, 10, 15, 13, 16, 11, 12, 14 };

/// Trump strengths the bidding, the declarations and the exchange look for.
constexpr int kTrumpEightStrength = 10;
constexpr int kTrumpQueenStrength = 11;
constexpr int kTrumpKingStrength = 12;
constexpr int kTrumpNineStrength = 15;
constexpr int kTrumpJackStrength = 16;

/// Points 0..20 of a card 1..32 under the given trump suit 1..4 (0: no trump).
int CardPoints(int card, int trumpSuit);
/// Trick strength of a card 1..32 under the given trump: plain 1..8, trump 9..16.
int CardStrength(int card, int trumpSuit);

/// Gives every card 1..32 its points, strength and natural order (1..8) under
/// `g_trumpSuit`; nothing of an earlier trump stays behind.
void SetCardValues();

/// The suits other than `trumpSuit`, in ascending order (the first three when it is none).
std::array<int, 3> OtherSuitsOf(int trumpSuit);
/// Sets `g_otherSuit1` < `g_otherSuit2` < `g_otherSuit3` to the suits other than `g_trumpSuit`.
void SetOtherSuits();
