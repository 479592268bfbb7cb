#include "app/Hover.h"

#include "app/Globals.h"
#include "app/Layout.h"
#include "app/Panels.h"
#include "app/PointImages.h"
#include "app/Sounds.h"
#include "app/Spots.h"
#include "app/VertanDlg.h"
#include "platform/Pause.h"

#include <algorithm>
#include <array>
#include <functional>
#include <optional>

namespace {

using enum ButtonRect;
using B = PromptButton;

/// The colour of a hovered suit glyph.
constexpr platform::COLORREF kSuitHoverColour = platform::RGB(228, 251, 1);
/// A highlight lies one pixel right of and below what it highlights.
constexpr int kHighlightShift = 1;
/// The caption highlight sweeps down its image, sleeping this long after each row, in ms.
constexpr int kHighlightRowSleep = 2;

/// What a caption button shows and where: the caption image at a spot.
struct CaptionOfButton {
    int image;
    Spot spot;
};

std::optional<CaptionOfButton> captionOf(PromptButton button)
{
    switch (button) {
    case B::kTake:
    case B::kTakeAfterComputerPass:
        return CaptionOfButton { image::kCaptionTake, Spot::kLeftCaption };
    case B::kPass:
    case B::kPassAfterComputerPass:
    case B::kPassSecondRound:
        return CaptionOfButton { image::kCaptionPass, Spot::kRightCaption };
    case B::kExchangeSeven:
        return CaptionOfButton { image::kCaptionExchange, Spot::kLeftCaption };
    case B::kKeepSeven:
        return CaptionOfButton { image::kCaptionKeep, Spot::kRightCaption };
    case B::kDeclareYes:
    case B::kBothDeclareYes:
    case B::kPairAnswerYes:
    case B::kPairLeadYes:
        return CaptionOfButton { image::kCaptionYes, Spot::kLeftCaption };
    case B::kDeclareNo:
    case B::kBothDeclareNo:
    case B::kPairAnswerNo:
    case B::kPairLeadNo:
        return CaptionOfButton { image::kCaptionNo, Spot::kRightCaption };
    case B::kAckComputerTakes:
    case B::kAckComputerPasses:
    case B::kAckComputerExchange:
    case B::kAckComputerTookAfterPass:
    case B::kAckComputerPassedAfterPass:
    case B::kAckComputerNamedAfterPass:
    case B::kAckComputerNamedFirst:
    case B::kAckComputerPassedAgain:
    case B::kAckComputerDeclares:
    case B::kAckComputerSixTrumps:
        return CaptionOfButton { image::kCaptionAcknowledge, Spot::kCentre };
    case B::kAckHumanSixTrumps:
        return CaptionOfButton { image::kCaptionAcknowledge, Spot::kLowerCentre };
    default:
        return std::nullopt;
    }
}

/// The panel whose close mark a button is, if it is one.
std::optional<PanelBox> closeMarkPanelOf(PromptButton button)
{
    if (button == B::kNextDeal || button == B::kCloseScoreSheet)
        return SheetPanelBox(CentreX(), CentreY());
    if (button == B::kCloseStatistics)
        return StatisticsPanelBox(CentreX(), CentreY());
    return std::nullopt;
}

bool isSuitButton(ButtonRect rect)
{
    return rect == kSuit1 || rect == kSuit2 || rect == kSuit3;
}

/// Suit button 1..3 of a rectangle kind.
int suitButtonIndex(ButtonRect rect)
{
    return rect == kSuit1 ? 1 : rect == kSuit2 ? 2 : 3;
}

void playHoverSound()
{
    PlayEffect(Effect::ButtonHover);
}

/// The close mark drawn lit: a green disc with a red cross, 1 pixel right of and below the
/// panel's own.
void drawCloseMarkHighlight(CVertanDlg& dlg, const PanelBox& box)
{
    platform::MemoryDC& dc = dlg.surface().dc();
    const platform::Rect mark = CloseMarkRect(box);
    dc.selectPen(platform::Pen::Null());
    dc.selectBrush(dlg.m_brush5);
    dc.ellipse(mark.left, mark.top, mark.right + kHighlightShift, mark.bottom + kHighlightShift);
    DrawCloseMarkCross(dc, g_penCloseMark, box, kHighlightShift);
    // The 3-pixel cross reaches a pixel past the disc's box.
    dlg.surface().flush(mark.left - 1, mark.top - 1, mark.width() + 3, mark.height() + 3);
}

/// The caption drawn in the hover colour row by row, so the highlight sweeps down it.
void sweepCaption(CVertanDlg& dlg)
{
    platform::MemoryDC& dc = dlg.surface().dc();
    const auto n = static_cast<std::size_t>(g_hotCaption);
    const platform::Rect band = ImageBand(g_hotCaption, { g_hotCaptionX, g_hotCaptionY });
    const int count = std::min(g_announcementPointCount[n], kAnnouncementPointCapacity);
    for (int k = 1; k <= count; ++k) {
        const auto p = static_cast<std::size_t>(k);
        dc.setPixel(g_hotCaptionX + g_announcementPointX[n][p], g_hotCaptionY + g_announcementPointY[n][p],
            dlg.m_hoverColour);
        if (k < count && g_announcementPointY[n][p + 1] != g_announcementPointY[n][p]) {
            dlg.surface().flush(band.left, band.top, band.width(), band.height());
            platform::Sleep(kHighlightRowSleep);
        }
    }
    dlg.surface().flush(band.left, band.top, band.width(), band.height());
}

/// Suit button 1..3 lit: the glyph of its offered suit in the hover colour.
void highlightSuitButton(CVertanDlg& dlg, int index)
{
    g_pointerOnButton = 1;
    if (g_highlightDrawn == 1)
        return;
    g_highlightDrawn = 1;
    g_highlightToErase = 1;
    playHoverSound();
    const std::array<int, 3> offered { g_offeredSuit1, g_offeredSuit2, g_offeredSuit3 };
    const Point glyph = SuitButtonPoint(g_promptState, index);
    DrawSuitGlyph(dlg.surface().dc(), offered[static_cast<std::size_t>(index - 1)],
        { glyph.x + kHighlightShift, glyph.y + kHighlightShift }, kSuitHoverColour);
    const platform::Rect r = SuitButtonRect(glyph);
    dlg.surface().flush(r.left, r.top, r.width() + kHighlightShift, r.height() + kHighlightShift);
    g_buttonsActive = 1;
}

/// Removes a highlight from the window and forgets the hovered button.
void eraseHighlight(CVertanDlg& dlg)
{
    dlg.RefreshWindow();
    g_hotButton = PromptButton::kNone;
    g_highlightDrawn = 0;
    g_highlightToErase = 0;
    g_buttonsActive = 0;
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
    const auto rows = std::ranges::equal_range(kButtons, state, std::less {}, &LiveButton::state);
    return { rows.begin(), rows.end() };
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
            eraseHighlight(*this);
        return;
    }
    // A pointer that jumped straight from one button onto another must not leave the
    // first one lit while the click would answer the second.
    if (g_highlightDrawn == 1 && g_hotButton != hit->button)
        eraseHighlight(*this);
    g_hotButton = hit->button;
    if (isSuitButton(hit->rect))
        highlightSuitButton(*this, suitButtonIndex(hit->rect));
    else
        HighlightButton();
}

void CVertanDlg::HighlightButton()
{
    g_pointerOnButton = 1;
    if (g_highlightDrawn == 1)
        return;
    g_highlightDrawn = 1;
    g_highlightToErase = 1;
    g_centreX = g_clientWidth / 2;
    g_centreY = g_clientHeight / 2;

    if (const std::optional<PanelBox> panel = closeMarkPanelOf(g_hotButton)) {
        drawCloseMarkHighlight(*this, *panel);
        g_buttonsActive = 1;
        playHoverSound();
        return;
    }
    const std::optional<CaptionOfButton> caption = captionOf(g_hotButton);
    if (!caption)
        return;
    const Point at = SpotPoint(caption->spot);
    g_hotCaption = caption->image;
    g_hotCaptionX = at.x + kHighlightShift;
    g_hotCaptionY = at.y + kHighlightShift;
    g_buttonsActive = 1;
    playHoverSound();
    sweepCaption(*this);
}
