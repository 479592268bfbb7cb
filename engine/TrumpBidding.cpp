#include "engine/TrumpBidding.h"

#include "engine/CardTable.h"
#include "engine/CardValues.h"
#include "engine/GameState.h"

#include <array>

namespace {

/// Weights of the special cards of a suit valued as trump, and the values their
/// combinations give to `special`.
constexpr int kSpecialNine = 14;
constexpr int kSpecialPair = 19;
constexpr int kSpecialJack = 21;
constexpr int kSpecialNineAndPair = kSpecialNine + kSpecialPair;
constexpr int kSpecialJackAndNine = kSpecialJack + kSpecialNine;
constexpr int kSpecialJackAndPair = kSpecialJack + kSpecialPair;
constexpr int kSpecialAll = kSpecialJack + kSpecialNine + kSpecialPair;

/// Suit index of the turned-up suit T, and of the first other suit (indexes 2..4).
constexpr int kTurnedUpIndex = 1;
constexpr int kFirstOtherIndex = 2;

/// Answers of the evaluation besides the indexes 2..4: the computer takes T; no suit qualifies.
constexpr int kTakeTurnedUpSuit = 1;
constexpr int kNoSuitQualifies = 0;

/// A named other suit must grade above this to beat the weaker takes of the turned-up suit.
constexpr int kNamingGrade = 24;
/// Below this grade the computer takes the turned-up suit on the weakest tests too.
constexpr int kWeakGrade = 20;

/// A table value that matches anything.
constexpr int kAny = -1;

/// One row of the grade table. Values match exactly; `sum` with `sumAtLeast` is a minimum.
struct GradeRow {
    int grade; ///< grade 1..38 the row gives
    int count; ///< cards of the suit
    int special = kAny; ///< `special` of the suit
    int sum = kAny; ///< `sum` of the suit, or its minimum
    bool sumAtLeast = false; ///< true: `sum` is a minimum
    int seven = kAny; ///< 0/1: the seven held
    int queenOrKing = kAny; ///< 0/1: the queen or the king held
};

// clang-format off
constexpr std::array<GradeRow, 36> kGradeTable{{
    {.grade = 1,  .count = 2, .sum = 19},
    {.grade = 2,  .count = 2, .sum = 20},
    {.grade = 3,  .count = 2, .sum = 21, .seven = 0},
    {.grade = 4,  .count = 2, .sum = 21, .seven = 1},
    {.grade = 5,  .count = 2, .sum = 22, .seven = 0},
    {.grade = 6,  .count = 2, .sum = 22, .seven = 1},
    {.grade = 7,  .count = 2, .sum = 23, .seven = 0},
    {.grade = 8,  .count = 2, .sum = 23, .seven = 1},
    {.grade = 9,  .count = 2, .sum = 24, .queenOrKing = 0},
    {.grade = 10, .count = 2, .sum = 24, .queenOrKing = 1},
    {.grade = 11, .count = 2, .sum = 25, .queenOrKing = 1},
    {.grade = 12, .count = 2, .sum = 26},
    {.grade = 13, .count = 2, .sum = 27},
    {.grade = 14, .count = 1, .special = kSpecialNine},
    {.grade = 16, .count = 3},
    {.grade = 17, .count = 2, .special = kSpecialNine},
    {.grade = 18, .count = 2, .special = kSpecialPair},
    {.grade = 19, .count = 1, .special = kSpecialJack},
    {.grade = 20, .count = 3, .special = kSpecialNine},
    {.grade = 21, .count = 2, .special = kSpecialJack},
    {.grade = 22, .count = 4},
    {.grade = 23, .count = 3, .special = kSpecialPair},
    {.grade = 24, .count = 2, .special = kSpecialJack, .sum = 14, .sumAtLeast = true},
    {.grade = 25, .count = 4, .sum = 27, .sumAtLeast = true},
    {.grade = 26, .count = 3, .special = kSpecialJack},
    {.grade = 27, .count = 3, .special = kSpecialNineAndPair},
    {.grade = 28, .count = 2, .special = kSpecialJackAndNine},
    {.grade = 30, .count = 3, .special = kSpecialJackAndNine},
    {.grade = 31, .count = 5},
    {.grade = 32, .count = 4, .special = kSpecialNine},
    {.grade = 33, .count = 4, .special = kSpecialPair},
    {.grade = 34, .count = 4, .special = kSpecialJack},
    {.grade = 35, .count = 4, .special = kSpecialNineAndPair},
    {.grade = 36, .count = 4, .special = kSpecialJackAndNine},
    {.grade = 37, .count = 3, .special = kSpecialJackAndPair},
    {.grade = 38, .count = 6},
}};
// clang-format on

bool Matches(int wanted, int value)
{
    return wanted == kAny || wanted == value;
}

bool RowMatches(const GradeRow& row, const SuitEvaluation& suit)
{
    const bool sumMatches = row.sumAtLeast ? suit.sum >= row.sum : Matches(row.sum, suit.sum);
    return row.count == suit.count && Matches(row.special, suit.special) && sumMatches
        && Matches(row.seven, suit.seven) && Matches(row.queenOrKing, suit.queenOrKing);
}

/// The computer's hand valued in each suit index 1..4 (index 0 unused), and the
/// turned-up card's strength as a trump of T.
struct HandEvaluation {
    std::array<SuitEvaluation, 5> suit {}; ///< by suit index 1..4
    int turnedUp = 0; ///< trump strength 9..16 of the turned-up card, 0 without one

