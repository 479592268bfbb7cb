#pragma once

#include <algorithm>
#include <array>
#include <span>

/// One card of the deck: 20 integer fields numbered as the saved game stores them.
/// Fields 0 and 9 to 16 carry nothing.
struct CardRecord {
    /// Fields 0..19 by number; the engine uses 1..8 and 17..19.
    std::array<int, 20> field {};

    /// Field by number, for code that chooses the field (the sorts, the saved game).
    int& operator[](int column) { return field[static_cast<std::size_t>(column)]; }
    int operator[](int column) const { return field[static_cast<std::size_t>(column)]; }

    /// Suit 1..4, fixed for the whole run.
    int& suit() { return field[1]; }
    /// 0 deck, 1 computer's hand, 2 human's hand, 3 face up on the table. A played card keeps it.
    int& location() { return field[2]; }
    /// Card points under the current trump: 0, 2, 3, 4, 10, 11, 14 or 20.
    int& points() { return field[3]; }
    /// Trick strength: plain 1..8, trump 9..16.
    int& strength() { return field[4]; }
    /// Natural order 1 (seven) .. 8 (ace), the same in every suit.
    int& sequence() { return field[5]; }
    /// 0 in play, 4 seen by the computer, 5 played.
    int& status() { return field[6]; }
    /// 0/1: a mark of the computer's lead evaluation (levels 2 and 3).
    int& beatable() { return field[7]; }
    /// A count the computer's lead evaluation notes (levels 2 and 3), 0 or more.
    int& strongerOut() { return field[8]; }
    /// 1 = already used in a run; 0/1.
    int& inRun() { return field[17]; }
    /// 1 = belongs to a declaration or six trumps and is drawn moved out of its row; 0/1.
    int& shown() { return field[18]; }
    /// Scratch mark of the selection sorts: 1 = already taken; 0/1.
    int& sortMark() { return field[19]; }

    int suit() const { return field[1]; }
    int location() const { return field[2]; }
    int points() const { return field[3]; }
    int strength() const { return field[4]; }
    int sequence() const { return field[5]; }
    int status() const { return field[6]; }
    int inRun() const { return field[17]; }
    int shown() const { return field[18]; }
    int sortMark() const { return field[19]; }
};

/// Where a card lies (field `location`); also the side codes reversed: 1 computer, 2 human.
enum CardLocation : int {
    kInDeck = 0,
    kInComputerHand = 1,
    kInHumanHand = 2,
    kFaceUpOnTable = 3,
};

/// Play status (field `status`).
constexpr int kStatusInPlay = 0;
constexpr int kStatusSeen = 4;
constexpr int kStatusPlayed = 5;

/// Side codes: whose move, the taker, a trick's winner.
constexpr int kHuman = 1;
constexpr int kComputer = 2;
/// No side: nobody to move, no holder found.
constexpr int kNoSide = 0;

/// "No card" wherever a card identifier 1..32 is expected.
constexpr int kNoCard = 0;

/// Cards in the deck: the bound of every loop over card identifiers and of the card draw.
constexpr int g_deckSize = 32;
/// Cards to each hand in the first deal; the second deal fills positions 7 onward.
constexpr int g_firstDealCount = 6;
/// Field numbers of `location`, `points`, `strength` and `sequence` in a CardRecord.
constexpr int g_colLocation = 2;
constexpr int g_colPoints = 3;
constexpr int g_colStrength = 4;
constexpr int g_colSequence = 5;
/// `g_hangingTie` when no tied deal's points hang.
constexpr int g_noHangingTie = 0;

/// The most cards a hand holds: six from the first deal and up to six from the second.
constexpr int kMaxHand = 12;

/// A hand: card identifiers at positions 1..count; position 0 is never used.
using Hand = std::array<int, kMaxHand + 1>;

/// Card table indexed by identifier 1..32 (4 x rank index + suit); record 0 is never a card.
inline std::array<CardRecord, g_deckSize + 1> g_cards {};
/// The human's hand in display order, and its count 0..12.
inline Hand g_humanHand {};
inline int g_humanCount = 0;
/// The computer's hand, never sorted, and its count 0..12.
inline Hand g_computerHand {};
inline int g_computerCount = 0;
/// Trump suit 1..4 and the three other suits in ascending order.
inline int g_trumpSuit = 0;
inline int g_otherSuit1 = 0;
inline int g_otherSuit2 = 0;
inline int g_otherSuit3 = 0;

/// Suit 1..4 of a card identifier.
constexpr int SuitOf(int card)
{
    return (card - 1) % 4 + 1;
}
/// Rank index 0 (seven) .. 7 (ace) of a card identifier.
constexpr int RankOf(int card)
{
    return (card - 1) / 4;
}

/// Rank indexes, in natural order.
constexpr int kRankSeven = 0;
constexpr int kRankEight = 1;
constexpr int kRankNine = 2;
constexpr int kRankTen = 3;
constexpr int kRankJack = 4;
constexpr int kRankQueen = 5;
constexpr int kRankKing = 6;
constexpr int kRankAce = 7;
/// Suits 1..4.
constexpr int kSuits = 4;

/// Card identifier 1..32 of a rank index 0..7 and a suit 1..4.
constexpr int CardOf(int rank, int suit)
{
    return 4 * rank + suit;
}
/// The next lower card of the same suit is four identifiers down.
constexpr int kSameSuitStep = 4;

/// True for a card identifier 1..32.
constexpr bool IsCard(int card)
{
    return card >= 1 && card <= g_deckSize;
}

/// The cards at positions 1..count of a hand. A count outside 0..kMaxHand (a damaged
/// saved game) is clamped so that no reader runs past the array.
inline std::span<const int> HandCards(const Hand& hand, int count)
{
    return std::span<const int>(hand).subspan(1, static_cast<std::size_t>(std::clamp(count, 0, kMaxHand)));
}

/// Position 1..count of a card in a hand, or 0 when the hand does not hold it.
inline int FindInHand(const Hand& hand, int count, int card)
{
    const auto cards = HandCards(hand, count);
    const auto found = std::find(cards.begin(), cards.end(), card);
    return found == cards.end() ? 0 : static_cast<int>(found - cards.begin()) + 1;
}

/// Empties the card table and the hands: every field 0 except each card's suit, which
/// follows from its identifier; no trump.
void ResetCardTable();
