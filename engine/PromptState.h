#pragma once

/// The prompt in force and what the table shows around it: which on-table buttons are
/// live, which announcement images stand, the deck and trump mark, and the overlays'
/// saved prompt. Drawing reads these; the engine's sequences write them.

/// The prompt posed last (`g_promptState`); an answer does not reset it.
enum class PromptState : int {
    kNone = 0, ///< before the first prompt of the run
    kHumanBidsFirst = 1, ///< take or pass the turned-up suit, the human first
    kComputerBidFirst = 2, ///< acknowledge the computer's first-round take or pass
    kSevenExchangeOffer = 3, ///< exchange the human's trump seven or keep it
    kComputerExchangedSeven = 4, ///< acknowledge the computer's exchange
    kComputerAnsweredPass = 5, ///< acknowledge the computer's answer to the human's pass
    kHumanAnswersPass = 6, ///< take or pass after the computer passed first
    kHumanNamesOrPasses = 7, ///< second round, the human first: name a suit or pass
    kComputerNamedAfterPass = 8, ///< acknowledge the suit the computer had to name
    kComputerNamedFirst = 9, ///< acknowledge the suit the computer named first
    kComputerPassedAgain = 10, ///< acknowledge the computer's second pass
    kHumanMustName = 11, ///< second round: the human must name a suit
    kHumanDeclares = 12, ///< only the human's runs score: declare or not
    kComputerDeclares = 13, ///< only the computer's runs score: acknowledge
    kBothDeclare = 14, ///< both sides' runs score: the human declares or not
    kPairOnAnswer = 15, ///< announce the trump pair with the human's answer?
    kPairOnLead = 16, ///< announce the trump pair with the human's lead?
    kDealResult = 17, ///< the deal's result panel: next deal
    kScoreSheet = 18, ///< score sheet overlay: close
    kStatistics = 19, ///< statistics overlay: close
    kHumanSixTrumps = 20, ///< acknowledge the human's six trumps
    kComputerSixTrumps = 21, ///< acknowledge the computer's six trumps
};

/// The hovered on-table button (`g_hotButton`); each button of each prompt has its own number.
enum class PromptButton : int {
    kNone = 0,
    kTake = 1, ///< prompt 1, A
    kPass = 2, ///< prompt 1, B
    kAckComputerTakes = 3, ///< prompt 2 with image 16
    kAckComputerPasses = 4, ///< prompt 2 with image 15
    kExchangeSeven = 5, ///< prompt 3, A
    kKeepSeven = 6, ///< prompt 3, B
    kAckComputerExchange = 7, ///< prompt 4
    kAckComputerTookAfterPass = 8, ///< prompt 5 with image 16
    kAckComputerPassedAfterPass = 9, ///< prompt 5 with image 15
    kTakeAfterComputerPass = 10, ///< prompt 6, A
    kPassAfterComputerPass = 11, ///< prompt 6, B
    kNameSuit1 = 12, ///< prompt 7, suit buttons 1..3
    kNameSuit2 = 13,
    kNameSuit3 = 14,
    kPassSecondRound = 15, ///< prompt 7, B
    kAckComputerNamedAfterPass = 16, ///< prompt 8
    kAckComputerNamedFirst = 17, ///< prompt 9
    kAckComputerPassedAgain = 18, ///< prompt 10
    kMustNameSuit1 = 19, ///< prompt 11, suit buttons 1..3
    kMustNameSuit2 = 20,
    kMustNameSuit3 = 21,
    kDeclareYes = 22, ///< prompt 12, A
    kDeclareNo = 23, ///< prompt 12, B
    kAckComputerDeclares = 24, ///< prompt 13
    kBothDeclareYes = 25, ///< prompt 14, A
    kBothDeclareNo = 26, ///< prompt 14, B
    kPairAnswerYes = 27, ///< prompt 15, A
    kPairAnswerNo = 28, ///< prompt 15, B
    kPairLeadYes = 29, ///< prompt 16, A
    kPairLeadNo = 30, ///< prompt 16, B
    kNextDeal = 31, ///< prompt 17
    kCloseScoreSheet = 32, ///< prompt 18
    kCloseStatistics = 33, ///< prompt 19
    kAckHumanSixTrumps = 34, ///< prompt 20
    kAckComputerSixTrumps = 35, ///< prompt 21
};