    const SuitEvaluation& trump() const { return suit[kTurnedUpIndex]; }
    bool turnedUpIsJack() const { return turnedUp == kTrumpJackStrength; }
    bool turnedUpIsNine() const { return turnedUp == kTrumpNineStrength; }
    bool turnedUpIsQueenOrKing() const
    {
        return turnedUp == kTrumpQueenStrength || turnedUp == kTrumpKingStrength;
    }
};

HandEvaluation EvaluateHand()
{
    g_bidEvalState = kBidCached;
    SetOtherSuits();
    const auto cards = HandCards(g_computerHand, g_computerCount);
    HandEvaluation hand;
    hand.suit[kTurnedUpIndex] = EvaluateSuit(cards, g_trumpSuit);
    for (int index = kFirstOtherIndex; index <= kSuits; ++index)
        hand.suit[static_cast<std::size_t>(index)] = EvaluateSuit(cards, OtherSuitOfIndex(index));
    hand.turnedUp = IsCard(g_trumpCard) ? CardStrength(g_trumpCard, g_trumpSuit) : 0;
    return hand;
}

/// The five tests on which the computer takes the turned-up suit in the first round.
bool TakesInFirstRound(const HandEvaluation& hand)
{
    const SuitEvaluation& t = hand.trump();
    return t.special >= kSpecialAll || (t.special >= kSpecialNineAndPair && t.seven && hand.turnedUpIsJack())
        || (t.special >= kSpecialJackAndPair && t.seven && hand.turnedUpIsNine())
        || (t.special >= kSpecialJackAndNine && t.seven && t.queenOrKing && hand.turnedUpIsQueenOrKing())
        || t.count >= 5;
}

/// An other suit strong enough to name in the second round after passing first.
bool WorthNaming(const SuitEvaluation& s)
{
    return s.special >= kSpecialAll || (s.special >= kSpecialNineAndPair && s.sum >= 37)
        || (s.special >= kSpecialJackAndPair && s.sum >= 36)
        || (s.special >= kSpecialJackAndNine && s.queenOrKing && s.sum >= 24) || s.count >= 5;
}

/// Takes of the turned-up suit while no other suit grades above 24.
bool TakesOverModestSuit(const HandEvaluation& hand)
{
    const SuitEvaluation& t = hand.trump();
    return t.special >= kSpecialJackAndPair
        || (t.special >= kSpecialNine && t.count >= 3 && t.seven && hand.turnedUpIsJack())
        || (t.special >= kSpecialJack && t.count >= 3 && t.seven && hand.turnedUpIsNine())
        || (t.special >= kSpecialJack && t.seven && t.queenOrKing && hand.turnedUpIsQueenOrKing())
        || (t.special >= kSpecialNine && t.count >= 4);
}

/// Further takes of the turned-up suit while no other suit grades 20 or more.
bool TakesOverWeakSuit(const HandEvaluation& hand)
{
    const SuitEvaluation& t = hand.trump();
    const bool turnedUpIsEight = hand.turnedUp == kTrumpEightStrength;
    return t.count >= 4 || t.special >= kSpecialJackAndNine
        || (t.special >= kSpecialNine && t.seven && hand.turnedUpIsJack())
        || (t.special >= kSpecialNine && t.queenOrKing && t.count >= 3 && t.sum >= 24)
        || (t.special >= kSpecialNine && t.seven && t.count >= 3 && !turnedUpIsEight && t.sum >= 20)
        || (t.special >= kSpecialPair && t.seven && hand.turnedUpIsNine())
        || (t.special >= kSpecialNine && t.seven && t.queenOrKing && hand.turnedUpIsQueenOrKing())
        || (t.special >= kSpecialPair && t.count >= 3)
        || (t.special >= kSpecialNine && t.count >= 3 && ((t.sum == 25 && t.queenOrKing) || t.sum == 27));
}

/// What either answer gives without evaluating: the cached suit, or 0 in an unknown mode.
int AnswerWithoutEvaluating()
{
    return g_bidEvalState == kBidCached ? g_computerNamedSuit : 0;
}

} // namespace

