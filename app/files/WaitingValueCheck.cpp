#include "app/files/PositionChecks.h"
#include "app/files/SavedPosition.h"

#include "engine/CardValues.h"

#include <array>

namespace {

using namespace saved;

/// What play without a prompt decides: the human is to move, leading or answering.
constexpr PromptRule kPlayRule { .state = PromptState::kNone,
    .phase = DealPhase::kTricks,
    .stands = {},
    .toMove = SideRule::kHuman,
    .trumpMarks = MarkAt(kTrumpMarkSpot2) };

/// The rule the waiting point follows: the prompt's own; play's; and at the empty table
/// after a game's end, that of the last deal's result, answered.
const PromptRule& RuleOfWaiting(const SavedPosition& p)
{
    if (p.waiting() == Waiting::kPlay)
        return kPlayRule;
    const PromptRule* rule = p.waiting() == Waiting::kPrompt ? p.rule() : RuleOf(PromptState::kDealResult);
    return *rule;
}

bool Allows(SideRule rule, int side)
{
    switch (rule) {
    case SideRule::kNobody:
        return side == kNoSide;
    case SideRule::kHuman:
        return side == kHuman;
    case SideRule::kComputer:
        return side == kComputer;
    case SideRule::kEither:
        return side == kHuman || side == kComputer;
    case SideRule::kAny:
        break;
    }
    return true;
}

/// A value that is 1 exactly when the condition holds, else 0.
bool FlagIs(const SavedPosition& p, int n, bool set)
{
    return p.value(n) == (set ? 1 : 0);
}

/// The first of the values the rule decides that differs from it, 0 when none does.
int FirstOffRule(const SavedPosition& p, const PromptRule& rule)
{
    const bool play = p.waiting() == Waiting::kPlay;
    const bool follows = p.value(kHumanFollows) == 1;
    const bool prompt = p.waiting() == Waiting::kPrompt;
    const bool deal = p.phase() != DealPhase::kDealOver;
    const std::array<std::pair<int, bool>, 14> values { {
        // Six trumps are acknowledged at once; once the deal is scored, its points tell.
        { kHumanSixTrumps, !deal || FlagIs(p, kHumanSixTrumps, p.stands({ PromptState::kHumanSixTrumps })) },
        { kComputerSixTrumps,
            !deal || FlagIs(p, kComputerSixTrumps, p.stands({ PromptState::kComputerSixTrumps })) },
        { kFirstHand, Allows(rule.firstHand, p.value(kFirstHand)) },
        { kToMove, Allows(rule.toMove, p.value(kToMove)) },
        { kHumanMayPlay, FlagIs(p, kHumanMayPlay, play) },
        { kHumanShowing, FlagIs(p, kHumanShowing, (rule.showing & Shows(kHuman)) != 0) },
        { kHumanSevenRaised, FlagIs(p, kHumanSevenRaised, rule.sevenRaised == kHuman) },
        { kComputerShowing, FlagIs(p, kComputerShowing, (rule.showing & Shows(kComputer)) != 0) },
        { kComputerSevenRaised, FlagIs(p, kComputerSevenRaised, rule.sevenRaised == kComputer) },
        { kComputerCardShown, FlagIs(p, kComputerCardShown, play && follows) },
        { kTrumpMarkPos, (rule.trumpMarks & MarkAt(p.value(kTrumpMarkPos))) != 0 },
        // The final panel stands over a scored deal only; its score is the score's to judge.
        { kGameOver, p.value(kGameOver) == 0 || p.stands({ PromptState::kDealResult }) },
        // The computer's pair label stands over its lead until the human answers it.
        { kComputerPairShown, p.value(kComputerPairShown) == 0 || (play && follows) },
        { kHumanLeadsTrick, FlagIs(p, kHumanLeadsTrick, play && !follows) },
    } };
    for (const auto& [n, holds] : values)
        if (!holds)
            return n;
    if (prompt || p.waiting() == Waiting::kEmptyTable)
        if (p.value(kHumanFollows) != rule.humanFollows)
            return kHumanFollows;
    return 0;
}

/// The first shown announcement or suit button that differs from what the prompt shows, 0
/// when none does. The computer's first-round bid is the image its prompt stands with, which
/// the prompt's image holds; the runs' images are the cards' to judge.
int FirstOffShown(const SavedPosition& p, ShownImages shown)
{
    const int first = p.value(kShownAnnouncement1);
    switch (shown) {
    case ShownImages::kAny:
    case ShownImages::kComputerBid:
    case ShownImages::kDeclarations:
        return 0;
    case ShownImages::kComputerPassed:
        return first == image::kComputerPasses ? 0 : kShownAnnouncement1;
    case ShownImages::kNamedSuit:
        return first == image::ComputerNamesSuit(p.value(kTrumpSuit)) ? 0 : kShownAnnouncement1;
    case ShownImages::kComputerPassedAgain:
        return first == image::kComputerPassesAgain ? 0 : kShownAnnouncement1;
    case ShownImages::kOtherSuits:
        break;
    }
    // The suit buttons offer the suits the human may name, and name what they show.
    const std::array<int, 3> others = OtherSuitsOf(p.turnedUpSuit());
    for (std::size_t k = 0; k < others.size(); ++k) {
        const int n = kShownAnnouncement1 + static_cast<int>(k);
        if (p.value(n) != others[k])
            return n;
        if (p.value(kOfferedSuit1 + static_cast<int>(k)) != others[k])
            return kOfferedSuit1 + static_cast<int>(k);
    }
    return 0;
}

/// The suit taken in the first round is marked beside the talon at once, but when the
/// computer took it after the human had passed: the exchange prompts tell who took it.
int FirstOffTaken(const SavedPosition& p)
{
    if (!p.stands({ PromptState::kSevenExchangeOffer, PromptState::kComputerExchangedSeven }))
        return 0;
    const bool afterPass = p.value(kFirstHand) == kHuman && p.value(kToMove) == kComputer;
    return p.value(kTrumpMarkPos) == (afterPass ? kTrumpMarkNone : kTrumpMarkSpot1) ? 0 : kTrumpMarkPos;
}

/// A hanging tie skips the bidding: the tied side takes the turned-up suit and leads.
int FirstOffTie(const SavedPosition& p, const PromptRule& rule)
{
    const int tie = p.value(kHangingTie);
    if (tie == g_noHangingTie)
        return 0;
    if (rule.bidding)
        return kHangingTie;
    const DealPhase phase = p.phase();
    if (phase != DealPhase::kDeclarations && phase != DealPhase::kTricks)
        return 0;
    if (p.value(kFirstHand) != tie)
        return kFirstHand;
    if (phase == DealPhase::kDeclarations && p.value(kToMove) != tie)
        return kToMove;
    return 0;
}

} // namespace

QString WaitingValueProblem(const SavedPosition& p)
{
    const PromptRule& rule = RuleOfWaiting(p);
    for (const int n :
        { FirstOffRule(p, rule), FirstOffShown(p, rule.shown), FirstOffTaken(p), FirstOffTie(p, rule) })
        if (n != 0)
            return Mismatch(p, n, p.waitingName());
    return {};
}
