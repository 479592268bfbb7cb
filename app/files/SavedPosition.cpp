#include "app/files/SavedPosition.h"

#include <algorithm>

SavedPosition::SavedPosition(const SavedGame& game)
    : game_(game)
{
    for (const int card : humanCards())
        holder_[at(card)] = kInHumanHand;
    for (const int card : computerCards())
        holder_[at(card)] = kInComputerHand;
    // A prompt is known by its image; with none the human plays, or after the last deal's
    // result was answered at a game's end the table stands empty.
    if (value(saved::kAnnouncement) != image::kNone) {
        waiting_ = Waiting::kPrompt;
        rule_ = RuleOf(prompt());
    } else if (EmptyAfterGame(prompt(), image::kNone, humanCount(), computerCount())) {
        waiting_ = Waiting::kEmptyTable;
    } else {
        waiting_ = Waiting::kPlay;
    }
}

std::vector<int> SavedPosition::cardsOf(int place) const
{
    std::vector<int> cards;
    for (int card = 1; card <= g_deckSize; ++card)
        if (location(card) == place)
            cards.push_back(card);
    return cards;
}

int SavedPosition::located(int place) const
{
    return static_cast<int>(cardsOf(place).size());
}

bool SavedPosition::stands(std::initializer_list<PromptState> states) const
{
    return waiting_ == Waiting::kPrompt && std::ranges::find(states, prompt()) != states.end();
}

DealPhase SavedPosition::phase() const
{
    switch (waiting_) {
    case Waiting::kPrompt:
        return rule_ ? rule_->phase : DealPhase::kDealOver;
    case Waiting::kPlay:
        return DealPhase::kTricks;
    case Waiting::kEmptyTable:
        break;
    }
    return DealPhase::kDealOver;
}

bool SavedPosition::fits(DealPhase phase) const
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
        return deck == kDeckNotShown && humanCount() == 0 && computerCount() == 0;
    }
    return false;
}

int SavedPosition::turnedUpSuit() const
{
    const int turnedUp = value(saved::kTrumpCard);
    return IsCard(turnedUp) ? SuitOf(turnedUp) : 0;
}

int SavedPosition::valuedSuit() const
{
    if (stands({ PromptState::kComputerNamedAfterPass, PromptState::kComputerNamedFirst }))
        return turnedUpSuit();
    return value(saved::kTrumpSuit);
}

QString SavedPosition::waitingName() const
{
    switch (waiting_) {
    case Waiting::kPrompt:
        return QStringLiteral("с вопросом %1").arg(value(saved::kPromptState));
    case Waiting::kPlay:
        return QStringLiteral("с ходом игрока");
    case Waiting::kEmptyTable:
        break;
    }
    return QStringLiteral("с пустым столом после партии");
}

QString Mismatch(const SavedPosition& p, int n, const QString& source)
{
    return QStringLiteral("значение %1 заголовка (%2) не согласуется %3").arg(n).arg(p.value(n)).arg(source);
}
