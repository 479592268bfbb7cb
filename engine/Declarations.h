#pragma once

#include "engine/PromptState.h"
#include "engine/RunSearch.h"

/// Which side's runs score after the second deal: fifties are compared first (by each
/// side's best), twenties only when neither side holds a fifty.
enum class DeclarationCase {
    kNone, ///< no runs at all: nobody declares
    kHumanFifty, ///< the human's best fifty is better: only he declares
    kComputerFifty, ///< the computer's best fifty is better: only it declares
    kEqualFifties, ///< equal best fifties: the human declares; the computer may too
    kHumanTwenty, ///< no fifties, the human's best twenty is better
    kComputerTwenty, ///< no fifties, the computer's best twenty is better; it may hold it back
    kEqualTwenties, ///< no fifties, equal best twenties: the human declares; the computer may too
};

/// Which side's runs are better, from each side's runs.
DeclarationCase CompareRuns(const RunSearchResult& human, const RunSearchResult& computer);
/// Whether the side's runs score in that case: its own is better, or both are equal.
bool HumanRunsScore(DeclarationCase which);
bool ComputerRunsScore(DeclarationCase which);

/// True when the cards hold the queen and the king of the trump suit 1..4: the trump pair.
bool HoldsTrumpPair(std::span<const int> cards, int trumpSuit);

/// The image a side shows for its runs: 10 (23) for twenties only, 11 (24) for fifties
/// only, 12 (25) for both, the human's (the computer's).
int HumanImage(const RunSearchResult& human);
int ComputerImage(const RunSearchResult& computer);

/// What the declarations sequence shows and asks.
struct DeclarationOutcome {
    /// Which side's runs are better.
    DeclarationCase which = DeclarationCase::kNone;
    /// The side's cards with `shown` set move out of its row.
    bool humanShows = false;
    bool computerShows = false;
    /// The human's image (10 twenty, 11 fifty, 12 fifty and twenty) at the centre spot, and
    /// the computer's (23, 24, 25) at the upper spot; image::kNone for a side that does
    /// not show. The computer's is drawn and voiced first.
    int humanImage = image::kNone;
    int computerImage = image::kNone;
    /// The images kept on the table for redraws: the shown side's in the first; when both
    /// show, the human's in the first and the computer's in the second.
    int shownAnnouncement1 = image::kNone;
    int shownAnnouncement2 = image::kNone;
    /// Prompt to pose: kHumanDeclares, kComputerDeclares or kBothDeclare; kNone when
    /// nothing is shown and play starts at once.
    PromptState prompt = PromptState::kNone;
};

/// The decision part of the declarations, run once per deal after the second deal: resets
/// the run counts, the computer's bonus flags and both sides' declaration points; sets the
/// trump-pair flags (the hand holds the trump queen and king), `g_otherSuit1`..3, the run
/// counts and the cards' run marks (both hands); compares the best runs and, in the cases
/// where it may hold back and the computer chose trump (`g_toMove` = kComputer), sets
/// `g_equalFifties` or `g_equalTwenties` and asks ComputerKeepsDeclaration. Leaves the
/// points to the prompt's answer and the drawing, `g_humanShowing`, `g_computerShowing`,
/// `g_shownAnnouncement1`..2, `g_announcement` and `g_promptState` to the caller.
DeclarationOutcome DecideDeclarations();

/// Whether the computer, having chosen trump, shows its runs: true = it shows them; false =
/// it holds them back, and `g_computerFifties` and `g_computerTwenties` are set to 0.
/// Weighs its runs and trump bonuses (less when the best runs are equal) and, failing
/// that, its trump length and the other points of its hand against `g_extraCards`. Sets
/// `g_computerHasTrumpJack`, `g_computerHasTrumpNine` and `g_computerHasTrumpPair`.
bool ComputerKeepsDeclaration();
