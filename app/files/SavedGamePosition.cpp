#include "app/files/SavedGamePosition.h"

#include "engine/CardTable.h"
#include "engine/CardValues.h"
#include "engine/GameState.h"
#include "engine/PromptRules.h"
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
    int field(int card, std::size_t f) const { return game_.cards[at(card)][f]; }
    int location(int card) const { return field(card, saved::kLocationField); }
    int status(int card) const { return field(card, saved::kStatusField); }
    int strength(int card) const { return field(card, saved::kStrengthField); }
    PromptState prompt() const { return static_cast<PromptState>(value(saved::kPromptState)); }
    /// The hand (kInHumanHand or kInComputerHand) that holds the card, else kInDeck.
    int holder(int card) const { return IsCard(card) ? holder_[at(card)] : kInDeck; }

    /// One of the prompts is posed and waits for its answer: its image stands.
    bool stands(std::initializer_list<PromptState> states) const
    {
        return value(saved::kAnnouncement) != image::kNone
            && std::ranges::any_of(states,
                [&](PromptState state) { return value(saved::kPromptState) == static_cast<int>(state); });
    }
    /// A prompt is posed, or an image that no prompt stands with (then refused as such).
    bool anyStands() const { return value(saved::kAnnouncement) != image::kNone; }
    bool pairQuestion() const { return stands({ PromptState::kPairOnAnswer, PromptState::kPairOnLead }); }
    /// The deal was scored: the hands are empty and the next deal clears the table.
    bool dealOver() const { return prompt() == PromptState::kDealResult && fits(DealPhase::kDealOver); }
    int located(int place) const
    {
        int count = 0;
        for (int card = 1; card <= g_deckSize; ++card)
            count += location(card) == place ? 1 : 0;
        return count;
    }
    /// The cards lie as they do at that point of a deal (see DealPhase).
    bool fits(DealPhase phase) const
    {
        const int deck = value(saved::kDeckShown);
        const bool nothingPlayed = std::ranges::none_of(
            game_.cards, [](const auto& fields) { return fields[saved::kStatusField] == kStatusPlayed; });
        switch (phase) {
        case DealPhase::kFirstDeal:
            return deck == kDeckWithTurnedUpCard && humanCount() == g_firstDealCount
                && computerCount() == g_firstDealCount && nothingPlayed;
        case DealPhase::kDeclarations:
            return IsCard(deck) && humanCount() == computerCount() && humanCount() > g_firstDealCount
                && nothingPlayed;
        case DealPhase::kTricks:
            return IsCard(deck) && humanCount() > 0;
        case DealPhase::kDealOver:
            return humanCount() == 0 && computerCount() == 0;
        }
        return false;
    }
    /// The suit the cards are valued under: the trump, but while the computer's named suit
    /// waits to be acknowledged, the turned-up suit the cards were valued under before.
    int valuedSuit() const
    {
        const int turnedUp = value(saved::kTrumpCard);
        if (stands({ PromptState::kComputerNamedAfterPass, PromptState::kComputerNamedFirst }))
            return IsCard(turnedUp) ? SuitOf(turnedUp) : 0;
        return value(saved::kTrumpSuit);
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
    const bool shownFaceUp = card == p.value(saved::kTrumpCard) || card == p.value(saved::kDeckShown);
    if (location == kFaceUpOnTable && !shownFaceUp)
        return QStringLiteral("карта %1 открыта не на своём месте");
    if (shownFaceUp && location != kFaceUpOnTable)
        return QStringLiteral("карта %1 не лежит открытой");
    return {};
}

/// Points, strength and natural order are the ones the game gives the card under the
/// suit the cards are valued under: the computer weighs its moves by them.
QString ValueProblem(const Position& p, int suit, int card)
{
    if (p.field(card, saved::kPointsField) != CardPoints(card, suit)
        || p.field(card, saved::kStrengthField) != CardStrength(card, suit)
        || p.field(card, saved::kSequenceField) != RankOf(card) + 1)
        return QStringLiteral("у карты %1 не те очки или сила");
    return {};
}