SuitEvaluation EvaluateSuit(std::span<const int> cards, int suit)
{
    SuitEvaluation result;
    bool queen = false;
    bool king = false;
    for (const int card : cards) {
        if (!IsCard(card) || SuitOf(card) != suit)
            continue;
        ++result.count;
        switch (RankOf(card)) {
        case kRankJack:
            result.jack = 1;
            break;
        case kRankNine:
            result.nine = 1;
            break;
        default:
            result.sum += CardStrength(card, suit);
            break;
        }
        result.seven |= RankOf(card) == kRankSeven ? 1 : 0;
        queen = queen || RankOf(card) == kRankQueen;
        king = king || RankOf(card) == kRankKing;
    }
    result.queenOrKing = queen || king ? 1 : 0;
    result.pair = queen && king ? 1 : 0;
    result.special = kSpecialJack * result.jack + kSpecialNine * result.nine + kSpecialPair * result.pair;
    return result;
}

int GradeOtherSuit(const SuitEvaluation& suit)
{
    int grade = 0;
    for (const GradeRow& row : kGradeTable) {
        if (RowMatches(row, suit))
            grade = row.grade;
    }
    return grade;
}

int OtherSuitOfIndex(int index)
{
    switch (index) {
    case 2:
        return g_otherSuit1;
    case 3:
        return g_otherSuit2;
    case 4:
        return g_otherSuit3;
    default:
        return 0;
    }
}

int ComputerAcceptsTrump()
{
    if (g_bidEvalState != kBidEvaluate)
        return AnswerWithoutEvaluating();
    const HandEvaluation hand = EvaluateHand();
    if (TakesInFirstRound(hand))
        return kTakeTurnedUpSuit;
    g_computerNamedSuit = 0;
    for (int index = kFirstOtherIndex; index <= kSuits; ++index) {
        if (WorthNaming(hand.suit[static_cast<std::size_t>(index)])) {
            g_computerNamedSuit = OtherSuitOfIndex(index);
            break;
        }
    }
    return 0;
}

int ComputerChooseSuit()
{
    if (g_bidEvalState != kBidEvaluate)
        return AnswerWithoutEvaluating();
    const HandEvaluation hand = EvaluateHand();
    if (TakesInFirstRound(hand))
        return kTakeTurnedUpSuit;
    int best = 0;
    int bestIndex = kNoSuitQualifies;
    for (int index = kFirstOtherIndex; index <= kSuits; ++index) {
        const int grade = GradeOtherSuit(hand.suit[static_cast<std::size_t>(index)]);
        if (grade > best) {
            best = grade;
            bestIndex = index;
        }
    }
    if (best > kNamingGrade)
        return bestIndex;
    if (TakesOverModestSuit(hand) || (best < kWeakGrade && TakesOverWeakSuit(hand)))
        return kTakeTurnedUpSuit;
    return bestIndex;
}
