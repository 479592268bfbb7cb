#include "engine/GameState.h"

#include "engine/CardTable.h"
#include "engine/Settings.h"

namespace {

/// Totals that end a short and a long game.
constexpr int kShortGameTarget = 501;
constexpr int kLongGameTarget = 1001;

} // namespace

void ResetGameState()
{
    g_firstDealDone = 0;
    g_firstHand = 0;
    g_toMove = 0;
    g_trumpCard = 0;
    g_randomCard = 0;
    g_bidEvalState = 0;
    g_computerNamedSuit = 0;
    g_declSkipFirstSix = 0;
    g_humanSixTrumps = 0;
    g_computerSixTrumps = 0;

    g_sevenFound = 0;
    g_sevenCard = 0;
    g_sevenPos = 0;
    g_sevenExchanger = 0;

    g_humanFifties = 0;
    g_humanTwenties = 0;
    g_computerFifties = 0;
    g_computerTwenties = 0;
    g_humanTrumpPair = 0;
    g_computerTrumpPair = 0;
    g_equalFifties = 0;
    g_equalTwenties = 0;
    g_humanDeclPoints = 0;
    g_computerDeclPoints = 0;
    g_computerHasTrumpJack = 0;
    g_computerHasTrumpNine = 0;
    g_computerHasTrumpPair = 0;

    g_humanFollows = 0;
    g_handIndex = 0;
    g_humanCardSuit = 0;
    g_humanCardStrength = 0;
    g_humanCardPoints = 0;
    g_computerTableCard = 0;
    g_trickWinner = 0;
    g_humanPairOnTrick = 0;
    g_computerPairOnTrick = 0;
    g_humanVoid = {};
    g_humanNoTrumps = 0;

    g_humanDealPoints = 0;
    g_computerDealPoints = 0;
    g_humanTookTrick = 0;
    g_computerTookTrick = 0;

    g_hangingPoints = 0;
    g_gameOver = 0;
    ResetForNewGame();
}

void ResetForNewGame()
{
    g_firstDealDone = 0;
    g_sheetRow = 0;
    g_sheetRowCount = 0;
    g_humanTotal = 0;
    g_computerTotal = 0;
    g_humanBaits = 0;
    g_computerBaits = 0;
    g_hangingTie = g_noHangingTie;
}

bool GameIsOver()
{
    const int target = g_gameLength == kShortGame ? kShortGameTarget
        : g_gameLength == kLongGame               ? kLongGameTarget
                                                  : 0;
    return target != 0 && (g_humanTotal >= target || g_computerTotal >= target);
}

bool TotalsEndedAGame(int humanTotal, int computerTotal)
{
    return humanTotal >= kShortGameTarget || computerTotal >= kShortGameTarget;
}

bool ScoreAfterGameEnd(int humanTotal, int computerTotal, int sheetRows)
{
    const bool cleared = humanTotal == 0 && computerTotal == 0 && sheetRows == 0;
    return cleared || TotalsEndedAGame(humanTotal, computerTotal);
}