/// What a deal under way lacks: its trump, and the turned-up card on the table apart from
/// the deck's card.
QString DealProblem(const Position& p)
{
    const int turnedUp = p.value(saved::kTrumpCard);
    const int trump = p.value(saved::kTrumpSuit);
    if (!IsCard(turnedUp) || trump < 1 || trump > kSuits)
        return QStringLiteral("в сдаче нет открытой карты или козыря");
    if (turnedUp == p.value(saved::kDeckShown))
        return QStringLiteral("карта %1 открыта дважды").arg(turnedUp);
    return {};
}

/// What is wrong with the prompt that stands: it is one a deal poses, shown with the image
/// it is posed with, at the point of the deal where it is posed, and when its answer starts
/// play, the side that took the trump is known.
QString StandingPromptProblem(const Position& p)
{
    const PromptState state = p.prompt();
    const int n = static_cast<int>(state);
    const PromptRule* rule = RuleOf(state);
    if (!StandsWithImage(state, p.value(saved::kAnnouncement), p.value(saved::kShownAnnouncement1),
            p.value(saved::kTrumpSuit)))
        return QStringLiteral("вопрос %1 стоит не со своей надписью").arg(n);
    if (!p.fits(rule->phase))
        return QStringLiteral("вопрос %1 не к месту в этой части сдачи").arg(n);
    const int toMove = p.value(saved::kToMove);
    if (rule->startsPlay && toMove != kHuman && toMove != kComputer)
        return QStringLiteral("неизвестно, кто взял козырь");
    return {};
}

/// An empty table with no button is left by the end of a game only, so it holds the totals
/// that game ended at, or the score a change of player cleared since.
QString EndedGameProblem(const Position& p)
{
    if (!ScoreAfterGameEnd(
            p.value(saved::kHumanTotal), p.value(saved::kComputerTotal), p.value(saved::kSheetRowCount)))
        return QStringLiteral("сдача окончена без кнопки, а партия нет");
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
    if (p.anyStands()) {
        if (QString problem = StandingPromptProblem(p); !problem.isEmpty())
            return problem;
    } else if (!p.fits(DealPhase::kTricks)) {
        return QStringLiteral("сдача стоит без вопроса");
    }
    // The turned-up card to take in the seven's place lies face up, as in every deal.
    const bool humanSeven = p.stands({ kSevenExchangeOffer });
    if ((humanSeven || p.stands({ kComputerExchangedSeven }))
        && p.holder(CardOf(kRankSeven, p.value(saved::kTrumpSuit)))
            != (humanSeven ? kInHumanHand : kInComputerHand))
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
    const bool humanPlays = p.value(saved::kToMove) == kHuman && p.value(saved::kHumanMayPlay) == 1;
    if (!humanPlays && !p.anyStands())
        return QStringLiteral("никто не может сделать ход");
    return {};
}

} // namespace

QString PositionProblem(const SavedGame& game)
{
    const Position p(game);
    const int suit = p.valuedSuit();
    for (int card = 1; card <= g_deckSize; ++card)
        if (const QString problem = ValueProblem(p, suit, card); !problem.isEmpty())
            return problem.arg(card);
    // The next deal clears the table whatever lies on it: the deal's result waits for its
    // button, or at the end of a game that the player chose not to follow with a new one,
    // the table stands empty until a new game is started from the menu.
    if (EmptyAfterGame(p.prompt(), p.value(saved::kAnnouncement), p.humanCount(), p.computerCount()))
        return EndedGameProblem(p);
    if (p.dealOver())
        return StandingPromptProblem(p);
    if (QString problem = DealProblem(p); !problem.isEmpty())
        return problem;
    for (int card = 1; card <= g_deckSize; ++card)
        if (const QString problem = CardProblem(p, card); !problem.isEmpty())
            return problem.arg(card);
    if (p.located(kInHumanHand) != p.located(kInComputerHand))
        return QStringLiteral("у сторон разное число карт");
    return PlayProblem(p);
}
