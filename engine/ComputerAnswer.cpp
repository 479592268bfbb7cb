#include "engine/ComputerAnswer.h"

#include "engine/ComputerLead.h"
#include "engine/HandScan.h"
#include "engine/TrickRules.h"

namespace {

/// While the human is ahead, level 3 plays low winners once his total passes these, in points.
constexpr int kShortGameAheadLimit = 400;
constexpr int kLongGameAheadLimit = 850;
/// Plain strengths run 1..8, so a card beats a plain lead by at most 7.
constexpr int kMostPlainLead = 7;

bool IsOfSuit(int card, int suit)
{
    return g_cards[card].suit() == suit;
}

/// Strength of the strongest card of `suit` in a hand; 0 when it holds none.
int TopOfSuit(const Hand& hand, int count, int suit)
{
    const int found = HighestWhere(hand, count, [suit](int c) { return IsOfSuit(c, suit); });
    return found == kNoPosition ? 0 : StrengthOf(hand[static_cast<std::size_t>(found)]);
}

/// Level 3, human well ahead: when its best card of the led plain suit outranks the best
/// one left in the human's hand, the computer takes the trick with the lowest card that
/// beats the lead, keeping its higher ones for later.
int LowWinnerKeepingTheTop(int ledSuit, int ledStrength)
{
    if (ComputerLevel() != kLevelPro || IsTrumpSuit(ledSuit)
        || !HumanAheadBeyondMargin(kShortGameAheadLimit, kLongGameAheadLimit))
        return kNoPosition;
    const int humanTop = TopOfSuit(g_humanHand, g_humanCount, ledSuit);
    if (humanTop == 0 || TopOfSuit(g_computerHand, g_computerCount, ledSuit) <= humanTop)
        return kNoPosition;
    for (int d = 1; d <= kMostPlainLead; ++d) {
        const int found = FirstWhere(g_computerHand, g_computerCount,
            [&](int c) { return IsOfSuit(c, ledSuit) && StrengthOf(c) == ledStrength + d; });
        if (found != kNoPosition)
            return found;
    }
    return kNoPosition;
}

int GeneralAnswer(int ledSuit, int ledStrength)
{
    const Hand& hand = g_computerHand;
    const int count = g_computerCount;
    const auto stronger = [ledStrength](int c) { return StrengthOf(c) > ledStrength; };
    const auto weaker = [ledStrength](int c) { return StrengthOf(c) < ledStrength; };
    const auto trump = [](int c) { return IsTrumpSuit(g_cards[c].suit()); };
    if (!IsTrumpSuit(ledSuit)) {
        if (const int found
            = HighestWhere(hand, count, [&](int c) { return IsOfSuit(c, ledSuit) && stronger(c); }))
            return found;
        if (const int found
            = LowestWhere(hand, count, [&](int c) { return IsOfSuit(c, ledSuit) && weaker(c); }))
            return found;
    }
    if (const int found = LowestWhere(hand, count, [&](int c) { return trump(c) && stronger(c); }))
        return found;
    if (const int found = LowestWhere(hand, count, [&](int c) { return trump(c) && weaker(c); }))
        return found;
    return LowestWhere(hand, count, [](int) { return true; });
}

} // namespace

ComputerAnswer ChooseComputerAnswer(int ledSuit, int ledStrength)
{
    ComputerAnswer answer;
    answer.position = LowWinnerKeepingTheTop(ledSuit, ledStrength);
    if (answer.position == kNoPosition)
        answer.position = GeneralAnswer(ledSuit, ledStrength);
    if (answer.position == kNoPosition)
        return answer;
    const CardRecord& card = g_cards[g_computerHand[static_cast<std::size_t>(answer.position)]];
    answer.winner = AnswerTakesTrick(ledSuit, ledStrength, card.suit(), card.strength()) ? kComputer : kHuman;
    return answer;
}
