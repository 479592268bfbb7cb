#include "app/files/PositionChecks.h"
#include "app/files/SavedPosition.h"

#include "engine/CardValues.h"
#include "engine/Declarations.h"
#include "engine/GameState.h"
#include "engine/RunSearch.h"
#include "engine/SixTrumps.h"
#include "engine/TrickRules.h"

#include <algorithm>

namespace {

using namespace saved;

const QString kCards = QStringLiteral("с картами");
const QString kTakenTricks = QStringLiteral("со взятками");

/// A card field that does not follow from the cards: «поле f карты c (v) ...».
QString FieldMismatch(const SavedPosition& p, int card, std::size_t field)
{
    return QStringLiteral("поле %1 карты %2 (%3) не согласуется с картами")
        .arg(kSavedCardFields[field])
        .arg(card)
        .arg(p.field(card, field));
}

/// What the deal has dealt each side, and the runs the declarations found in it: every card
/// of a side's hand, held or played, under the trump.
struct DealtHands {
    std::vector<int> human;
    std::vector<int> computer;
    RunsOfHand humanRuns;
    RunsOfHand computerRuns;
    DeclarationCase which;

    explicit DealtHands(const SavedPosition& p)
        : human(p.cardsOf(kInHumanHand))
        , computer(p.cardsOf(kInComputerHand))
        , humanRuns(FindRuns(human, p.value(kTrumpSuit)))
        , computerRuns(FindRuns(computer, p.value(kTrumpSuit)))
        , which(CompareRuns(humanRuns.runs, computerRuns.runs))
    {
    }
};

/// The run marks of every card dealt to a hand are those of the declarations' search.
QString RunMarksProblem(const SavedPosition& p, const DealtHands& dealt)
{
    for (const auto& [cards, runs] :
        { std::pair(&dealt.human, &dealt.humanRuns), std::pair(&dealt.computer, &dealt.computerRuns) })
        for (const int card : *cards) {
            const int mark = runs->inRun[static_cast<std::size_t>(card)] ? 1 : 0;
            for (const std::size_t field : { kInRunField, kShownField })
                if (p.field(card, field) != mark)
                    return FieldMismatch(p, card, field);
        }
    return {};
}

/// The cards of the human's hand the computer has seen so far.
enum class Seen {
    kNone, ///< the first deal: none
    kTaken, ///< the declarations: the card he took for his trump seven
    kTakenAndDeclared, ///< play: that card, and the runs he was asked to declare
};

/// Each card the computer has seen of the human's hand: the turned-up card he took for his
/// trump seven (a trump, the seven then lies turned up), once the second deal is dealt; and
/// from his answer to the declarations on, the runs he showed, if his runs scored and he was
/// asked about them.
QString SeenProblem(const SavedPosition& p, Seen seen, bool asked = false)
{
    const int trump = p.value(kTrumpSuit);
    const bool exchanged = seen != Seen::kNone && p.value(kTrumpCard) == CardOf(kRankSeven, trump);
    const bool declared = seen == Seen::kTakenAndDeclared && asked;
    int taken = 0;
    for (const int card : p.humanCards()) {
        if (p.played(card))
            continue;
        const bool isSeen = p.status(card) == kStatusSeen;
        if (declared && p.field(card, kShownField) == 1) {
            if (!isSeen)
                return FieldMismatch(p, card, kStatusField);
            continue;
        }
        if (isSeen && (!exchanged || SuitOf(card) != trump || ++taken > 1))
            return FieldMismatch(p, card, kStatusField);
    }
    return {};
}

/// Nothing is played yet: no points, no trick taken, no suit missed.
int FirstOffNoTrickYet(const SavedPosition& p)
{
    for (const int n :
        { kHumanDealPoints, kComputerDealPoints, kHumanTookTrick, kComputerTookTrick, kHumanNoTrumps })
        if (p.value(n) != 0)
            return n;
    return 0;
}

/// The first deal: six trumps of the turned-up suit are found at once and shown whole.
QString FirstDealProblem(const SavedPosition& p)
{
    const int suit = p.turnedUpSuit();
    const std::span<const int> computerCards = p.computerCards();
    const bool human = HoldsSixTrumps(p.humanCards(), suit);
    const bool computer = !human && HoldsSixTrumps(computerCards, suit);
    if (p.value(kHumanSixTrumps) != (human ? 1 : 0))
        return Mismatch(p, kHumanSixTrumps, kCards);
    if (p.value(kComputerSixTrumps) != (computer ? 1 : 0))
        return Mismatch(p, kComputerSixTrumps, kCards);
    if (human || computer)
        for (const int card : human ? p.humanCards() : computerCards)
            if (p.field(card, kShownField) != 1)
                return FieldMismatch(p, card, kShownField);
    if (const int n = FirstOffNoTrickYet(p); n != 0)
        return Mismatch(p, n, kCards);
    return SeenProblem(p, Seen::kNone);
}

/// The declarations: each side's runs as found, the prompt of the side whose runs score
/// with the images of the runs shown, and the trump pairs held.
QString DeclarationsProblem(const SavedPosition& p, const DealtHands& dealt)
{
    const RunSearchResult& human = dealt.humanRuns.runs;
    const RunSearchResult& computer = dealt.computerRuns.runs;
    const bool equal
        = dealt.which == DeclarationCase::kEqualFifties || dealt.which == DeclarationCase::kEqualTwenties;
    const bool asked = p.stands({ PromptState::kHumanDeclares }) ? HumanRunsScore(dealt.which)
        : p.stands({ PromptState::kComputerDeclares })           ? ComputerRunsScore(dealt.which) && !equal
                                                                 : equal;
    if (!asked)
        return Mismatch(p, kPromptState, kCards);
    // Only the computer that chose trump holds back equal runs, and it then counts none.
    const bool heldBack = p.stands({ PromptState::kHumanDeclares }) && equal;
    if (heldBack && p.value(kToMove) != kComputer)
        return Mismatch(p, kToMove, kCards);
    const bool both = p.stands({ PromptState::kBothDeclare });
    const std::array<std::pair<int, int>, 10> values { {
        { kHumanFifties, human.fifties },
        { kHumanTwenties, human.twenties },
        { kComputerFifties, heldBack ? 0 : computer.fifties },
        { kComputerTwenties, heldBack ? 0 : computer.twenties },
        { kHumanTrumpPair, HoldsTrumpPair(dealt.human, p.value(kTrumpSuit)) ? 1 : 0 },
        { kComputerTrumpPair, HoldsTrumpPair(dealt.computer, p.value(kTrumpSuit)) ? 1 : 0 },
        { kShownAnnouncement1,
            p.stands({ PromptState::kComputerDeclares }) ? ComputerImage(computer) : HumanImage(human) },
        { kShownAnnouncement2, both ? ComputerImage(computer) : image::kNone },
        { kHumanDeclPoints, 0 },
        { kComputerDeclPoints, 0 },
    } };
    for (const auto& [n, expected] : values)
        if (p.value(n) != expected)
            return Mismatch(p, n, kCards);
    if (const int n = FirstOffNoTrickYet(p); n != 0)
        return Mismatch(p, n, kCards);
    if (QString problem = RunMarksProblem(p, dealt); !problem.isEmpty())
        return problem;
    return SeenProblem(p, Seen::kTaken);
}

/// Declared points are a side's runs when they scored and it declared them, else none.
QString DeclaredPointsProblem(const SavedPosition& p, const DealtHands& dealt)
{
    const auto off = [&](int n, const RunSearchResult& runs, bool score) {
        const int points = p.value(n);
        return points != 0 && !(score && points == DeclarationPoints(runs.fifties, runs.twenties));
    };
    if (off(kHumanDeclPoints, dealt.humanRuns.runs, HumanRunsScore(dealt.which)))
        return Mismatch(p, kHumanDeclPoints, kCards);
    if (off(kComputerDeclPoints, dealt.computerRuns.runs, ComputerRunsScore(dealt.which)))
        return Mismatch(p, kComputerDeclPoints, kCards);
    return {};
}

/// A side's trump pair flag: set for a trump queen and king dealt to its hand, and dropped
/// only when one of them is played; the human's also while his card of it is questioned.
bool PairFlagOff(const SavedPosition& p, int n, const std::vector<int>& dealt)
{
    const int trump = p.value(kTrumpSuit);
    const int queen = CardOf(kRankQueen, trump);
    const int king = CardOf(kRankKing, trump);
    const bool held = HoldsTrumpPair(dealt, trump);
    if (p.value(n) == 1)
        return !held || (n == kHumanTrumpPair && p.pairQuestion());
    return held && !p.played(queen) && !p.played(king);
}

/// The trump pairs, and the computer's pair label, which stands over its lead of the pair
/// it announced with it.
QString PairProblem(const SavedPosition& p, const DealtHands& dealt)
{
    if (PairFlagOff(p, kHumanTrumpPair, dealt.human))
        return Mismatch(p, kHumanTrumpPair, kCards);
    if (PairFlagOff(p, kComputerTrumpPair, dealt.computer))
        return Mismatch(p, kComputerTrumpPair, kCards);
    const int led = p.value(kComputerTableCard);
    const bool pairLed = IsCard(led) && SuitOf(led) == p.value(kTrumpSuit)
        && (RankOf(led) == kRankQueen || RankOf(led) == kRankKing);
    if (p.value(kComputerPairShown) == 1
        && !(pairLed && HoldsTrumpPair(dealt.computer, p.value(kTrumpSuit))
            && p.value(kComputerTrumpPair) == 0))
        return Mismatch(p, kComputerPairShown, kCards);
    return {};
}

/// Whether the trump pair's points have been given: the side dealt the trump queen and king
/// announced them, its flag dropping as one of them was played, and the trick they were
/// announced in is decided. The human's question is not yet answered; the computer's lead of
/// the pair waits for the human's answer.
bool PairPointsGiven(const SavedPosition& p, const DealtHands& dealt)
{
    const int trump = p.value(kTrumpSuit);
    const bool onePlayed = p.played(CardOf(kRankQueen, trump)) || p.played(CardOf(kRankKing, trump));
    if (HoldsTrumpPair(dealt.human, p.value(kTrumpSuit)))
        return p.value(kHumanTrumpPair) == 0 && onePlayed && !p.pairQuestion();
    if (HoldsTrumpPair(dealt.computer, p.value(kTrumpSuit)))
        return p.value(kComputerTrumpPair) == 0 && onePlayed && p.value(kComputerPairShown) == 0;
    return false;
}

/// Deal points that do not follow from the deal's play.
QString PointsMismatch(const SavedPosition& p)
{
    return QStringLiteral("очки сдачи (%1 и %2) не сходятся с её игрой")
        .arg(p.value(kHumanDealPoints))
        .arg(p.value(kComputerDealPoints));
}

/// Both sides' deal points are those that the deal's play gave out, with the points of a
/// trump pair announced, which one side or the other took with its trick.
QString PointsProblem(const SavedPosition& p, const DealtHands& dealt, int given)
{
    const int human = p.value(kHumanDealPoints);
    const int computer = p.value(kComputerDealPoints);
    const int pair = PairPointsGiven(p, dealt) ? kTrumpPairPoints : 0;
    if (human < 0 || computer < 0 || human + computer != given + pair)
        return PointsMismatch(p);
    return {};
}

/// The tricks: the points both sides took are those of the tricks played, with an announced
/// pair's and the last trick's; the side that leads the trick in play took the last one,
/// or took the trump when none is played yet; a side that took no trick has no points.
QString TakenProblem(const SavedPosition& p, const DealtHands& dealt)
{
    const int trump = p.value(kTrumpSuit);
    // The card led to the trick in play, not yet taken: the computer's awaiting the human's
    // answer, or the human's own lead under the pair question.
    int pending = kNoCard;
    if (p.waiting() == Waiting::kPlay && p.value(kHumanFollows) == 1)
        pending = p.value(kComputerTableCard);
    const auto held = p.humanCards();
    const auto questioned = std::ranges::find_if(held, [&](int card) { return p.played(card); });
    if (p.stands({ PromptState::kPairOnLead }) && questioned != held.end())
        pending = *questioned;
    int played = 0;
    int points = 0;
    for (int card = 1; card <= g_deckSize; ++card)
        if (p.played(card) && card != pending) {
            ++played;
            points += CardPoints(card, trump);
        }
    const bool answered = p.stands({ PromptState::kPairOnAnswer });
    if (answered && p.computerCount() == 0)
        points += kLastTrickBonus;
    if (QString problem = PointsProblem(p, dealt, points); !problem.isEmpty())
        return problem;

    const int human = p.value(kHumanDealPoints);
    const int computer = p.value(kComputerDealPoints);
    const int tricks = played / 2;
    const bool humanTook = p.value(kHumanTookTrick) == 1;
    const bool computerTook = p.value(kComputerTookTrick) == 1;
    if ((human != 0 && !humanTook) || (tricks == 0 && humanTook))
        return Mismatch(p, kHumanTookTrick, kTakenTricks);
    if ((computer != 0 && !computerTook) || (tricks == 0 && computerTook))
        return Mismatch(p, kComputerTookTrick, kTakenTricks);
    if (tricks > 0 && !humanTook && !computerTook)
        return Mismatch(p, kHumanTookTrick, kTakenTricks);

    const bool humanLeads = p.stands({ PromptState::kPairOnLead })
        || (p.waiting() == Waiting::kPlay && p.value(kHumanFollows) == 0);
    const int leader = humanLeads ? kHuman : kComputer;
    const int before = tricks - (answered ? 1 : 0);
    const int taker = p.value(kTaker);
    const int tie = p.value(kHangingTie);
    if ((taker != kHuman && taker != kComputer) || (before == 0 && taker != leader)
        || (tie != g_noHangingTie && taker != tie))
        return Mismatch(p, kTaker, kTakenTricks);
    if (before > 0 && p.value(leader == kHuman ? kHumanTookTrick : kComputerTookTrick) != 1)
        return Mismatch(p, leader == kHuman ? kHumanTookTrick : kComputerTookTrick, kTakenTricks);
    if (answered && questioned != held.end()) {
        const int ledCard = p.value(kComputerTableCard);
        const bool humanWins = AnswerTakesTrick(SuitOf(ledCard), CardStrength(ledCard, trump),
            SuitOf(*questioned), CardStrength(*questioned, trump), trump);
        if (!(humanWins ? humanTook : computerTook))
            return Mismatch(p, humanWins ? kHumanTookTrick : kComputerTookTrick, kTakenTricks);
    }
    return {};
}

/// The human shows he holds no trump only by answering with neither the led suit nor one.
QString NoTrumpsProblem(const SavedPosition& p)
{
    const int trump = p.value(kTrumpSuit);
    const auto held = p.humanCards();
    if (p.value(kHumanNoTrumps) == 1
        && std::ranges::any_of(held, [trump](int card) { return SuitOf(card) == trump; }))
        return Mismatch(p, kHumanNoTrumps, kCards);
    return {};
}

/// Play: the tricks taken, the pairs, the declared points, what the human showed.
QString TricksProblem(const SavedPosition& p, const DealtHands& dealt)
{
    for (const QString& problem :
        { RunMarksProblem(p, dealt), DeclaredPointsProblem(p, dealt), PairProblem(p, dealt),
            NoTrumpsProblem(p), SeenProblem(p, Seen::kTakenAndDeclared, HumanRunsScore(dealt.which)) })
        if (!problem.isEmpty())
            return problem;
    return TakenProblem(p, dealt);
}

/// A scored deal: six trumps scored 360 for their holder; any other deal the points of its
/// played cards and its last trick, its declarations and a pair announced.
QString ScoredDealProblem(const SavedPosition& p, const DealtHands& dealt)
{
    const int human = p.value(kHumanDealPoints);
    const int computer = p.value(kComputerDealPoints);
    const bool humanSix = p.value(kHumanSixTrumps) == 1;
    const bool computerSix = p.value(kComputerSixTrumps) == 1;
    if (humanSix || computerSix) {
        const bool scored = humanSix != computerSix && human == (humanSix ? kSixTrumpsPoints : 0)
            && computer == (computerSix ? kSixTrumpsPoints : 0);
        return scored ? QString() : PointsMismatch(p);
    }
    if (QString problem = DeclaredPointsProblem(p, dealt); !problem.isEmpty())
        return problem;
    int points = kLastTrickBonus + p.value(kHumanDeclPoints) + p.value(kComputerDeclPoints);
    for (int card = 1; card <= g_deckSize; ++card)
        if (p.played(card))
            points += CardPoints(card, p.value(kTrumpSuit));
    return PointsProblem(p, dealt, points);
}

} // namespace

QString DealProgressProblem(const SavedPosition& p)
{
    switch (p.phase()) {
    case DealPhase::kFirstDeal:
        return FirstDealProblem(p);
    case DealPhase::kDeclarations:
        return DeclarationsProblem(p, DealtHands(p));
    case DealPhase::kTricks:
        return TricksProblem(p, DealtHands(p));
    case DealPhase::kDealOver:
        break;
    }
    return ScoredDealProblem(p, DealtHands(p));
}
