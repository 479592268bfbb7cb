#include "app/drawing/Highlight.h"

#include "app/Globals.h"
#include "app/Hover.h"
#include "app/Layout.h"
#include "app/Sounds.h"
#include "app/Spots.h"
#include "app/VertanDlg.h"
#include "app/drawing/Panels.h"
#include "app/drawing/PointImages.h"
#include "app/files/ImageData.h"
#include "platform/Pause.h"

#include <algorithm>
#include <array>
#include <optional>

namespace {

using B = PromptButton;

/// The colour of a hovered suit glyph.
constexpr platform::COLORREF kSuitHoverColour = platform::RGB(228, 251, 1);
/// A highlight lies one pixel right of and below what it highlights.
constexpr int kHighlightShift = 1;
/// The caption highlight sweeps down its image, sleeping this long after each row, in ms.
constexpr int kHighlightRowSleep = 2;
/// The close mark's 3-pixel cross reaches this many pixels past the disc's box.
constexpr int kCrossReach = 1;

/// What a caption button shows and where: the caption image at a spot.
struct CaptionOfButton {
    int image;
    Spot spot;
};

/// The caption a button shows; none for the suit buttons and the close marks.
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
    const int grown = kHighlightShift + 2 * kCrossReach;
    dlg.surface().flush(
        mark.left - kCrossReach, mark.top - kCrossReach, mark.width() + grown, mark.height() + grown);
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

} // namespace

void HighlightSuitButton(CVertanDlg& dlg, int index)
{
    g_pointerOnButton = 1;
    if (g_highlightDrawn == 1)
        return;
    g_highlightDrawn = 1;
    g_highlightToErase = 1;
    PlayEffect(Effect::ButtonHover);
    const std::array<int, 3> offered { g_offeredSuit1, g_offeredSuit2, g_offeredSuit3 };
    const Point glyph = SuitButtonPoint(g_promptState, index);
    DrawSuitGlyph(dlg.surface().dc(), offered[static_cast<std::size_t>(index - 1)],
        { glyph.x + kHighlightShift, glyph.y + kHighlightShift }, kSuitHoverColour);
    const platform::Rect r = SuitButtonRect(glyph);
    dlg.surface().flush(r.left, r.top, r.width() + kHighlightShift, r.height() + kHighlightShift);
    g_buttonsActive = 1;
}

void EraseHighlight(CVertanDlg& dlg)
{
    dlg.RefreshWindow();
    g_hotButton = PromptButton::kNone;
    g_highlightDrawn = 0;
    g_highlightToErase = 0;
    g_buttonsActive = 0;
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
        PlayEffect(Effect::ButtonHover);
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
    PlayEffect(Effect::ButtonHover);
    sweepCaption(*this);
}
