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

/// The prompts in their order, each with the last caption or image its posing draws.
constexpr std::array<PromptRule, 19> kRules { {
    { kHumanBidsFirst, kFirstDeal, Fixed(image::kCaptionPass), false },
    { kComputerBidFirst, kFirstDeal, { StandingImage::kComputerBid }, false },
    { kSevenExchangeOffer, kFirstDeal, Fixed(image::kCaptionKeep), true },
    { kComputerExchangedSeven, kFirstDeal, Fixed(image::kCaptionAcknowledge), true },
    { kComputerAnsweredPass, kFirstDeal, { StandingImage::kComputerBid }, false },
    { kHumanAnswersPass, kFirstDeal, Fixed(image::kCaptionPass), false },
    { kHumanNamesOrPasses, kFirstDeal, Fixed(image::kCaptionPass), false },
    { kComputerNamedAfterPass, kFirstDeal, Fixed(image::kCaptionAcknowledge), false,
        { StandingImage::kNamedSuit } },
    { kComputerNamedFirst, kFirstDeal, Fixed(image::kCaptionAcknowledge), false,
        { StandingImage::kNamedSuit } },
    { kComputerPassedAgain, kFirstDeal, Fixed(image::kCaptionAcknowledge), false,
        Fixed(image::kComputerPassesAgain) },
    // The suit buttons are glyphs, not images: the question is the last image.
    { kHumanMustName, kFirstDeal, Fixed(image::kMustName), false },
    { kHumanDeclares, kDeclarations, Fixed(image::kCaptionNo), true },
    { kComputerDeclares, kDeclarations, Fixed(image::kCaptionAcknowledge), true },
    { kBothDeclare, kDeclarations, Fixed(image::kCaptionNo), true },
    { kPairOnAnswer, kTricks, Fixed(image::kCaptionNo), false },
    { kPairOnLead, kTricks, Fixed(image::kCaptionNo), false },
    // The panel's close mark.
    { kDealResult, kDealOver, Fixed(image::kCaptionAcknowledge), false },
    { kHumanSixTrumps, kFirstDeal, Fixed(image::kCaptionAcknowledge), false },
    { kComputerSixTrumps, kFirstDeal, Fixed(image::kCaptionAcknowledge), false },
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