/// Announcement images 0..38 (`g_announcement`, `g_shownAnnouncement1`); voice phrase n
/// goes with image n. Images 14, 27 and 38 are not used.
namespace image {
constexpr int kNone = 0;
constexpr int kHumanBidsFirst = 1;
constexpr int kComputerBidsFirst = 2;
constexpr int kNameOrPass = 7;
constexpr int kMustName = 8;
constexpr int kOfferSevenExchange = 9;
constexpr int kHumanTwenty = 10;
constexpr int kHumanFifty = 11;
constexpr int kHumanFiftyAndTwenty = 12;
constexpr int kPairQuestion = 13;
constexpr int kComputerPasses = 15;
constexpr int kComputerTakes = 16;
constexpr int kComputerPassesAgain = 17;
constexpr int kComputerExchangedSeven = 22;
constexpr int kComputerTwenty = 23;
constexpr int kComputerFifty = 24;
constexpr int kComputerFiftyAndTwenty = 25;
constexpr int kComputerPair = 26;
constexpr int kCaptionTake = 28;
constexpr int kCaptionPass = 29;
constexpr int kCaptionExchange = 30;
constexpr int kCaptionKeep = 31;
constexpr int kCaptionYes = 32;
constexpr int kCaptionNo = 33;
constexpr int kCaptionAcknowledge = 34;
constexpr int kHumanLeads = 35;
constexpr int kHumanSixTrumps = 36;
constexpr int kComputerSixTrumps = 37;

/// The turned-up suit 1..4 offered as trump: images 3..6.
constexpr int OfferedSuit(int suit)
{
    return suit + 2;
}
/// The computer names suit 1..4: images 18..21.
constexpr int ComputerNamesSuit(int suit)
{
    return suit + 17;
}
} // namespace image

/// `g_deckShown`: nothing at the deck's place, or the deck with the turned-up card;
/// 1..32 means the rest of the deck with that card face up on it.
constexpr int kDeckNotShown = 0;
constexpr int kDeckWithTurnedUpCard = 100;

/// `g_trumpMarkPos`: no trump glyph, the glyph at mark spot 1 (x = W - 135) or 2 (x = W - 117).
constexpr int kTrumpMarkNone = 0;
constexpr int kTrumpMarkSpot1 = 1;
constexpr int kTrumpMarkSpot2 = 2;

/// The prompt posed last.
inline PromptState g_promptState = PromptState::kNone;
/// The button under the pointer, recorded by the hover logic; the click runs its arm.
inline PromptButton g_hotButton = PromptButton::kNone;
/// Image 0..38 that DrawLabel draws next; nonzero while a prompt is live, and in prompts
/// 2 and 5 the computer's bid image (15 or 16), by which its button is told apart.
inline int g_announcement = image::kNone;
/// Centre of the image DrawLabel draws, in client pixels.
inline int g_announcementX = 0;
inline int g_announcementY = 0;
/// 1 = a highlight was drawn, so a click in a button rectangle goes to the dispatcher; 0/1.
inline int g_buttonsActive = 0;
/// What the middle of the table shows, for redraws: the computer's bid or the shown
/// declarations' images (0..38), or during a suit prompt the three offered suits 1..4.
inline int g_shownAnnouncement1 = 0;
inline int g_shownAnnouncement2 = 0;
inline int g_shownAnnouncement3 = 0;
/// Suits 1..4 on suit buttons 1..3 (0 before any suit prompt).
inline int g_offeredSuit1 = 0;
inline int g_offeredSuit2 = 0;
inline int g_offeredSuit3 = 0;
/// 1 = a click on a hand card plays it; 0/1.
inline int g_humanMayPlay = 0;
/// 1 = label 35 is up: the human leads the next trick; 0/1.
inline int g_humanLeadsTrick = 0;
/// What stands at the deck's place: kDeckNotShown, kDeckWithTurnedUpCard or a card 1..32.
inline int g_deckShown = kDeckNotShown;
/// Where the trump glyph stands: kTrumpMarkNone, kTrumpMarkSpot1 or kTrumpMarkSpot2.
inline int g_trumpMarkPos = kTrumpMarkNone;
/// 1 = the side's shown cards (declaration or six trumps) are drawn moved out of the row; 0/1.
inline int g_humanShowing = 0;
inline int g_computerShowing = 0;
/// 1 = the side's trump seven is drawn out of its row while the exchange prompt stands; 0/1.
inline int g_humanSevenRaised = 0;
inline int g_computerSevenRaised = 0;
/// 1 = the computer's led card lies alone on the table at the lead spot; 0/1.
inline int g_computerCardShown = 0;
/// 1 while the computer's trump-pair label stands on the table; 0/1.
inline int g_computerPairShown = 0;
/// 1 while the score sheet / the statistics overlay is open; 0/1.
inline int g_sheetOpen = 0;
inline int g_statsOpen = 0;
/// The prompt the score sheet interrupted: state, image, may-play and leads flags.
inline PromptState g_sheetSavedPrompt = PromptState::kNone;
inline int g_sheetSavedAnnouncement = 0;
inline int g_sheetSavedMayPlay = 0;
inline int g_sheetSavedLeads = 0;
/// The prompt the statistics overlay interrupted, as above.
inline PromptState g_statsSavedPrompt = PromptState::kNone;
inline int g_statsSavedAnnouncement = 0;
inline int g_statsSavedMayPlay = 0;
inline int g_statsSavedLeads = 0;

/// The prompt values an overlay saves when it opens and restores when it closes.
struct CoveredPrompt {
    /// g_promptState, g_announcement (0..38), g_humanMayPlay and g_humanLeadsTrick (0/1).
    PromptState state;
    int announcement;
    int mayPlay;
    int leads;
};

/// The prompt beneath the open overlays (the one in force when none is open): each open
/// overlay kept the one it covered, and either may lie over the other.
CoveredPrompt PromptBeneathOverlays();

/// Puts every value above back to its value at program start.
void ResetPromptState();
