#include "app/steps/TrumpPairShow.h"

#include "app/Sounds.h"
#include "app/Spots.h"
#include "app/VertanDlg.h"
#include "app/drawing/PointImages.h"
#include "app/steps/TrickFlight.h"
#include "engine/GameState.h"
#include "engine/PromptRules.h"
#include "engine/PromptState.h"
#include "platform/Pause.h"

namespace {

/// The question pulses in slowly enough to be seen: a pause before each layer, in ms, and
/// the layers after which its band reaches the window (1-based).
constexpr int kQuestionLayerPause = 20;
constexpr int kQuestionShownAfter[] = { 4, 7, kLayerCount };

/// The question band around a layer: 300 x 40 centred on where the layer was drawn.
platform::Rect LayerBand()
{
    return { g_announcementX - kQuestionHalfWidth, g_announcementY - kImageHalfHeight,
        g_announcementX + kQuestionHalfWidth, g_announcementY + kImageHalfHeight };
}

void ShowBand(CVertanDlg& dlg, const platform::Rect& band)
{
    dlg.surface().present(dlg.m_dcBuffer, band.left, band.top, band.width(), band.height());
}

bool ShownAfter(int layer)
{
    for (const int shown : kQuestionShownAfter)
        if (shown == layer)
            return true;
    return false;
}

/// The question's layers go into the back buffer one by one.
void PulseQuestion(CVertanDlg& dlg)
{
    int layer = 0;
    for (const Layer& l : kPairLayers) {
        platform::Sleep(kQuestionLayerPause);
        DrawLayer(dlg.m_dcBuffer, image::kPairQuestion, QuestionPoint(), l);
        if (ShownAfter(++layer))
            ShowBand(dlg, LayerBand());
    }
    dlg.m_announcementColour = dlg.m_announcementNormalColour;
}

/// The computer's layers go straight onto the window.
void PulseOnWindow(CVertanDlg& dlg)
{
    platform::MemoryDC& window = dlg.surface().dc();
    for (const Layer& l : kPairLayers) {
        DrawLayer(window, image::kComputerPair, QuestionPoint(), l);
        const platform::Rect band = LayerBand();
        dlg.surface().flush(band.left, band.top, band.width(), band.height());
    }
}

} // namespace

void AskTrumpPair(CVertanDlg& dlg, PromptState state)
{
    g_humanTrumpPair = 0;
    g_announcement = image::kPairQuestion;
    PulseQuestion(dlg);
    PlayVoicePhrase(image::kPairQuestion);
    dlg.ShowCaption(image::kCaptionYes, Spot::kLeftCaption, dlg.m_rcButton1);
    dlg.ShowCaption(image::kCaptionNo, Spot::kRightCaption, dlg.m_rcButton2);
    dlg.PresentTable();
    MarkPromptPosed(state);
}

void AnnounceComputerPair(CVertanDlg& dlg, PairLabel label)
{
    PlayVoicePhrase(image::kComputerPair);
    g_announcement = image::kComputerPair;
    g_computerTrumpPair = 0;
    PulseOnWindow(dlg);
    if (label == PairLabel::kStanding)
        for (const Layer& l : kPairLayers)
            DrawLayer(dlg.m_dcBuffer, image::kComputerPair, QuestionPoint(), l);
    dlg.m_announcementColour = dlg.m_announcementNormalColour;
    g_announcement = image::kNone;
}

void TakeDownComputerPair(CVertanDlg& dlg)
{
    g_computerPairShown = 0;
    dlg.EraseQuestion();
    DrawComputerRow(dlg);
    const Point lead = LeadCardPoint();
    dlg.DrawCardFace(g_computerTableCard, lead.x, lead.y);
    dlg.PresentTable();
}
