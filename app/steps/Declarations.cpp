#include "engine/Declarations.h"
#include "app/Sounds.h"
#include "app/Spots.h"
#include "app/VertanDlg.h"
#include "app/steps/RowSlide.h"
#include "engine/PromptRules.h"
#include "engine/PromptState.h"
#include "platform/Pause.h"

namespace {

/// Pause before the declared runs move out of their rows, in ms.
constexpr int kBeforeShowingPause = 300;

} // namespace

void CVertanDlg::CompareDeclarations()
{
    const DeclarationOutcome outcome = DecideDeclarations();
    if (outcome.prompt == PromptState::kNone)
        return;

    platform::Sleep(kBeforeShowingPause);
    // Only a side that declares shows its runs; the other side's runs stay in its row.
    RowSlide slide;
    slide.way = SlideWay::OutOfRow;
    slide.human = outcome.humanShows ? SlidingCards::Shown : SlidingCards::None;
    slide.computer = outcome.computerShows ? SlidingCards::Shown : SlidingCards::None;
    slide.sound = SlideSound::AtEndNoWait;
    SlideRows(*this, slide);

    if (outcome.computerShows)
        ShowImage(outcome.computerImage, Spot::kUpper);
    if (outcome.humanShows)
        ShowImage(outcome.humanImage, Spot::kCentre);
    g_shownAnnouncement1 = outcome.shownAnnouncement1;
    g_shownAnnouncement2 = outcome.shownAnnouncement2;
    if (outcome.computerShows)
        PlayVoicePhrase(outcome.computerImage);
    if (outcome.humanShows)
        PlayVoicePhrase(outcome.humanImage);

    if (outcome.prompt == PromptState::kComputerDeclares) {
        ShowCaption(image::kCaptionAcknowledge, Spot::kCentre, m_rcButton1);
    } else {
        ShowCaption(image::kCaptionYes, Spot::kLeftCaption, m_rcButton1);
        ShowCaption(image::kCaptionNo, Spot::kRightCaption, m_rcButton2);
    }
    MarkPromptPosed(outcome.prompt);
    PresentTable();
    g_humanShowing = outcome.humanShows ? 1 : 0;
    g_computerShowing = outcome.computerShows ? 1 : 0;
}
