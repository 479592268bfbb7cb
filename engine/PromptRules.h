#pragma once

#include "engine/CardTable.h"
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
    /// Nothing: no image is named.
    kNone,
    /// The image the rule names.
    kFixed,
    /// The computer's first-round take or pass shown at the upper spot (`g_shownAnnouncement1`,
    /// image 15 or 16): the hover tells the two acknowledge buttons apart by it.
    kComputerBid,
    /// The computer's named suit (image 18..21 of the trump suit).
    kNamedSuit,
};

/// One image a prompt may stand with.
struct ImageRule {
    StandingImage kind = StandingImage::kNone;
    /// With kFixed: the image 1..38.
    int image = 0;
};

/// Which side a value names while the game waits.
enum class SideRule {
    kNobody, ///< 0: no side yet
    kHuman,
    kComputer,
    kEither, ///< the human or the computer
    kAny, ///< whatever the deal left there: play sets it anew before it is read
};

/// What the three shown announcements (`g_shownAnnouncement1`..3) hold while a prompt waits.
enum class ShownImages {
    /// What earlier prompts left: no redraw and no answer of this prompt reads them.
    kAny,
    /// The first: the computer's first-round bid, image 15 or 16, whichever it chose.
    kComputerBid,
    /// The first: the computer's first-round pass, image 15.
    kComputerPassed,
    /// The three suits other than the turned-up one, in ascending order; the suit buttons
    /// (`g_offeredSuit1`..3) name the same.
    kOtherSuits,
    /// The first: the suit the computer named, image 18..21 of the trump.
    kNamedSuit,
    /// The first: the computer's second pass, image 17.
    kComputerPassedAgain,
    /// The first and the second: the images of the runs shown, the human's first.
    kDeclarations,
};

/// `g_trumpMarkPos` values a prompt allows, as bits 1 << place.
constexpr int MarkAt(int place)
{
    return 1 << place;
}

/// The sides that show their cards out of their rows, as bits 1 << side.
constexpr int Shows(int side)
{
    return 1 << side;
}

/// The rule of one prompt that a deal poses: where it stands, what it stands with, and the
/// values of the deal that posing it decides.
struct PromptRule {
    PromptState state;
    DealPhase phase;
    /// What posing the prompt, and a redraw of it, leave: the last caption or image drawn,
    /// but the computer's bid where the hover reads it.
    ImageRule stands;
    /// The prompt belongs to the trump bidding, which a hanging tie skips.
    bool bidding = false;
    /// `g_toMove`: nobody until a side takes the trump; the side that took it where the
    /// answer goes on with it into the start of play.
    SideRule toMove = SideRule::kNobody;
    /// `g_firstHand`, the side that spoke first in the bidding.
    SideRule firstHand = SideRule::kEither;
    /// `g_trumpMarkPos`: no glyph until the trump is fixed, beside the talon (1) then, and at
    /// the deck (2) from the second deal on.
    int trumpMarks = MarkAt(kTrumpMarkNone);
    /// `g_humanShowing` and `g_computerShowing`: declared runs or six trumps out of the row.
    int showing = 0;
    /// `g_humanSevenRaised` or `g_computerSevenRaised`: the side whose seven is offered.
    int sevenRaised = kNoSide;
    /// `g_humanFollows`: the human's card answers the computer's lead on the table.
    int humanFollows = 0;
    ShownImages shown = ShownImages::kAny;
    /// What earlier versions of the game left instead while the prompt stood, and their
    /// saves still hold: the computer's bid above the acknowledge caption.
    ImageRule formerly {};
};

/// The rule of a prompt a deal poses (1..17, 20, 21); nullptr for 0 and the overlays 18, 19,
/// which stand over a prompt rather than in a deal.
const PromptRule* RuleOf(PromptState state);

/// True when a prompt of a deal may stand with that image in `g_announcement`, the
/// computer's bid `shownBid` shown and that trump suit 1..4: the image its posing leaves,
/// or the one earlier versions of the game left.
bool StandsWithImage(PromptState state, int announcement, int shownBid, int trumpSuit);

/// The prompt is drawn and waits for its answer: `g_promptState` is set, and
/// `g_announcement` holds its standing image.
void MarkPromptPosed(PromptState state);

/// True when the table stands empty after the end of a game that no new game followed: the
/// last deal's result was answered (prompt 17 stands no more, under any overlay) and both
/// hands are empty. No other point of play leaves the table so.
bool EmptyAfterGame(PromptState beneathOverlays, int announcement, int humanCount, int computerCount);

/// True when a game has ended and no new one has followed: its final result panel stands
/// (`g_gameOver`), or the table stands empty after it.
bool EndedGameStands();
