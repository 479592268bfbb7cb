#include "app/Hover.h"

#include "app/VertanDlg.h"
#include "app/drawing/Highlight.h"

#include <algorithm>
#include <array>
#include <functional>

namespace {

using enum ButtonRect;
using B = PromptButton;

bool isSuitButton(ButtonRect rect)
{
    return rect == kSuit1 || rect == kSuit2 || rect == kSuit3;
}

/// Suit button 1..3 of a rectangle kind.
int suitButtonIndex(ButtonRect rect)
{
    return rect == kSuit1 ? 1 : rect == kSuit2 ? 2 : 3;
}

} // namespace

std::span<const LiveButton> PromptButtons(PromptState state)
{
    using enum PromptState;
    static constexpr std::array<LiveButton, 35> kButtons { {
        { kHumanBidsFirst, kA, B::kTake },
        { kHumanBidsFirst, kB, B::kPass },
        { kComputerBidFirst, kA, B::kAckComputerTakes, image::kComputerTakes },
        { kComputerBidFirst, kA, B::kAckComputerPasses, image::kComputerPasses },
        { kSevenExchangeOffer, kA, B::kExchangeSeven },
        { kSevenExchangeOffer, kB, B::kKeepSeven },
        { kComputerExchangedSeven, kA, B::kAckComputerExchange },
        { kComputerAnsweredPass, kA, B::kAckComputerTookAfterPass, image::kComputerTakes },
        { kComputerAnsweredPass, kA, B::kAckComputerPassedAfterPass, image::kComputerPasses },
        { kHumanAnswersPass, kA, B::kTakeAfterComputerPass },
        { kHumanAnswersPass, kB, B::kPassAfterComputerPass },
        { kHumanNamesOrPasses, kSuit1, B::kNameSuit1 },
        { kHumanNamesOrPasses, kSuit2, B::kNameSuit2 },
        { kHumanNamesOrPasses, kSuit3, B::kNameSuit3 },
        { kHumanNamesOrPasses, kB, B::kPassSecondRound },
        { kComputerNamedAfterPass, kA, B::kAckComputerNamedAfterPass },
        { kComputerNamedFirst, kA, B::kAckComputerNamedFirst },
        { kComputerPassedAgain, kA, B::kAckComputerPassedAgain },
        { kHumanMustName, kSuit1, B::kMustNameSuit1 },
        { kHumanMustName, kSuit2, B::kMustNameSuit2 },
        { kHumanMustName, kSuit3, B::kMustNameSuit3 },
        { kHumanDeclares, kA, B::kDeclareYes },
        { kHumanDeclares, kB, B::kDeclareNo },
        { kComputerDeclares, kA, B::kAckComputerDeclares },
        { kBothDeclare, kA, B::kBothDeclareYes },
        { kBothDeclare, kB, B::kBothDeclareNo },
        { kPairOnAnswer, kA, B::kPairAnswerYes },
        { kPairOnAnswer, kB, B::kPairAnswerNo },
        { kPairOnLead, kA, B::kPairLeadYes },
        { kPairOnLead, kB, B::kPairLeadNo },
        { kDealResult, kA, B::kNextDeal },
        { kScoreSheet, kA, B::kCloseScoreSheet },
        { kStatistics, kA, B::kCloseStatistics },
        { kHumanSixTrumps, kA, B::kAckHumanSixTrumps },
        { kComputerSixTrumps, kA, B::kAckComputerSixTrumps },
    } };
    // The rows are in prompt order, so a prompt's buttons lie together.
    const auto first = std::ranges::lower_bound(kButtons, state, std::less {}, &LiveButton::state);
    const auto last
        = std::ranges::upper_bound(first, kButtons.end(), state, std::less {}, &LiveButton::state);
    return { first, last };
}

bool StandsWith(const LiveButton& button, int announcement)
{
    return button.onlyWithImage == image::kNone || button.onlyWithImage == announcement;
}

bool IsLiveButton(PromptButton button)
{
    if (g_announcement == image::kNone)
        return false;
    return std::ranges::any_of(PromptButtons(g_promptState),
        [button](const LiveButton& b) { return b.button == button && StandsWith(b, g_announcement); });
}

const platform::Rect& ButtonRectOf(const CVertanDlg& dlg, ButtonRect rect)
{
    switch (rect) {
    case kA:
        return dlg.m_rcButton1;
    case kB:
        return dlg.m_rcButton2;
    case kSuit1:
        return dlg.m_rcSuit1;
    case kSuit2:
        return dlg.m_rcSuit2;
    case kSuit3:
        return dlg.m_rcSuit3;
    }
    return dlg.m_rcButton1;
}

void ResetHover()
{
    g_pointerOnButton = 0;
    g_highlightDrawn = 0;
    g_highlightToErase = 0;
    g_hotCaption = 0;
    g_hotCaptionX = 0;
    g_hotCaptionY = 0;
}

void CVertanDlg::OnMouseMove(int x, int y)
{
    if (g_announcement == image::kNone)
        return;
    g_pointerOnButton = 0;
    // When rectangles of one prompt overlap, the later button is the one under the pointer.
    const LiveButton* hit = nullptr;
    for (const LiveButton& live : PromptButtons(g_promptState))
        if (StandsWith(live, g_announcement) && ButtonRectOf(*this, live.rect).contains(x, y))
            hit = &live;

    if (!hit) {
        if (g_highlightToErase == 1)
            EraseHighlight(*this);
        return;
    }
    // A pointer that jumped straight from one button onto another must not leave the
    // first one lit while the click would answer the second.
    if (g_highlightDrawn == 1 && g_hotButton != hit->button)
        EraseHighlight(*this);
    g_hotButton = hit->button;
    if (isSuitButton(hit->rect))
        HighlightSuitButton(*this, suitButtonIndex(hit->rect));
    else
        HighlightButton();
}
