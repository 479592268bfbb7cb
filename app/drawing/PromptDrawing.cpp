#include "app/drawing/PromptDrawing.h"

#include "app/Layout.h"
#include "app/VertanDlg.h"
#include "app/drawing/Panels.h"
#include "app/drawing/PointImages.h"
#include "app/drawing/TableDrawing.h"
#include "engine/CardTable.h"
#include "engine/GameState.h"
#include "engine/PromptRules.h"

#include <algorithm>
#include <initializer_list>

namespace {

/// An image of a prompt and where it stands.
struct ImageAt {
    int image;
    Spot spot;
};

/// A caption of a prompt, where it stands and which button rectangle it makes.
struct CaptionAt {
    int image;
    Spot spot;
    platform::Rect CVertanDlg::*button;
};

/// The window's rectangles of answer buttons A and B.
constexpr auto kButtonA = &CVertanDlg::m_rcButton1;
constexpr auto kButtonB = &CVertanDlg::m_rcButton2;

void drawImages(CVertanDlg& dlg, std::initializer_list<ImageAt> images)
{
    for (const ImageAt& shown : images)
        DrawImageAt(dlg, shown.image, SpotPoint(shown.spot));
}

void drawCaptions(CVertanDlg& dlg, std::initializer_list<CaptionAt> captions)
{
    for (const CaptionAt& caption : captions)
        DrawCaptionAt(dlg, caption.image, SpotPoint(caption.spot), dlg.*caption.button);
}

/// Images of the six-trumps prompts reach the window at once, before the repaint ends.
void drawImageShownAtOnce(CVertanDlg& dlg, int image, Spot spot)
{
    drawImages(dlg, { { image, spot } });
    const platform::Rect band = ImageBand(image, SpotPoint(spot));
    dlg.surface().present(dlg.m_dcBuffer, band.left, band.top, band.width(), band.height());
}

/// The pair question's layers at the question spot (image 13, or the computer's pair 26).
void drawPairLayers(CVertanDlg& dlg, int image)
{
    for (const Layer& layer : kPairLayers)
        DrawLayer(dlg.m_dcBuffer, image, QuestionPoint(), layer);
}

/// Prompts 15 and 16: the human's trump queen or king stands on the trick, out of a row
/// closed up without it, under the pair question.
void drawPairQuestion(CVertanDlg& dlg, PromptState state)
{
    const int top = HumanRowTop();
    dlg.m_dcBuffer.bitBlt(0, top, g_clientWidth, kCardHeight, dlg.m_dcTable, 0, top);
    const int count = std::clamp(g_humanCount, 0, kMaxHand);
    const RowSpacing row = SpaceRow(std::max(count - 1, 0), g_clientWidth, true);
    g_humanCardStep = row.step;
    g_humanGap = row.gap;
    int slot = 1;
    for (int k = 1; k <= count; ++k)
        if (k != g_handIndex)
            dlg.DrawCardFace(g_humanHand[static_cast<std::size_t>(k)], HumanCardX(slot++), top);

    const int played = g_handIndex >= 1 && g_handIndex <= count
        ? g_humanHand[static_cast<std::size_t>(g_handIndex)]
        : kNoCard;
    const Point lead = LeadCardPoint();
    if (state == PromptState::kPairOnAnswer) {
        dlg.DrawCardFace(g_computerTableCard, lead.x, lead.y);
        const Point answer = AnswerCardPoint();
        dlg.DrawCardFace(played, answer.x, answer.y);
    } else {
        dlg.DrawCardFace(played, lead.x, lead.y);
    }
    drawPairLayers(dlg, image::kPairQuestion);
    drawCaptions(dlg,
        { { image::kCaptionYes, Spot::kLeftCaption, kButtonA },
            { image::kCaptionNo, Spot::kRightCaption, kButtonB } });
}

void drawState(CVertanDlg& dlg, PromptState state)
{
    using enum PromptState;
    switch (state) {
    case kHumanBidsFirst:
    case kHumanAnswersPass:
        drawImages(dlg, { { image::OfferedSuit(g_trumpSuit), Spot::kCentre } });
        drawCaptions(dlg,
            { { image::kCaptionTake, Spot::kLeftCaption, kButtonA },
                { image::kCaptionPass, Spot::kRightCaption, kButtonB } });
        break;
    case kComputerBidFirst:
    case kComputerAnsweredPass:
        drawImages(dlg, { { g_shownAnnouncement1, Spot::kUpper } });
        drawCaptions(dlg, { { image::kCaptionAcknowledge, Spot::kCentre, kButtonA } });
        break;
    case kSevenExchangeOffer:
        drawImages(dlg, { { image::kOfferSevenExchange, Spot::kCentre } });
        drawCaptions(dlg,
            { { image::kCaptionExchange, Spot::kLeftCaption, kButtonA },
                { image::kCaptionKeep, Spot::kRightCaption, kButtonB } });
        break;
    case kComputerExchangedSeven:
        drawImages(dlg, { { image::kComputerExchangedSeven, Spot::kUpper } });
        drawCaptions(dlg, { { image::kCaptionAcknowledge, Spot::kCentre, kButtonA } });
        break;
    case kHumanNamesOrPasses:
        drawImages(dlg, { { image::kNameOrPass, Spot::kCentre } });
        DrawSuitButtons(dlg, state);
        drawCaptions(dlg, { { image::kCaptionPass, Spot::kRightCaption, kButtonB } });
        break;
    case kComputerNamedAfterPass:
        drawImages(dlg, { { image::ComputerNamesSuit(g_trumpSuit), Spot::kUpper } });
        drawCaptions(dlg, { { image::kCaptionAcknowledge, Spot::kCentre, kButtonA } });
        break;
    case kComputerNamedFirst:
    case kComputerDeclares:
        drawImages(dlg, { { g_shownAnnouncement1, Spot::kUpper } });
        drawCaptions(dlg, { { image::kCaptionAcknowledge, Spot::kCentre, kButtonA } });
        break;
    case kComputerPassedAgain:
        drawImages(dlg, { { image::kComputerPassesAgain, Spot::kUpper } });
        drawCaptions(dlg, { { image::kCaptionAcknowledge, Spot::kCentre, kButtonA } });
        break;
    case kHumanMustName:
        drawImages(dlg, { { image::kMustName, Spot::kCentre } });
        DrawSuitButtons(dlg, state);
        break;
    case kHumanDeclares:
        drawImages(dlg, { { g_shownAnnouncement1, Spot::kCentre } });
        drawCaptions(dlg,
            { { image::kCaptionYes, Spot::kLeftCaption, kButtonA },
                { image::kCaptionNo, Spot::kRightCaption, kButtonB } });
        break;
    case kBothDeclare:
        drawImages(dlg, { { g_shownAnnouncement2, Spot::kUpper }, { g_shownAnnouncement1, Spot::kCentre } });
        drawCaptions(dlg,
            { { image::kCaptionYes, Spot::kLeftCaption, kButtonA },
                { image::kCaptionNo, Spot::kRightCaption, kButtonB } });
        break;
    case kPairOnAnswer:
    case kPairOnLead:
        drawPairQuestion(dlg, state);
        break;
    case kDealResult:
        DrawDealResultPanel(dlg);
        break;
    case kScoreSheet:
        DrawScoreSheetPanel(dlg);
        break;
    case kStatistics:
        DrawStatisticsPanel(dlg);
        break;
    case kHumanSixTrumps:
        drawImageShownAtOnce(dlg, image::kHumanSixTrumps, Spot::kCentre);
        drawCaptions(dlg, { { image::kCaptionAcknowledge, Spot::kLowerCentre, kButtonA } });
        break;
    case kComputerSixTrumps:
        drawImageShownAtOnce(dlg, image::kComputerSixTrumps, Spot::kUpper);
        drawCaptions(dlg, { { image::kCaptionAcknowledge, Spot::kCentre, kButtonA } });
        break;
    case kNone:
        break;
    }
}

/// The computer's announced pair and the lead label stay up through repaints. They are
/// no buttons: afterwards g_announcement holds again what the prompt left there, so a
/// live prompt (an overlay opened over the pair label) keeps its button.
void drawStandingAnnouncements(CVertanDlg& dlg)
{
    const int prompt = g_announcement;
    if (g_computerPairShown == 1) {
        drawPairLayers(dlg, image::kComputerPair);
        dlg.m_announcementColour = dlg.m_announcementNormalColour;
        g_announcement = prompt;
    }
    if (g_humanLeadsTrick == 1) {
        DrawImageAt(dlg, image::kHumanLeads, SpotPoint(Spot::kCentre));
        g_announcement = prompt;
    }
}

} // namespace

