#include "engine/DealScoring.h"

#include "engine/CardTable.h"
#include "engine/GameState.h"

namespace {

/// One side of the deal, seen from the contract: its score, points, trick flag and cell.
struct Party {
    int side;
    SideScore& score;
    int points;
    bool tookTrick;
    SheetCell& cell;
};

void WriteTotal(Party& party)
{
    party.cell = DealCell(party.side, SheetText::Total, party.score.total);
}

void Made(Party& taker, Party& opponent)
{
    taker.score.total += taker.points;
    // An opponent without a trick keeps nothing it declared.
    if (opponent.tookTrick)
        opponent.score.total += opponent.points;
    WriteTotal(taker);
    WriteTotal(opponent);
}

void Failed(Party& taker, Party& opponent)
{
    // The opponent takes the taker's points as well as its own.
    opponent.score.total += opponent.points + taker.points;
    ++taker.score.baits;
    taker.cell = DealCell(taker.side, SheetText::Bait, taker.score.baits);
    if (taker.score.baits >= kBaitsPenalised) {
        taker.score.total -= kBaitPenalty;
        taker.cell = DealCell(taker.side, SheetText::BaitPenalty, taker.score.baits);
        taker.score.baits = 0;
    }
    WriteTotal(opponent);
}

void Tied(Party& taker, Party& opponent, GameScore& score)
{
    score.hangingTie = taker.side;
    score.hangingPoints = taker.points;
    // The tie holds back the taker's points only; the opponent scores its own at once.
    opponent.score.total += opponent.points;
    taker.cell = DealCell(taker.side, SheetText::HangingTie);
    WriteTotal(opponent);
}

void ChargeNoTrick(Party& party)
{
    if (party.tookTrick)
        return;
    party.score.total -= kNoTrickPenalty;
    party.cell = DealCell(party.side, SheetText::NoTrick);
}

} // namespace

SheetRow ScoreContract(GameScore& score, const DealPoints& deal)
{
    SheetRow row;
    Party human { kHuman, score.human, deal.human, deal.humanTookTrick, row.human };
    Party computer { kComputer, score.computer, deal.computer, deal.computerTookTrick, row.computer };
    const bool computerTakes = deal.taker == kComputer;
    Party& taker = computerTakes ? computer : human;
    Party& opponent = computerTakes ? human : computer;

    // Points hanging from a tie go to whoever wins this deal; a new tie drops them.
    const int hanging = score.hangingTie != g_noHangingTie ? score.hangingPoints : 0;
    score.hangingTie = g_noHangingTie;
    score.hangingPoints = 0;
    if (taker.points > opponent.points) {
        taker.score.total += hanging;
        Made(taker, opponent);
    } else if (taker.points < opponent.points) {
        opponent.score.total += hanging;
        Failed(taker, opponent);
    } else {
        Tied(taker, opponent, score);
    }
    ChargeNoTrick(human);
    ChargeNoTrick(computer);
    return row;
}

GameScore CurrentGameScore()
{
    return { { g_humanTotal, g_humanBaits }, { g_computerTotal, g_computerBaits }, g_hangingTie,
        g_hangingPoints };
}

void StoreGameScore(const GameScore& score)
{
    g_humanTotal = score.human.total;
    g_humanBaits = score.human.baits;
    g_computerTotal = score.computer.total;
    g_computerBaits = score.computer.baits;
    g_hangingTie = score.hangingTie;
    g_hangingPoints = score.hangingPoints;
}

DealPoints CurrentDealPoints(int taker)
{
    return { taker, g_humanDealPoints, g_computerDealPoints, g_humanTookTrick != 0,
        g_computerTookTrick != 0 };
}
