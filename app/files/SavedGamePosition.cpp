#include "app/files/SavedGamePosition.h"

#include "engine/CardTable.h"
#include "engine/CardValues.h"
#include "engine/PromptState.h"

#include <algorithm>
#include <initializer_list>
#include <span>

namespace {

/// The position a saved game describes, read through its numbers.
class Position {
public:
    explicit Position(const SavedGame& game)
        : game_(game)
    {
        for (const int card : HandCards(game.humanHand, humanCount()))
            holder_[at(card)] = kInHumanHand;
        for (const int card : HandCards(game.computerHand, computerCount()))
            holder_[at(card)] = kInComputerHand;
    }

    int value(int n) const { return game_.header[at(n)]; }
    int humanCount() const { return value(saved::kHumanCount); }
    std::span<const int> humanCards() const { return HandCards(game_.humanHand, humanCount()); }
    int computerCount() const { return value(saved::kComputerCount); }
    int location(int card) const { return game_.cards[at(card)][saved::kLocationField]; }
    int status(int card) const { return game_.cards[at(card)][saved::kStatusField]; }
    int strength(int card) const { return game_.cards[at(card)][saved::kStrengthField]; }
    /// The hand (kInHumanHand or kInComputerHand) that holds the card, else kInDeck.
    int holder(int card) const { return IsCard(card) ? holder_[at(card)] : kInDeck; }

    /// One of the prompts is posed and waits for its answer: its image stands.
    bool stands(std::initializer_list<PromptState> states) const
    {
        return value(saved::kAnnouncement) != image::kNone
            && std::ranges::any_of(states,
                [&](PromptState state) { return value(saved::kPromptState) == static_cast<int>(state); });
    }
    bool anyStands() const
    {
        return value(saved::kAnnouncement) != image::kNone
            && value(saved::kPromptState) != static_cast<int>(PromptState::kNone);
    }
    bool pairQuestion() const { return stands({ PromptState::kPairOnAnswer, PromptState::kPairOnLead }); }
    /// The deal was scored: the hands are empty and the next deal clears the table.
    bool dealOver() const
    {
        return humanCount() == 0 && computerCount() == 0
            && value(saved::kPromptState) == static_cast<int>(PromptState::kDealResult);
    }
    int located(int place) const
    {
        int count = 0;
        for (int card = 1; card <= g_deckSize; ++card)
            count += location(card) == place ? 1 : 0;
        return count;
    }

private:
    static std::size_t at(int index) { return static_cast<std::size_t>(index); }

    const SavedGame& game_;
    std::array<int, g_deckSize + 1> holder_ {};
};

bool InAHand(int location)
{
    return location == kInHumanHand || location == kInComputerHand;
}

/// What is wrong with the place of one card, with %1 for the card; empty when nothing is.
QString CardProblem(const Position& p, int card)
{
    const int location = p.location(card);
    const int status = p.status(card);
    const int holder = p.holder(card);
    if (holder != kInDeck && location != holder)
        return QStringLiteral("карта %1 лежит в руке вопреки таблице карт");
    if (holder != kInDeck && status == kStatusPlayed && !(holder == kInHumanHand && p.pairQuestion()))
        return QStringLiteral("сыгранная карта %1 осталась в руке");
    if (holder == kInDeck && InAHand(location) && status != kStatusPlayed)
        return QStringLiteral("карта %1 по таблице карт в руке, но её там нет");
    if (status == kStatusPlayed && !InAHand(location))
        return QStringLiteral("сыгранная карта %1 не из руки");
    if (status == kStatusSeen && location != kInHumanHand)
        return QStringLiteral("показанная карта %1 не из руки игрока");
    if (location == kFaceUpOnTable && card != p.value(saved::kTrumpCard)
        && card != p.value(saved::kDeckShown))
        return QStringLiteral("карта %1 открыта не на своём месте");
    return {};
}

/// What the prompt that stands, or the trick on the table, lacks; empty when nothing.
QString PlayProblem(const Position& p)
{
    using enum PromptState;
    const int follows = p.value(saved::kHumanFollows);
    if (p.humanCount() != p.computerCount() + follows)
        return QStringLiteral("руки не сходятся со взяткой на столе");
    const int led = p.value(saved::kComputerTableCard);
    if (follows == 1
        && !(IsCard(led) && p.location(led) == kInComputerHand && p.status(led) == kStatusPlayed))
        return QStringLiteral("нет карты компьютера, на которую отвечает игрок");
    if (p.stands({ kHumanBidsFirst, kComputerBidFirst, kComputerAnsweredPass, kHumanAnswersPass,
            kHumanNamesOrPasses, kComputerNamedAfterPass, kComputerNamedFirst, kComputerPassedAgain,
            kHumanMustName })
        && (p.humanCount() != g_firstDealCount || p.computerCount() != g_firstDealCount))
        return QStringLiteral("торговля идёт не при шести картах в руке");
    const bool humanSeven = p.stands({ kSevenExchangeOffer });
    const int turnedUp = p.value(saved::kTrumpCard);
    if ((humanSeven || p.stands({ kComputerExchangedSeven }))
        && (p.holder(CardOf(kRankSeven, p.value(saved::kTrumpSuit)))
                != (humanSeven ? kInHumanHand : kInComputerHand)
            || !IsCard(turnedUp) || p.location(turnedUp) != kFaceUpOnTable))
        return QStringLiteral("обмен без козырной семёрки в руке");
    if (p.pairQuestion()) {
        const auto played = [&](int card) { return p.status(card) == kStatusPlayed; };
        const auto cards = p.humanCards();
        const auto card = std::ranges::find_if(cards, played);
        const int onAnswer = p.stands({ kPairOnAnswer }) ? 1 : 0;
        if (std::ranges::count_if(cards, played) != 1 || follows != onAnswer
            || (p.strength(*card) != kTrumpQueenStrength && p.strength(*card) != kTrumpKingStrength))
            return QStringLiteral("вопрос о паре без сыгранной дамы или короля");
    }
    const bool humanPlays
        = p.value(saved::kToMove) == kHuman && p.value(saved::kHumanMayPlay) == 1 && p.humanCount() > 0;
    if (!humanPlays && !p.anyStands())
        return QStringLiteral("никто не может сделать ход");
    return {};
}

} // namespace

QString PositionProblem(const SavedGame& game)
{
    const Position p(game);
    // The next deal clears the table whatever lies on it.
    if (p.dealOver())
        return {};
    for (int card = 1; card <= g_deckSize; ++card)
        if (const QString problem = CardProblem(p, card); !problem.isEmpty())
            return problem.arg(card);
    if (p.located(kInHumanHand) != p.located(kInComputerHand))
        return QStringLiteral("у сторон разное число карт");
    return PlayProblem(p);
}
