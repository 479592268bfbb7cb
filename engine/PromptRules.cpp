#include "engine/PromptRules.h"

#include "engine/CardTable.h"

#include <algorithm>
#include <array>

namespace {

using enum PromptState;
using enum DealPhase;
using enum StandingImage;

/// The prompts in their order, each with the last caption or image its posing draws.
constexpr std::array<PromptRule, 19> kRules { {
    { kHumanBidsFirst, kFirstDeal, kFixed, image::kCaptionPass, false },
    { kComputerBidFirst, kFirstDeal, kComputerBid, image::kNone, false },
    { kSevenExchangeOffer, kFirstDeal, kFixed, image::kCaptionKeep, true },
    { kComputerExchangedSeven, kFirstDeal, kFixed, image::kCaptionAcknowledge, true },
    { kComputerAnsweredPass, kFirstDeal, kComputerBid, image::kNone, false },
    { kHumanAnswersPass, kFirstDeal, kFixed, image::kCaptionPass, false },
    { kHumanNamesOrPasses, kFirstDeal, kFixed, image::kCaptionPass, false },
    { kComputerNamedAfterPass, kFirstDeal, kNamedSuit, image::kNone, false },
    { kComputerNamedFirst, kFirstDeal, kNamedSuit, image::kNone, false },
    { kComputerPassedAgain, kFirstDeal, kFixed, image::kComputerPassesAgain, false },
    // The suit buttons are glyphs, not images: the question is the last image.
    { kHumanMustName, kFirstDeal, kFixed, image::kMustName, false },
    { kHumanDeclares, kDeclarations, kFixed, image::kCaptionNo, true },
    { kComputerDeclares, kDeclarations, kFixed, image::kCaptionAcknowledge, true },
    { kBothDeclare, kDeclarations, kFixed, image::kCaptionNo, true },
    { kPairOnAnswer, kTricks, kFixed, image::kCaptionNo, false },
    { kPairOnLead, kTricks, kFixed, image::kCaptionNo, false },
    // The panel's close mark.
    { kDealResult, kDealOver, kFixed, image::kCaptionAcknowledge, false },
    { kHumanSixTrumps, kFirstDeal, kFixed, image::kCaptionAcknowledge, false },
    { kComputerSixTrumps, kFirstDeal, kFixed, image::kCaptionAcknowledge, false },
} };

} // namespace

const PromptRule* RuleOf(PromptState state)
{
    const auto rule = std::ranges::find(kRules, state, &PromptRule::state);
    return rule == kRules.end() ? nullptr : &*rule;
}

int StandingImageOf(PromptState state, int shownBid, int trumpSuit)
{
    const PromptRule* rule = RuleOf(state);
    if (!rule)
        return image::kNone;
    switch (rule->shows) {
    case kFixed:
        return rule->image;
    case kComputerBid:
        return shownBid == image::kComputerTakes || shownBid == image::kComputerPasses ? shownBid
                                                                                       : image::kNone;
    case kNamedSuit:
        return image::ComputerNamesSuit(trumpSuit);
    }
    return image::kNone;
}

void MarkPromptPosed(PromptState state)
{
    g_promptState = state;
    g_announcement = StandingImageOf(state, g_shownAnnouncement1, g_trumpSuit);
}
