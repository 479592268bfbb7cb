#include "app/files/PositionChecks.h"
#include "app/files/SavedPosition.h"

#include "engine/CardValues.h"
#include "engine/Settings.h"

#include <algorithm>

namespace {

bool InAHand(int location)
{
    return location == kInHumanHand || location == kInComputerHand;
}

/// Points, strength and natural order are the ones the game gives the card under the
/// suit the cards are valued under: the computer weighs its moves by them.
QString ValueProblem(const SavedPosition& p, int suit, int card)
{
    if (p.field(card, saved::kPointsField) != CardPoints(card, suit)
        || p.field(card, saved::kStrengthField) != CardStrength(card, suit)
        || p.field(card, saved::kSequenceField) != RankOf(card) + 1)
        return QStringLiteral("у карты %1 не те очки или сила");
    return {};
}

/// The prompt that stands is one a deal poses, shown with the image it is posed with.
QString StandingImageProblem(const SavedPosition& p)
{
    if (!StandsWithImage(p.prompt(), p.value(saved::kAnnouncement), p.value(saved::kShownAnnouncement1),
            p.value(saved::kTrumpSuit)))
        return QStringLiteral("вопрос %1 стоит не со своей надписью").arg(p.value(saved::kPromptState));
    return {};
}

/// The cards lie as they do at the point of the deal where the game waits so: where the
/// prompt that stands is posed, or where the hands play their tricks.
QString PhaseProblem(const SavedPosition& p)
{
    if (p.fits(p.phase()))
        return {};
    if (p.waiting() == Waiting::kPrompt)
        return QStringLiteral("вопрос %1 не к месту в этой части сдачи").arg(p.value(saved::kPromptState));
    return p.waiting() == Waiting::kPlay ? QStringLiteral("сдача стоит без вопроса")
                                         : QStringLiteral("на пустом столе лежит колода");
}

/// What is wrong with the place of one card, with %1 for the card; empty when nothing is.
QString CardProblem(const SavedPosition& p, int card)
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

/// What a deal under way lacks: its trump, and the turned-up card on the table apart from
/// the deck's card.
QString DealProblem(const SavedPosition& p)
{
    const int turnedUp = p.value(saved::kTrumpCard);
    const int trump = p.value(saved::kTrumpSuit);
    if (!IsCard(turnedUp) || trump < 1 || trump > kSuits)
        return QStringLiteral("в сдаче нет открытой карты или козыря");
    if (turnedUp == p.value(saved::kDeckShown))
        return QStringLiteral("карта %1 открыта дважды").arg(turnedUp);
    return {};
}

/// Both sides were dealt alike: six cards in the first deal, and as many more each in the
/// second.
QString DealtProblem(const SavedPosition& p)
{
    const int human = p.located(kInHumanHand);
    if (human != p.located(kInComputerHand))
        return QStringLiteral("у сторон разное число карт");
    const bool firstDeal = p.phase() == DealPhase::kFirstDeal;
    if (firstDeal
            ? human != g_firstDealCount
            : human < g_firstDealCount + kFewestExtraCards || human > g_firstDealCount + kMostExtraCards)
        return QStringLiteral("у сторон по %1 карт, столько не сдают").arg(human);
    return {};
}

/// What the trick on the table and the prompt that stands lack; empty when nothing.
QString TrickProblem(const SavedPosition& p)
{
    using enum PromptState;
    const int follows = p.value(saved::kHumanFollows);
    if (p.humanCount() != p.computerCount() + follows)
        return QStringLiteral("руки не сходятся со взяткой на столе");
    const int led = p.value(saved::kComputerTableCard);
    if (follows == 1 && !(IsCard(led) && p.location(led) == kInComputerHand && p.played(led)))
        return QStringLiteral("нет карты компьютера, на которую отвечает игрок");
    // The turned-up card to take in the seven's place lies face up, as in every deal.
    const bool humanSeven = p.stands({ kSevenExchangeOffer });
    if ((humanSeven || p.stands({ kComputerExchangedSeven }))
        && p.holder(CardOf(kRankSeven, p.value(saved::kTrumpSuit)))
            != (humanSeven ? kInHumanHand : kInComputerHand))
        return QStringLiteral("обмен без козырной семёрки в руке");
    if (p.pairQuestion()) {
        const auto cards = p.humanCards();
        const auto card = std::ranges::find_if(cards, [&](int c) { return p.played(c); });
        const int onAnswer = p.stands({ kPairOnAnswer }) ? 1 : 0;
        if (std::ranges::count_if(cards, [&](int c) { return p.played(c); }) != 1 || follows != onAnswer
            || (p.strength(*card) != kTrumpQueenStrength && p.strength(*card) != kTrumpKingStrength))
            return QStringLiteral("вопрос о паре без сыгранной дамы или короля");
    }
    return {};
}

} // namespace

QString CardPlaceProblem(const SavedPosition& p)
{
    const int suit = p.valuedSuit();
    for (int card = 1; card <= g_deckSize; ++card)
        if (const QString problem = ValueProblem(p, suit, card); !problem.isEmpty())
            return problem.arg(card);
    if (p.waiting() == Waiting::kPrompt)
        if (QString problem = StandingImageProblem(p); !problem.isEmpty())
            return problem;
    // Once the deal is scored the next deal clears the table, whatever lies on it.
    if (p.phase() == DealPhase::kDealOver)
        return PhaseProblem(p);
    if (QString problem = DealProblem(p); !problem.isEmpty())
        return problem;
    for (int card = 1; card <= g_deckSize; ++card)
        if (const QString problem = CardProblem(p, card); !problem.isEmpty())
            return problem.arg(card);
    for (const auto check : { PhaseProblem, DealtProblem, TrickProblem })
        if (QString problem = check(p); !problem.isEmpty())
            return problem;
    return {};
}
