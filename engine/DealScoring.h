#pragma once

#include "engine/ScoreSheet.h"

/// The contract rules that turn a finished deal's points into the game's totals. The side
/// that took the trump (the taker) must take more points than the other side: with fewer
/// its contract fails (a bait), with as many its points hang until the next deal that is
/// decided. A side that took no trick loses 100 whatever else happened.

/// Penalty of a side that took no trick, and of a side's third bait.
constexpr int kNoTrickPenalty = 100;
constexpr int kBaitPenalty = 100;
/// Baits that cost the penalty; the counter then starts again from 0.
constexpr int kBaitsPenalised = 3;

/// One side's standing in the game.
struct SideScore {
    /// Game total, signed: penalties can take it below 0.
    int total = 0;
    /// Failed contracts as taker since the last bait penalty, 0..2 between deals.
    int baits = 0;
    bool operator==(const SideScore&) const = default;
};

/// The game's score between deals.
struct GameScore {
    SideScore human;
    SideScore computer;
    /// g_noHangingTie, or the side 1..2 that tied the last deal as taker.
    int hangingTie = 0;
    /// That side's deal points, paid with the next decided deal; unread while no tie hangs.
    int hangingPoints = 0;
    bool operator==(const GameScore&) const = default;
};

/// What a finished deal brings, declarations included.
struct DealPoints {
    /// The side 1..2 that took the trump; any other value counts as the human.
    int taker = 0;
    /// Each side's points of the deal: tricks, last trick, trump pairs, declarations.
    int human = 0;
    int computer = 0;
    /// Whether each side took at least one trick.
    bool humanTookTrick = false;
    bool computerTookTrick = false;
};

/// Scores a finished deal into the game score and gives its row of the score sheet.
SheetRow ScoreContract(GameScore& score, const DealPoints& deal);

/// The game score held in the game's globals, and back.
GameScore CurrentGameScore();
void StoreGameScore(const GameScore& score);
/// The finished deal in the game's globals, for the taker given.
DealPoints CurrentDealPoints(int taker);
