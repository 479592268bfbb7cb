#include "app/Spots.h"
#include "app/VertanDlg.h"
#include "app/steps/TableCopy.h"
#include "app/steps/TrickCollection.h"
#include "app/steps/TrickFlight.h"
#include "app/steps/TrickHandOver.h"
#include "app/steps/TrumpPairShow.h"
#include "engine/CardTable.h"
#include "engine/ComputerAnswer.h"
#include "engine/ComputerLead.h"
#include "engine/GameState.h"
#include "engine/HandScan.h"
#include "engine/Settings.h"
#include "engine/TrickRules.h"
#include "platform/Pause.h"

namespace {

/// The computer's announced pair stands this long before the human answers, in ms.
constexpr int kPairOnLeadPause = 200;

int ComputerCard(int position)
{
    return g_computerHand[static_cast<std::size_t>(position)];
}

} // namespace

void CVertanDlg::PlayComputerLead()
{
    g_handIndex = ChooseComputerLead();
    // With no card to lead the deal cannot go on: it ends and is scored. Handing the trick
    // over instead would come back here while the hand's count names cards it lacks.
    if (g_handIndex == kNoPosition) {
        CloseDeal(*this);
        return;
    }
    const int card = ComputerCard(g_handIndex);
    g_cards[card].status() = kStatusPlayed;
    g_computerTableCard = card;
    FlyToTrick(*this, kComputer, g_handIndex, TrickSpot::kLead);
    if (AnnouncesTrumpPair(g_computerTrumpPair, g_cards[card].strength())) {
        g_computerPairOnTrick = 1;
        AnnounceComputerPair(*this, PairLabel::kStanding);
        g_computerPairShown = 1;
        platform::Sleep(kPairOnLeadPause);
    }
    RemoveFromHand(g_computerHand, g_computerCount, g_handIndex);
    g_toMove = kHuman;
    g_humanFollows = 1;
    g_humanMayPlay = 1;
    g_computerCardShown = 1;
}

void CVertanDlg::PlayComputerFollow()
{
    const ComputerAnswer answer = ChooseComputerAnswer(g_humanCardSuit, g_humanCardStrength);
    // With no card to answer the trick cannot be completed: the deal ends and is scored.
    if (answer.position == kNoPosition) {
        CloseDeal(*this);
        return;
    }
    g_handIndex = answer.position;
    g_trickWinner = answer.winner;
    const int card = ComputerCard(g_handIndex);
    g_cards[card].status() = kStatusPlayed;
    ScoreTrick(g_trickWinner, TrickPoints(g_humanCardPoints, g_cards[card].points(), g_computerCount == 1));
    AwardLeadPair(g_humanPairOnTrick, g_trickWinner);
    FlyToTrick(*this, kComputer, g_handIndex, TrickSpot::kAnswer);

    // Answering, the computer announces its pair only with a card that takes the trick.
    const bool announced
        = g_trickWinner == kComputer && AnnouncesTrumpPair(g_computerTrumpPair, g_cards[card].strength());
    if (announced) {
        AddDealPoints(kComputer, kTrumpPairPoints);
        AnnounceComputerPair(*this, PairLabel::kFleeting);
        platform::Sleep(g_trickPause);
    }
    platform::Sleep(g_trickPause);
    if (announced) {
        const platform::Rect band = QuestionBand();
        ShowRect(*this, band.left, band.top, band.width(), band.height());
    }
    CollectTrick(*this);
    RemoveFromHand(g_computerHand, g_computerCount, g_handIndex);
    g_humanMayPlay = 1;
    HandOverTrick(*this);
}
