#include "engine/TrickRules.h"

#include "engine/CardValues.h"
#include "engine/GameState.h"

#include <algorithm>

namespace {

bool HoldsSuit(std::span<const int> hand, int suit)
{
    return std::ranges::any_of(
        hand, [suit](int card) { return IsCard(card) && g_cards[card].suit() == suit; });
}

} // namespace

bool IsTrumpSuit(int suit)
{
    return suit == g_trumpSuit;
}

bool IsLegalAnswer(std::span<const int> hand, int answerSuit, int ledSuit)
{
    if (answerSuit == ledSuit || HoldsSuit(hand, ledSuit))
        return answerSuit == ledSuit;
    return IsTrumpSuit(answerSuit) || !HoldsSuit(hand, g_trumpSuit);
}

bool AnswerTakesTrick(int ledSuit, int ledStrength, int answerSuit, int answerStrength, int trumpSuit)
{
    return answerStrength > ledStrength && (answerSuit == ledSuit || answerSuit == trumpSuit);
}

int TrickPoints(int ledPoints, int answerPoints, bool lastTrick)
{
    return ledPoints + answerPoints + (lastTrick ? kLastTrickBonus : 0);
}

void AddDealPoints(int side, int points)
{
    if (side == kHuman)
        g_humanDealPoints += points;
    else if (side == kComputer)
        g_computerDealPoints += points;
}

void ScoreTrick(int winner, int points)
{
    AddDealPoints(winner, points);
    if (winner == kHuman)
        g_humanTookTrick = 1;
    else if (winner == kComputer)
        g_computerTookTrick = 1;
}

bool AnnouncesTrumpPair(int pairFlag, int strength)
{
    return pairFlag == 1 && (strength == kTrumpQueenStrength || strength == kTrumpKingStrength);
}

bool AwardLeadPair(int& announcedWithLead, int winner)
{
    if (announcedWithLead != 1)
        return false;
    announcedWithLead = 0;
    AddDealPoints(winner, kTrumpPairPoints);
    return true;
}

void NoteHumanAnswer(int ledSuit, int answerSuit)
{
    if (answerSuit == ledSuit)
        return;
    if (!IsTrumpSuit(answerSuit))
        g_humanNoTrumps = 1;
    else if (ledSuit >= 1 && ledSuit <= kSuits)
        g_humanVoid[static_cast<std::size_t>(ledSuit)] = 1;
}

int RemoveFromHand(Hand& hand, int& count, int position)
{
    const int held = std::clamp(count, 0, kMaxHand);
    if (position < 1 || position > held)
        return kNoCard;
    const int card = hand[static_cast<std::size_t>(position)];
    for (int i = position; i < held; ++i)
        hand[static_cast<std::size_t>(i)] = hand[static_cast<std::size_t>(i + 1)];
    hand[static_cast<std::size_t>(held)] = kNoCard;
    count = held - 1;
    return card;
}
