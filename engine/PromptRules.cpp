#include "engine/PromptRules.h"

#include "engine/CardTable.h"
#include "engine/GameState.h"

#include <algorithm>
#include <array>

namespace {

using enum PromptState;
using enum DealPhase;

constexpr ImageRule Fixed(int image)
{
    return { StandingImage::kFixed, image };
}

constexpr int kBeforeTalon = MarkAt(kTrumpMarkNone);
constexpr int kBesideTalon = MarkAt(kTrumpMarkSpot1);
constexpr int kAtDeck = MarkAt(kTrumpMarkSpot2);

/// The prompts in their order, each with the last caption or image its posing draws and
/// the values of the deal it decides (the rest as PromptRule's defaults).
constexpr std::array<PromptRule, 19> kRules { {
    { .state = kHumanBidsFirst,
        .phase = kFirstDeal,
        .stands = Fixed(image::kCaptionPass),
        .bidding = true,
        .firstHand = SideRule::kHuman },
    { .state = kComputerBidFirst,
        .phase = kFirstDeal,
        .stands = { StandingImage::kComputerBid },
        .bidding = true,
        .firstHand = SideRule::kComputer,
        .shown = ShownImages::kComputerBid },
    // The taken suit is marked beside the talon, but not yet when the computer took it
    // after the human's pass.
    { .state = kSevenExchangeOffer,
        .phase = kFirstDeal,
        .stands = Fixed(image::kCaptionKeep),
        .bidding = true,
        .toMove = SideRule::kEither,
        .trumpMarks = kBeforeTalon | kBesideTalon,
        .sevenRaised = kHuman },
    { .state = kComputerExchangedSeven,
        .phase = kFirstDeal,
        .stands = Fixed(image::kCaptionAcknowledge),
        .bidding = true,
        .toMove = SideRule::kEither,
        .trumpMarks = kBeforeTalon | kBesideTalon,
        .sevenRaised = kComputer },
    { .state = kComputerAnsweredPass,
        .phase = kFirstDeal,
        .stands = { StandingImage::kComputerBid },
        .bidding = true,
        .firstHand = SideRule::kHuman,
        .shown = ShownImages::kComputerBid },
    { .state = kHumanAnswersPass,
        .phase = kFirstDeal,
        .stands = Fixed(image::kCaptionPass),
        .bidding = true,
        .firstHand = SideRule::kComputer,
        .shown = ShownImages::kComputerPassed },
    { .state = kHumanNamesOrPasses,
        .phase = kFirstDeal,
        .stands = Fixed(image::kCaptionPass),
        .bidding = true,
        .firstHand = SideRule::kHuman,
        .shown = ShownImages::kOtherSuits },
    // The suit the computer had to name is marked before it is acknowledged; the suits the
    // human passed over stay in the middle rows.
    { .state = kComputerNamedAfterPass,
        .phase = kFirstDeal,
        .stands = Fixed(image::kCaptionAcknowledge),
        .bidding = true,
        .firstHand = SideRule::kHuman,
        .trumpMarks = kBesideTalon,
        .shown = ShownImages::kOtherSuits,
        .formerly = { StandingImage::kNamedSuit } },
    { .state = kComputerNamedFirst,
        .phase = kFirstDeal,
        .stands = Fixed(image::kCaptionAcknowledge),
        .bidding = true,
        .toMove = SideRule::kComputer,
        .firstHand = SideRule::kComputer,
        .trumpMarks = kBesideTalon,
        .shown = ShownImages::kNamedSuit,
        .formerly = { StandingImage::kNamedSuit } },
    { .state = kComputerPassedAgain,
        .phase = kFirstDeal,
        .stands = Fixed(image::kCaptionAcknowledge),
        .bidding = true,
        .firstHand = SideRule::kComputer,
        .shown = ShownImages::kComputerPassedAgain,
        .formerly = Fixed(image::kComputerPassesAgain) },
    // The suit buttons are glyphs, not images: the question is the last image.
    { .state = kHumanMustName,
        .phase = kFirstDeal,
        .stands = Fixed(image::kMustName),
        .bidding = true,
        .firstHand = SideRule::kComputer,
        .shown = ShownImages::kOtherSuits },
    { .state = kHumanDeclares,
        .phase = kDeclarations,
        .stands = Fixed(image::kCaptionNo),
        .toMove = SideRule::kEither,
        .trumpMarks = kAtDeck,
        .showing = Shows(kHuman),
        .shown = ShownImages::kDeclarations },
    { .state = kComputerDeclares,
        .phase = kDeclarations,
        .stands = Fixed(image::kCaptionAcknowledge),
        .toMove = SideRule::kEither,
        .trumpMarks = kAtDeck,
        .showing = Shows(kComputer),
        .shown = ShownImages::kDeclarations },
    { .state = kBothDeclare,
        .phase = kDeclarations,
        .stands = Fixed(image::kCaptionNo),
        .toMove = SideRule::kEither,
        .trumpMarks = kAtDeck,
        .showing = Shows(kHuman) | Shows(kComputer),
        .shown = ShownImages::kDeclarations },
    // The human's queen or king is played, on the computer's lead or as his own.
    { .state = kPairOnAnswer,
        .phase = kTricks,
        .stands = Fixed(image::kCaptionNo),
        .toMove = SideRule::kHuman,
        .trumpMarks = kAtDeck,
        .humanFollows = 1 },
    { .state = kPairOnLead,
        .phase = kTricks,
        .stands = Fixed(image::kCaptionNo),
        .toMove = SideRule::kComputer,
        .trumpMarks = kAtDeck },
    // The panel's close mark over a cleared table; the next deal deals anew.
    { .state = kDealResult,
        .phase = kDealOver,
        .stands = Fixed(image::kCaptionAcknowledge),
        .toMove = SideRule::kAny },
    // Six trumps are found before any bid.
    { .state = kHumanSixTrumps,
        .phase = kFirstDeal,
        .stands = Fixed(image::kCaptionAcknowledge),
        .showing = Shows(kHuman) },
    { .state = kComputerSixTrumps,
        .phase = kFirstDeal,
        .stands = Fixed(image::kCaptionAcknowledge),
        .showing = Shows(kComputer) },
} };

/// The image a rule names with that bid shown and that trump; image::kNone for none, or
/// for a bid that is no bid.
int ImageOf(const ImageRule& rule, int shownBid, int trumpSuit)
{
    switch (rule.kind) {
    case StandingImage::kNone:
        return image::kNone;
    case StandingImage::kFixed:
        return rule.image;
    case StandingImage::kComputerBid:
        return shownBid == image::kComputerTakes || shownBid == image::kComputerPasses ? shownBid
                                                                                       : image::kNone;
    case StandingImage::kNamedSuit:
        return image::ComputerNamesSuit(trumpSuit);
    }
    return image::kNone;
}

} // namespace

const PromptRule* RuleOf(PromptState state)
{
    const auto rule = std::ranges::find(kRules, state, &PromptRule::state);
    return rule == kRules.end() ? nullptr : &*rule;
}

bool StandsWithImage(PromptState state, int announcement, int shownBid, int trumpSuit)
{
    const PromptRule* rule = RuleOf(state);
    return rule && announcement != image::kNone
        && (announcement == ImageOf(rule->stands, shownBid, trumpSuit)
            || announcement == ImageOf(rule->formerly, shownBid, trumpSuit));
}

void MarkPromptPosed(PromptState state)
{
    g_promptState = state;
    const PromptRule* rule = RuleOf(state);
    g_announcement = rule ? ImageOf(rule->stands, g_shownAnnouncement1, g_trumpSuit) : image::kNone;
}

bool EmptyAfterGame(PromptState beneathOverlays, int announcement, int humanCount, int computerCount)
{
    return beneathOverlays == kDealResult && announcement == image::kNone && humanCount == 0
        && computerCount == 0;
}

bool EndedGameStands()
{
    const CoveredPrompt beneath = PromptBeneathOverlays();
    return g_gameOver == 1
        || EmptyAfterGame(beneath.state, beneath.announcement, g_humanCount, g_computerCount);
}
