#include "engine/ComputerLead.h"

#include "engine/CardTable.h"
#include "engine/GameState.h"
#include "engine/HandScan.h"
#include "engine/Settings.h"
#include "engine/TrickRules.h"

#include <algorithm>
#include <array>
#include <initializer_list>

namespace {

/// While the human is ahead, level 3 leads high once his total passes these, in points.
constexpr int kShortGameAheadLimit = 300;
constexpr int kLongGameAheadLimit = 750;
/// Strengths below this are a plain seven, eight or nine: cheap cards to lead away.
constexpr int kLowCardBelow = 4;
/// Level 2 and 3's hunt for a plain seven among cards below the ten (strength 7).
constexpr int kSevenHuntBound = 14;
constexpr int kSevenHuntBelow = 7;
constexpr int kPlainSevenStrength = 1;
/// A ten guarded by one low card stays back when the human holds that suit's ace.
constexpr int kGuardedTenCards = 2;
/// Low trumps are not led from a hand of two cards, nor as the only trump.
constexpr int kLastTwoCards = 2;

/// Top trumps in the order they are tried: each is led only when every stronger trump is
/// gone. The nine and jack rank above the ace in trumps.
constexpr std::array kTopTrumpRanks { kRankJack, kRankNine, kRankAce, kRankTen, kRankKing, kRankQueen };
/// Plain masters in the order they are tried; the ten ranks between king and ace.
constexpr std::array kPlainMasterRanks { kRankAce, kRankTen, kRankKing, kRankQueen, kRankJack };

bool IsTrump(int card)
{
    return IsTrumpSuit(g_cards[card].suit());
}
bool IsPlain(int card)
{
    return !IsTrump(card);
}
/// Played, or the turned-up card: out of play for the tricks to come.
bool IsGone(int card)
{
    return g_cards[card].status() == kStatusPlayed || g_cards[card].location() == kFaceUpOnTable;
}
/// The human trumped a lead of this card's suit.
bool InVoidSuit(int card)
{
    const int suit = g_cards[card].suit();
    return suit >= 1 && suit <= kSuits && g_humanVoid[static_cast<std::size_t>(suit)] == 1;
}
bool IsUnbeaten(int card)
{
    return g_cards[card].beatable() == 0;
}
bool IsRank(int card, int rank)
{
    return RankOf(card) == rank;
}
/// Every stronger card of its suit is gone: nothing left out there takes it in its suit.
bool IsMaster(int card)
{
    for (int other = 1; other <= g_deckSize; ++other)
        if (g_cards[other].suit() == g_cards[card].suit() && StrengthOf(other) > StrengthOf(card)
            && !IsGone(other))
            return false;
    return true;
}

int ComputerFirst(auto test)
{
    return FirstWhere(g_computerHand, g_computerCount, test);
}
int ComputerLowest(auto test)
{
    return LowestWhere(g_computerHand, g_computerCount, test);
}
int ComputerHighest(auto test)
{
    return HighestWhere(g_computerHand, g_computerCount, test);
}
int Strength(int position)
{
    return StrengthOf(g_computerHand[static_cast<std::size_t>(position)]);
}

int TrumpCount()
{
    return CountWhere(g_computerHand, g_computerCount, IsTrump);
}
/// More than half of the hand is trumps.
bool TrumpLong()
{
    return 2 * TrumpCount() > g_computerCount;
}

/// A top trump, tried rank by rank, that also passes `allowed`.
int TopTrump(auto allowed)
{
    for (const int rank : kTopTrumpRanks) {
        const int found = ComputerFirst(
            [&](int c) { return IsTrump(c) && IsRank(c, rank) && IsMaster(c) && allowed(c); });
        if (found != kNoPosition)
            return found;
    }
    return kNoPosition;
}

/// A plain master of a suit the human has not trumped, tried rank by rank, that also
/// passes `allowed`.
int PlainMaster(auto allowed)
{
    for (const int rank : kPlainMasterRanks) {
        const int found = ComputerFirst([&](int c) {
            return IsPlain(c) && !InVoidSuit(c) && IsRank(c, rank) && IsMaster(c) && allowed(c);
        });
        if (found != kNoPosition)
            return found;
    }
    return kNoPosition;
}

/// The lowest trump, keeping back the ranks in `kept`, while the pair is still to be
/// announced: the queen and king wait to be led for it.
int LowTrumpBesidePair(std::initializer_list<int> kept, auto allowed)
{
    if (g_computerTrumpPair != 1)
        return kNoPosition;
    return ComputerLowest([&](int c) {
        return IsTrump(c) && allowed(c)
            && std::ranges::none_of(kept, [c](int rank) { return IsRank(c, rank); });
    });
}

bool Any(int)
{
    return true;
}

int BeginnerLead()
{
    if (TrumpLong()) {
        if (const int found = TopTrump(Any))
            return found;
    }
    if (const int found = PlainMaster(Any))
        return found;
    if (const int found = ComputerLowest([](int c) { return IsPlain(c) && InVoidSuit(c); }))
        return found;
    if (const int found
        = ComputerHighest([](int c) { return IsPlain(c) && !InVoidSuit(c) && !IsRank(c, kRankTen); }))
        return found;
    if (const int found = LowTrumpBesidePair({ kRankNine, kRankQueen, kRankKing }, Any))
        return found;
    if (const int found = ComputerHighest(IsPlain))
        return found;
    if (const int found = LowTrumpBesidePair({ kRankQueen, kRankKing }, Any))
        return found;
    return ComputerHighest(IsTrump);
}

/// Level 3 reads the human's hand: a card is beaten by a stronger one of its suit there,
/// and, while he holds a trump, any card of a suit he lacks.
void MarkFromHumanHand()
{
    const auto human = HandCards(g_humanHand, g_humanCount);
    const auto holdsSuit = [&](int suit) {
        return std::ranges::any_of(human, [suit](int h) { return IsCard(h) && g_cards[h].suit() == suit; });
    };
    const bool humanHasTrump = holdsSuit(g_trumpSuit);
    for (const int card : HandCards(g_computerHand, g_computerCount)) {
        if (!IsCard(card))
            continue;
        const int suit = g_cards[card].suit();
        const bool stronger = std::ranges::any_of(human, [&](int h) {
            return IsCard(h) && g_cards[h].suit() == suit && StrengthOf(h) > StrengthOf(card);
        });
        if (stronger || (humanHasTrump && !holdsSuit(suit)))
            g_cards[card].beatable() = 1;
    }
}

/// What the computer knows beats its card: a card the human has shown that is stronger
/// (whatever its suit); and the stronger cards of its suit not yet gone, counted.
void MarkFromKnownCards(int card)
{
    for (int other = 1; other <= g_deckSize; ++other) {
        if (g_cards[other].status() == kStatusSeen && StrengthOf(other) > StrengthOf(card))
            g_cards[card].beatable() = 1;
        if (other != card && !IsGone(other) && g_cards[other].suit() == g_cards[card].suit()
            && StrengthOf(other) > StrengthOf(card))
            ++g_cards[card].strongerOut();
    }
}

void MarkComputerCards(int level)
{
    for (const int card : HandCards(g_computerHand, g_computerCount))
        if (IsCard(card))
            g_cards[card].beatable() = g_cards[card].strongerOut() = 0;
    if (level == kLevelPro)
        MarkFromHumanHand();
    for (const int card : HandCards(g_computerHand, g_computerCount)) {
        // Once the human has shown he holds no trump, nothing counts against a trump.
        if (IsCard(card) && (IsPlain(card) || g_humanNoTrumps == 0))
            MarkFromKnownCards(card);
    }
}

/// Hunts a plain seven: the bound falls to each candidate's strength, and only a seven
/// brings it below 2.
int PlainSevenHunt()
{
    int bound = kSevenHuntBound;
    const auto cards = HandCards(g_computerHand, g_computerCount);
    for (std::size_t i = 0; i < cards.size(); ++i) {
        const int c = cards[i];
        if (!IsCard(c) || !IsPlain(c) || !IsUnbeaten(c) || StrengthOf(c) >= kSevenHuntBelow
            || g_cards[c].strongerOut() >= bound)
            continue;
        bound = StrengthOf(c);
        if (bound <= kPlainSevenStrength)
            return static_cast<int>(i) + 1;
    }
    return kNoPosition;
}

/// A low card guarding the computer's ten, which the human could catch with that suit's ace.
bool GuardsTenAgainstAce(int card)
{
    const int suit = g_cards[card].suit();
    const int ofSuit
        = CountWhere(g_computerHand, g_computerCount, [suit](int c) { return g_cards[c].suit() == suit; });
    return ofSuit == kGuardedTenCards
        && FindInHand(g_computerHand, g_computerCount, CardOf(kRankTen, suit)) != 0
        && FindInHand(g_humanHand, g_humanCount, CardOf(kRankAce, suit)) != 0;
}

/// A low trump beside the pair, not led from the last two cards nor as the only trump.
int SpareLowTrump(std::initializer_list<int> kept)
{
    const int found = LowTrumpBesidePair(kept, IsUnbeaten);
    if (found == kNoPosition || g_computerCount == kLastTwoCards || TrumpCount() == 1)
        return kNoPosition;
    return found;
}

int MarkedLead(int level)
{
    MarkComputerCards(level);
    const bool noTrumps = g_humanNoTrumps == 1;
    const auto unbeatenPlain = [](int c) { return IsPlain(c) && IsUnbeaten(c); };
    const auto withStrongerOut = [&](int n) {
        return ComputerFirst([&](int c) { return unbeatenPlain(c) && g_cards[c].strongerOut() == n; });
    };
    const auto lowUnlessGuarding = [level](int found) {
        return found != kNoPosition && Strength(found) < kLowCardBelow
            && !(level == kLevelPro && GuardsTenAgainstAce(g_computerHand[static_cast<std::size_t>(found)]));
    };

    // A human without trumps cannot take a plain card nothing out beats.
    if (noTrumps) {
        if (const int found = withStrongerOut(0))
            return found;
        if (const int found = ComputerFirst([&](int c) { return unbeatenPlain(c) && InVoidSuit(c); }))
            return found;
    }
    // Long in trumps, it draws the human's trumps with its best ones.
    if (TrumpLong()) {
        if (const int found = TopTrump(IsUnbeaten))
            return found;
    }
    if (noTrumps) {
        if (const int found = withStrongerOut(1))
            return found;
    }
    if (const int found = PlainMaster(IsUnbeaten))
        return found;
    if (TrumpLong()) {
        if (const int found = LowTrumpBesidePair({ kRankNine, kRankQueen, kRankKing }, Any))
            return found;
    }
    if (noTrumps) {
        if (const int found = PlainSevenHunt())
            return found;
    }
    // Well behind, the professional plays for points at once.
    if (level == kLevelPro && HumanAheadBeyondMargin(kShortGameAheadLimit, kLongGameAheadLimit)) {
        if (const int found = ComputerHighest(unbeatenPlain))
            return found;
    }
    if (const int found = ComputerLowest([](int c) { return IsPlain(c) && InVoidSuit(c); });
        found != kNoPosition && Strength(found) < kLowCardBelow)
        return found;
    if (const int found = ComputerLowest(IsPlain); lowUnlessGuarding(found))
        return found;
    if (const int found = SpareLowTrump({ kRankNine, kRankQueen, kRankKing }))
        return found;
    if (const int found = SpareLowTrump({ kRankQueen, kRankKing }))
        return found;
    return ComputerLowest(Any);
}

} // namespace

int ComputerLevel()
{
    return std::clamp(g_level, kLevelBeginner, kLevelPro);
}

int ChooseComputerLead()
{
    const int level = ComputerLevel();
    return level == kLevelBeginner ? BeginnerLead() : MarkedLead(level);
}
