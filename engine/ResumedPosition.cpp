#include "engine/ResumedPosition.h"

#include "engine/CardTable.h"
#include "engine/GameState.h"
#include "engine/HandScan.h"
#include "engine/PromptState.h"
#include "engine/TrickRules.h"
#include "engine/TrumpBidding.h"

namespace {

/// The prompt is posed and waits for its answer: its image stands.
bool Stands(PromptState state)
{
    return g_promptState == state && g_announcement != image::kNone;
}

/// The computer decides its second-round suit once, with its first-round answer, from its
/// hand and the turned-up card alone; valuing them again gives the same choice.
void ValueComputerBidAgain()
{
    using enum PromptState;
    if (Stands(kComputerBidFirst) || Stands(kHumanAnswersPass)) {
        g_computerNamedSuit = 0;
        g_bidEvalState = kBidEvaluate;
        ComputerAcceptsTrump();
    } else if (Stands(kComputerAnsweredPass) || Stands(kHumanNamesOrPasses)) {
        g_bidEvalState = kBidEvaluate;
        g_computerNamedSuit = OtherSuitOfIndex(ComputerChooseSuit());
    }
}

/// The seven offered for exchange is the trump seven of the hand the prompt names.
void FindOfferedSeven()
{
    const bool human = Stands(PromptState::kSevenExchangeOffer);
    g_sevenFound = human || Stands(PromptState::kComputerExchangedSeven) ? 1 : 0;
    if (g_sevenFound == 0)
        return;
    g_sevenCard = CardOf(kRankSeven, g_trumpSuit);
    g_sevenPos = human ? FindInHand(g_humanHand, g_humanCount, g_sevenCard)
                       : FindInHand(g_computerHand, g_computerCount, g_sevenCard);
}

/// The card of a pair question is played but stays in the human's hand until the answer;
/// on an answer the trick was decided before the question.
void FindQuestionedCard()
{
    const bool onAnswer = Stands(PromptState::kPairOnAnswer);
    if (!onAnswer && !Stands(PromptState::kPairOnLead))
        return;
    g_handIndex = FirstWhere(
        g_humanHand, g_humanCount, [](int card) { return g_cards[card].status() == kStatusPlayed; });
    if (g_handIndex == kNoPosition)
        return;
    const CardRecord& card = g_cards[g_humanHand[static_cast<std::size_t>(g_handIndex)]];
    g_humanCardSuit = card.suit();
    g_humanCardStrength = card.strength();
    g_humanCardPoints = card.points();
    if (onAnswer && IsCard(g_computerTableCard)) {
        const CardRecord& led = g_cards[g_computerTableCard];
        g_trickWinner
            = AnswerTakesTrick(led.suit(), led.strength(), card.suit(), card.strength()) ? kHuman : kComputer;
    }
}

} // namespace

void ResumeSavedPosition()
{
    // The first deal of a game draws the first hand; once it is drawn, deals alternate.
    g_firstDealDone = g_firstHand == kHuman || g_firstHand == kComputer ? 1 : 0;
    ValueComputerBidAgain();
    FindOfferedSeven();
    FindQuestionedCard();
    // The label stands from the computer's lead of the pair until the human's answer.
    g_computerPairOnTrick = g_computerPairShown == 1 && g_humanFollows == 1 ? 1 : 0;
    g_humanPairOnTrick = 0;
    g_sevenExchanger = 0;
    g_humanVoid = {};
    g_equalTwenties = 0;
    g_equalFifties = 0;
    g_hotButton = PromptButton::kNone;
    g_sheetOpen = 0;
    g_statsOpen = 0;
}
