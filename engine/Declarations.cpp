#include "engine/Declarations.h"

#include "engine/CardTable.h"
#include "engine/CardValues.h"
#include "engine/GameState.h"
#include "engine/RunSearch.h"
#include "engine/Settings.h"
#include "engine/TrumpHonours.h"

#include <span>

namespace {

/// The computer shows its runs when they and its trump honours are worth 34 or more.
constexpr int kShowFrom = 34;
/// Equal best runs are worth less to the computer: both sides score them.
constexpr int kEqualTwentiesDiscount = 20;
constexpr int kEqualFiftiesDiscount = 30;
/// Trump cards beyond which it always shows: 3 with 3 or 4 extra cards, 4 with 5 or 6.
constexpr int kShortTrumpLimit = 3;
constexpr int kLongTrumpLimit = 4;
constexpr int kLongDealFrom = 5;
/// Points of its other cards from which it shows: 3 x limit + 2 x extra cards + 7.
constexpr int kPointsPerTrumpLimit = 3;
constexpr int kPointsPerExtraCard = 2;
constexpr int kPointsBase = 7;

/// Only the computer that chose trump may hold its runs back.
bool ComputerShowsWhenAsked()
{
    return g_toMove != kComputer || ComputerKeepsDeclaration();
}

} // namespace

bool HoldsTrumpPair(std::span<const int> cards, int trumpSuit)
{
    const auto holds = [&cards](int card) { return std::ranges::find(cards, card) != cards.end(); };
    return trumpSuit >= 1 && trumpSuit <= kSuits && holds(CardOf(kRankQueen, trumpSuit))
        && holds(CardOf(kRankKing, trumpSuit));
}

int HumanImage(const RunSearchResult& human)
{
    if (human.bestFifty == 0)
        return image::kHumanTwenty;
    return human.bestTwenty > 0 ? image::kHumanFiftyAndTwenty : image::kHumanFifty;
}

int ComputerImage(const RunSearchResult& computer)
{
    if (computer.bestFifty == 0)
        return image::kComputerTwenty;
    return computer.bestTwenty > 0 ? image::kComputerFiftyAndTwenty : image::kComputerFifty;
}

DeclarationCase CompareRuns(const RunSearchResult& human, const RunSearchResult& computer)
{
    if (human.bestFifty > computer.bestFifty)
        return DeclarationCase::kHumanFifty;
    if (human.bestFifty < computer.bestFifty)
        return DeclarationCase::kComputerFifty;
    if (human.bestFifty > 0)
        return DeclarationCase::kEqualFifties;
    if (human.bestTwenty > computer.bestTwenty)
        return DeclarationCase::kHumanTwenty;
    if (human.bestTwenty < computer.bestTwenty)
        return DeclarationCase::kComputerTwenty;
    if (human.bestTwenty > 0)
        return DeclarationCase::kEqualTwenties;
    return DeclarationCase::kNone;
}

bool HumanRunsScore(DeclarationCase which)
{
    using enum DeclarationCase;
    return which == kHumanFifty || which == kHumanTwenty || which == kEqualFifties || which == kEqualTwenties;
}

bool ComputerRunsScore(DeclarationCase which)
{
    using enum DeclarationCase;
    return which == kComputerFifty || which == kComputerTwenty || which == kEqualFifties
        || which == kEqualTwenties;
}

DeclarationOutcome DecideDeclarations()
{
    g_humanFifties = g_humanTwenties = g_computerFifties = g_computerTwenties = 0;
    g_computerHasTrumpJack = g_computerHasTrumpNine = g_computerHasTrumpPair = 0;
    g_humanDeclPoints = g_computerDeclPoints = 0;
    const auto humanCards = HandCards(g_humanHand, g_humanCount);
    const auto computerCards = HandCards(g_computerHand, g_computerCount);
    g_humanTrumpPair = HoldsTrumpPair(humanCards, g_trumpSuit) ? 1 : 0;
    g_computerTrumpPair = HoldsTrumpPair(computerCards, g_trumpSuit) ? 1 : 0;
    SetOtherSuits();

    const RunSearchResult human = SearchRuns(humanCards);
    const RunSearchResult computer = SearchRuns(computerCards);
    g_humanFifties = human.fifties;
    g_humanTwenties = human.twenties;
    g_computerFifties = computer.fifties;
    g_computerTwenties = computer.twenties;

    DeclarationOutcome outcome;
    outcome.which = CompareRuns(human, computer);
    switch (outcome.which) {
    case DeclarationCase::kNone:
        return outcome;
    case DeclarationCase::kHumanFifty:
    case DeclarationCase::kHumanTwenty:
        outcome.humanShows = true;
        break;
    case DeclarationCase::kComputerFifty:
        outcome.computerShows = true;
        break;
    case DeclarationCase::kComputerTwenty:
        outcome.computerShows = ComputerShowsWhenAsked();
        break;
    case DeclarationCase::kEqualFifties:
        g_equalFifties = 1;
        outcome.humanShows = true;
        outcome.computerShows = ComputerShowsWhenAsked();
        break;
    case DeclarationCase::kEqualTwenties:
        g_equalTwenties = 1;
        outcome.humanShows = true;
        outcome.computerShows = ComputerShowsWhenAsked();
        break;
    }

    if (outcome.humanShows)
        outcome.humanImage = HumanImage(human);
    if (outcome.computerShows)
        outcome.computerImage = ComputerImage(computer);
    if (outcome.humanShows && outcome.computerShows) {
        outcome.shownAnnouncement1 = outcome.humanImage;
        outcome.shownAnnouncement2 = outcome.computerImage;
        outcome.prompt = PromptState::kBothDeclare;
    } else if (outcome.humanShows) {
        outcome.shownAnnouncement1 = outcome.humanImage;
        outcome.prompt = PromptState::kHumanDeclares;
    } else if (outcome.computerShows) {
        outcome.shownAnnouncement1 = outcome.computerImage;
        outcome.prompt = PromptState::kComputerDeclares;
    }
    return outcome;
}

bool ComputerKeepsDeclaration()
{
    const auto cards = HandCards(g_computerHand, g_computerCount);
    int trumps = 0;
    int otherPoints = 0;
    for (const int card : cards) {
        if (!IsCard(card))
            continue;
        const CardRecord& record = g_cards[card];
        if (record.suit() == g_trumpSuit)
            ++trumps;
        if (record.strength() != kTrumpJackStrength && record.strength() != kTrumpNineStrength)
            otherPoints += record.points();
    }
    const int bonuses = ValueComputerTrumpHonours(cards);
    int score = kTwentyPoints * g_computerTwenties + bonuses;
    if (g_equalTwenties == 1)
        score -= kEqualTwentiesDiscount;
    if (g_equalFifties == 1)
        score = DeclarationPoints(g_computerFifties, g_computerTwenties) + bonuses - kEqualFiftiesDiscount;

    const int limit = g_extraCards >= kLongDealFrom ? kLongTrumpLimit : kShortTrumpLimit;
    if (trumps > limit || score >= kShowFrom)
        return true;
    if (otherPoints >= kPointsPerTrumpLimit * limit + kPointsPerExtraCard * g_extraCards + kPointsBase)
        return true;
    g_computerFifties = 0;
    g_computerTwenties = 0;
    return false;
}