void DrawImageAt(CVertanDlg& dlg, int image, Point at)
{
    g_announcement = image;
    g_announcementX = at.x;
    g_announcementY = at.y;
    dlg.DrawLabel();
}

void DrawCaptionAt(CVertanDlg& dlg, int image, Point at, platform::Rect& button)
{
    dlg.m_announcementColour = dlg.m_captionColour;
    DrawImageAt(dlg, image, at);
    dlg.m_announcementColour = dlg.m_announcementNormalColour;
    button = ImageBand(image, at);
}

void DrawSuitButtons(CVertanDlg& dlg, PromptState state)
{
    const std::array<int*, 3> offered { &g_offeredSuit1, &g_offeredSuit2, &g_offeredSuit3 };
    const std::array<int, 3> shown { g_shownAnnouncement1, g_shownAnnouncement2, g_shownAnnouncement3 };
    const std::array<platform::Rect*, 3> rects { &dlg.m_rcSuit1, &dlg.m_rcSuit2, &dlg.m_rcSuit3 };
    for (std::size_t i = 0; i < 3; ++i) {
        const Point glyph = SuitButtonPoint(state, static_cast<int>(i) + 1);
        *rects[i] = SuitButtonRect(glyph);
        *offered[i] = shown[i];
        // The glyph is the suit the button names, so what is seen is what a click chooses.
        DrawColouredSuitGlyph(dlg.m_dcBuffer, shown[i], glyph);
    }
}

void DrawPrompt(CVertanDlg& dlg)
{
    const PromptState state = g_promptState;
    // Answered prompts (g_announcement 0) leave nothing on the table; the overlays stand
    // until their close mark is clicked.
    if (g_announcement != image::kNone || state == PromptState::kScoreSheet
        || state == PromptState::kStatistics)
        drawState(dlg, state);
    // A prompt of a deal stands again as it was posed: known by its image, so that its
    // buttons are live (and the acknowledgements of prompts 2 and 5 told apart by the bid).
    if (g_announcement != image::kNone && RuleOf(state))
        MarkPromptPosed(state);
    drawStandingAnnouncements(dlg);
}
