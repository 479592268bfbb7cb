#pragma once

#include <span>

/// The computer's side of the trump bidding. At its first call in a deal (with
/// `g_bidEvalState` = kBidEvaluate) either function values the computer's hand in each
/// suit as if it were trump and decides both its first-round answer and the suit it will
/// name in the second round; later calls (kBidCached) return that cached suit. Neither
/// depends on the level or on a random number. Both leave `g_trumpSuit`, the card values
/// and the hands as they found them, and set `g_otherSuit1`..3 to the suits other than
/// the turned-up suit T (= `g_trumpSuit`). Suit index k: 1 = T, 2..4 = `g_otherSuit1`..3.

/// One suit of the computer's hand, valued with that suit as trump.
struct SuitEvaluation {
    /// Cards of the suit, 0..12.
    int count = 0;
    /// Sum of their trump strengths (9..14 each), the jack and the nine left out.
    int sum = 0;
    /// 1 = the hand holds the jack / the nine / the seven of the suit; 0/1.
    int jack = 0;
    int nine = 0;
    int seven = 0;
    /// 1 = it holds the queen or the king / both of them; 0/1.
    int queenOrKing = 0;
    int pair = 0;
    /// 21 x jack + 14 x nine + 19 x pair: one of 0, 14, 19, 21, 33, 35, 40, 54.
    int special = 0;
};

/// Values the cards of `suit` 1..4 among `cards`.
SuitEvaluation EvaluateSuit(std::span<const int> cards, int suit);

/// Grade 0..38 of an other suit: the last row of the grade table that matches, 0 when none
/// does. Values in a row match exactly unless the row says "at least"; grades 15 and 29
/// are never given.
int GradeOtherSuit(const SuitEvaluation& suit);

/// The computer bids first. Evaluate mode: 1 = it takes T; 0 = it passes, and caches in
/// `g_computerNamedSuit` the suit 1..4 it will name in the second round (0 = it will pass
/// again). Cached mode: returns `g_computerNamedSuit`. Any other mode: 0.
int ComputerAcceptsTrump();

/// The computer answers the human's first-round pass. Evaluate mode: 1 = it takes T;
/// 2..4 = it passes and will name the suit of that index; 0 = no suit qualifies (the
/// caller lets it take T). Writes no cached suit: the caller stores it. Cached mode:
/// returns `g_computerNamedSuit`. Any other mode: 0.
int ComputerChooseSuit();

/// The suit 1..4 of suit index 2..4 (`g_otherSuit1`..3), or 0 for any other index.
int OtherSuitOfIndex(int index);
