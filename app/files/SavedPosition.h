#pragma once

#include "app/files/SavedGameFile.h"
#include "engine/CardTable.h"
#include "engine/PromptRules.h"

#include <QString>

#include <array>
#include <initializer_list>
#include <span>
#include <vector>

/// How the game waits in a saved position.
enum class Waiting {
    kPrompt, ///< a prompt of the deal stands and waits for its answer
    kPlay, ///< no prompt stands: the human leads, or answers the computer's lead
    kEmptyTable, ///< the table stands empty after a game's end that no new game followed
};

/// A saved game read as a position: its values by name, where each card lies, and how the
/// game waits in it.
class SavedPosition {
public:
    explicit SavedPosition(const SavedGame& game);

    const SavedGame& game() const { return game_; }
    int value(int n) const { return game_.header[at(n)]; }
    int humanCount() const { return value(saved::kHumanCount); }
    int computerCount() const { return value(saved::kComputerCount); }
    std::span<const int> humanCards() const { return HandCards(game_.humanHand, humanCount()); }
    std::span<const int> computerCards() const { return HandCards(game_.computerHand, computerCount()); }
    int field(int card, std::size_t f) const { return game_.cards[at(card)][f]; }
    int location(int card) const { return field(card, saved::kLocationField); }
    int status(int card) const { return field(card, saved::kStatusField); }
    int strength(int card) const { return field(card, saved::kStrengthField); }
    bool played(int card) const { return status(card) == kStatusPlayed; }
    PromptState prompt() const { return static_cast<PromptState>(value(saved::kPromptState)); }
    /// The hand (kInHumanHand or kInComputerHand) that holds the card, else kInDeck.
    int holder(int card) const { return IsCard(card) ? holder_[at(card)] : kInDeck; }
    /// The cards of a side's deal: held, or played from its hand (kInHumanHand or kInComputerHand).
    std::vector<int> cardsOf(int place) const;
    int located(int place) const;

    Waiting waiting() const { return waiting_; }
    /// The rule of the prompt that stands; null while the game waits otherwise.
    const PromptRule* rule() const { return rule_; }
    /// One of the prompts stands.
    bool stands(std::initializer_list<PromptState> states) const;
    bool pairQuestion() const { return stands({ PromptState::kPairOnAnswer, PromptState::kPairOnLead }); }
    /// The point of the deal the position stands at: the prompt's, play's or the scored deal's.
    DealPhase phase() const;
    /// The cards lie as they do at that point of a deal (see DealPhase).
    bool fits(DealPhase phase) const;

    /// The turned-up suit, 0 without a turned-up card.
    int turnedUpSuit() const;
    /// The suit the cards are valued under: the trump, but while the computer's named suit
    /// waits to be acknowledged, the turned-up suit the cards were valued under before.
    int valuedSuit() const;
    /// The waiting point as a problem names it: "с вопросом 7" and the like.
    QString waitingName() const;

private:
    static std::size_t at(int index) { return static_cast<std::size_t>(index); }

    const SavedGame& game_;
    std::array<int, g_deckSize + 1> holder_ {};
    Waiting waiting_;
    const PromptRule* rule_ = nullptr;
};

/// A value that does not follow from what play derives it from: «значение n заголовка (v)
/// не согласуется» and `source`, what it derives from ("с картами", "со счётом" ...).
QString Mismatch(const SavedPosition& p, int n, const QString& source);
