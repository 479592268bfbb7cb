#pragma once

#include "engine/PromptState.h"

/// Where in a deal a prompt stands and what it stands with. The deal poses each prompt at one
/// point of its course only, and leaves in `g_announcement` the image by which the prompt is
/// known while it waits; a saved game is read against the same rules, so that a loaded
/// prompt is one its answer can go on from.

/// The points of a deal's course, as the deck, the hands and the played cards show them.
enum class DealPhase {
    /// Six cards a hand and the rest of the deck under the turned-up card: the bidding, the
    /// trump-seven exchange and six trumps.
    kFirstDeal,
    /// The second deal is in both hands, the top card of the rest turned on the deck, and no
    /// card is played yet: the declarations.
    kDeclarations,
    /// A card lies face up on the rest of the deck and the hands play their tricks.
    kTricks,
    /// The deal is scored and both hands are empty.
    kDealOver,
};

/// What `g_announcement` holds while a prompt stands.
enum class StandingImage {
    /// The image the rule names.
    kFixed,
    /// The computer's first-round take or pass shown at the upper spot (`g_shownAnnouncement1`,
    /// image 15 or 16): the hover tells the two acknowledge buttons apart by it.
    kComputerBid,
    /// The computer's named suit (image 18..21 of the trump suit).
    kNamedSuit,
};

/// The rule of one prompt that a deal poses.
struct PromptRule {
    PromptState state;
    DealPhase phase;
    StandingImage shows;
    /// With kFixed: the image 1..38 (the last caption or image the prompt draws).
    int image;
    /// The answer goes on into the start of play, which the side in `g_toMove` leads as the
    /// side that took the trump: that side must be known.
    bool startsPlay;
};

/// The rule of a prompt a deal poses (1..17, 20, 21); nullptr for 0 and the overlays 18, 19,
/// which stand over a prompt rather than in a deal.
const PromptRule* RuleOf(PromptState state);

/// The image `g_announcement` holds while the prompt stands, with that computer's bid shown
/// and that trump suit 1..4; image::kNone for a prompt without a rule, or a bid that is no bid.
int StandingImageOf(PromptState state, int shownBid, int trumpSuit);

/// The prompt is drawn and waits for its answer: `g_promptState` is set, and
/// `g_announcement` holds its standing image.
void MarkPromptPosed(PromptState state);
