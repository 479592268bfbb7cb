#pragma once

#include <array>

/// The state of the deal and of the game beyond the card table: who bids and moves, the
/// bidding's cache, the seven exchange, the declarations, the trick in play, the deal's
/// points and the game's totals. Side codes are kHuman 1 and kComputer 2.

/// `g_bidEvalState`: the computer's bidding evaluates its hand, or returns its cached suit.
constexpr int kBidEvaluate = 1;
constexpr int kBidCached = 2;

/// Points of a run of four (a fifty) and of three (a twenty).
constexpr int kFiftyPoints = 50;
constexpr int kTwentyPoints = 20;
/// Deal points of six trumps in order, to their holder.
constexpr int kSixTrumpsPoints = 360;

// Start of a deal and bidding.

/// 1 once the first deal of the game has drawn who bids first; 0 = draw it at the next deal.
inline int g_firstDealDone = 0;
/// Side 1..2 that bids first in this deal (and, after a hanging tie, leads).
inline int g_firstHand = 0;
/// Side 1..2 to move: the side that fixed the trump until play starts, then the side to
/// lead or answer; 0 at the start of a deal.
inline int g_toMove = 0;
/// The turned-up card 1..32; after a seven exchange, the trump seven.
inline int g_trumpCard = 0;
/// Scratch number 1..32 of the last random card draw or of the computer's exchange draw.
inline int g_randomCard = 0;
/// kBidEvaluate or kBidCached; any other value makes the computer's bidding answer 0.
inline int g_bidEvalState = 0;
/// Suit 1..4 the computer will name in the second round, 0 = it will pass.
inline int g_computerNamedSuit = 0;
/// 1 only while the second deal's new cards are sorted (positions 7..count); 0/1.
inline int g_declSkipFirstSix = 0;
/// 1 = that hand holds six trumps in unbroken order; 0/1.
inline int g_humanSixTrumps = 0;
inline int g_computerSixTrumps = 0;

// Trump-seven exchange.

/// 1 once an exchange prompt was posed in this deal; 0/1.
inline int g_sevenFound = 0;
/// The trump seven found, 1..32 (0 = none), and its 1-based position in its hand.
inline int g_sevenCard = 0;
inline int g_sevenPos = 0;
/// Side 1..2 that exchanges its seven; any other value makes the swap do nothing.
inline int g_sevenExchanger = 0;

// Declarations.

/// Runs of four (fifties) and of three (twenties) in each hand, 0..2 and 0..4.
inline int g_humanFifties = 0;
inline int g_humanTwenties = 0;
inline int g_computerFifties = 0;
inline int g_computerTwenties = 0;
/// 1 = the hand holds the trump queen and king and has not yet announced them; 0/1.
inline int g_humanTrumpPair = 0;
inline int g_computerTrumpPair = 0;
/// 1 = both sides' best fifties / best twenties are equal (read by the computer's decision); 0/1.
inline int g_equalFifties = 0;
inline int g_equalTwenties = 0;
/// Declaration points of the deal (multiples of 10), added to the deal points at its end.
inline int g_humanDeclPoints = 0;
inline int g_computerDeclPoints = 0;
/// The computer holds the trump jack / the trump nine / the trump queen and king; 0/1.
inline int g_computerHasTrumpJack = 0;
inline int g_computerHasTrumpNine = 0;
inline int g_computerHasTrumpPair = 0;

// The trick in play.

/// 1 = a computer card lies alone on the table and the human answers it; 0 = he leads.
inline int g_humanFollows = 0;
/// 1-based hand position of the card being played (the human's click or the computer's choice).
inline int g_handIndex = 0;
/// Suit 1..4, strength 1..16 and points 0..20 of the human card clicked.
inline int g_humanCardSuit = 0;
inline int g_humanCardStrength = 0;
inline int g_humanCardPoints = 0;
/// The card 1..32 the computer led in this trick.
inline int g_computerTableCard = 0;
/// Side 1..2 that took the trick just decided.
inline int g_trickWinner = 0;
/// 1 = the pair was announced with the card the human / the computer led in this trick; 0/1.
inline int g_humanPairOnTrick = 0;
inline int g_computerPairOnTrick = 0;
/// By suit 1..4 (index 0 unused): 1 = the human trumped a lead of that plain suit.
inline std::array<int, 5> g_humanVoid {};
/// 1 = the human once answered with neither the led suit nor a trump, so he holds no trump.
inline int g_humanNoTrumps = 0;

// Points of the deal.

/// Each side's points in this deal: tricks, last trick, pair announcements, declarations.
inline int g_humanDealPoints = 0;
inline int g_computerDealPoints = 0;
/// 1 once that side took a trick in this deal; 0/1.
inline int g_humanTookTrick = 0;
inline int g_computerTookTrick = 0;

// The game.

/// Game totals, signed: a bait penalty can make them negative.
inline int g_humanTotal = 0;
inline int g_computerTotal = 0;
/// Failed contracts as taker since the side's last bait penalty, 0..2 between deals.
inline int g_humanBaits = 0;
inline int g_computerBaits = 0;
/// g_noHangingTie, or side 1..2 whose tied deal's points hang.
inline int g_hangingTie = 0;
/// The tied taker's deal points, waiting for the next decided deal.
inline int g_hangingPoints = 0;
/// Score-sheet row last written, 0..54, and the number of deal rows, 0..54.
inline int g_sheetRow = 0;
inline int g_sheetRowCount = 0;
/// 1 once the game has ended at this deal; 0/1.
inline int g_gameOver = 0;

/// Puts every value above back to its value at program start.
void ResetGameState();

/// The new-game reset: the next deal draws the first hand anew, the score sheet, totals,
/// bait counters and hanging tie start from zero.
void ResetForNewGame();

/// True when either total has reached the target of `g_gameLength`: 501 points in a short
/// game, 1001 in a long one; never for a length that is neither.
bool GameIsOver();

/// True when a game of either length could have ended at these totals: one of them has
/// reached the short game's target, the lower one. The length in force may have been
/// changed since the game ended.
bool TotalsEndedAGame(int humanTotal, int computerTotal);

/// True when the empty table left after a game's end may hold this score: the totals the
/// game ended at, or the score a change of player cleared since (both totals 0, no rows).
bool ScoreAfterGameEnd(int humanTotal, int computerTotal, int sheetRows);

/// Declaration points of a side's runs: 50 a fifty, 20 a twenty.
constexpr int DeclarationPoints(int fifties, int twenties)
{
    return kFiftyPoints * fifties + kTwentyPoints * twenties;
}
