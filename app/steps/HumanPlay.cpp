#include "app/Sounds.h"
#include "app/Spots.h"
#include "app/VertanDlg.h"
#include "app/steps/TableCopy.h"
#include "app/steps/TrickCollection.h"
#include "app/steps/TrickFlight.h"
#include "app/steps/TrickHandOver.h"
#include "app/steps/TrumpPairShow.h"
#include "engine/CardTable.h"
#include "engine/GameState.h"
#include "engine/PromptState.h"
#include "engine/Settings.h"
#include "engine/TrickRules.h"
#include "platform/Pause.h"

#include <algorithm>

namespace {

/// The card the click chose, or kNoCard when `g_handIndex` lies outside the hand.
int ClickedCard()
{
    return g_handIndex >= 1 && g_handIndex <= std::min(g_humanCount, kMaxHand)
        ? g_humanHand[static_cast<std::size_t>(g_handIndex)]
        : kNoCard;
}

} // namespace

void CVertanDlg::PlayHumanLead()
{
    const int card = ClickedCard();
    if (!IsCard(card))
        return;
    g_humanMayPlay = 0;
    g_toMove = kComputer;
    g_humanLeadsTrick = 0;
    g_cards[card].status() = kStatusPlayed;
    const platform::Rect label = LeadLabelBand();
    ClearRect(*this, label.left, label.top, label.width(), label.height());
    FlyToTrick(*this, kHuman, g_handIndex, TrickSpot::kLead);
    if (AnnouncesTrumpPair(g_humanTrumpPair, g_humanCardStrength)) {
        AskTrumpPair(*this, PromptState::kPairOnLead);
        return;
    }
    RemovePlayedHumanCard();
    PlayComputerFollow();
}

void CVertanDlg::PlayHumanFollow()
{
    const int card = ClickedCard();
    if (!IsCard(card) || !IsCard(g_computerTableCard))
        return;
    const CardRecord& led = g_cards[g_computerTableCard];
    if (!IsLegalAnswer(HandCards(g_humanHand, g_humanCount), g_humanCardSuit, led.suit())) {
        PlayEffect(Effect::Error);
        return;
    }
    g_computerCardShown = 0;
    NoteHumanAnswer(led.suit(), g_humanCardSuit);
    g_humanMayPlay = 0;
    g_cards[card].status() = kStatusPlayed;
    g_trickWinner = AnswerTakesTrick(led.suit(), led.strength(), g_humanCardSuit, g_humanCardStrength)
        ? kHuman
        : kComputer;
    ScoreTrick(g_trickWinner, TrickPoints(led.points(), g_humanCardPoints, g_humanCount == 1));
    if (AwardLeadPair(g_computerPairOnTrick, g_trickWinner))
        TakeDownComputerPair(*this);
    FlyToTrick(*this, kHuman, g_handIndex, TrickSpot::kAnswer);
    if (AnnouncesTrumpPair(g_humanTrumpPair, g_humanCardStrength)) {
        AskTrumpPair(*this, PromptState::kPairOnAnswer);
        return;
    }
    platform::Sleep(g_trickPause);
    CollectTrick(*this);
    RemovePlayedHumanCard();
    HandOverTrick(*this);
}
