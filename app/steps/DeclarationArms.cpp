#include "app/Spots.h"
#include "app/VertanDlg.h"
#include "app/steps/Announce.h"
#include "app/steps/Arms.h"
#include "app/steps/RowSlide.h"
#include "app/steps/StartOfPlay.h"
#include "engine/CardTable.h"
#include "engine/GameState.h"
#include "engine/PromptState.h"

namespace {

/// The human's declared cards have been seen by the computer, whatever he answered.
void MarkHumanShownCardsSeen()
{
    for (const int card : HandCards(g_humanHand, g_humanCount)) {
        if (g_cards[card].shown() == 1)
            g_cards[card].status() = kStatusSeen;
    }
}

/// The shown cards of the declaring sides go back into their rows, and play starts.
void LowerAndPlay(CVertanDlg& dlg, bool human, bool computer)
{
    RowSlide slide;
    slide.way = SlideWay::BackIntoRow;
    slide.human = human ? SlidingCards::Shown : SlidingCards::None;
    slide.computer = computer ? SlidingCards::Shown : SlidingCards::None;
    slide.sound = SlideSound::BeforeLanding;
    slide.pauseWhenStill = false;
    SlideRows(dlg, slide);
    StartPlay(dlg);
}

/// The yes/no captions of prompts 12 and 14 go, and the trump mark moves beside the deck.
void EraseHumanDeclaration(CVertanDlg& dlg, std::initializer_list<PlacedImage> images)
{
    ErasePrompt(dlg, images);
    dlg.DrawTrumpMark(g_trumpSuit, kTrumpMarkSpot2);
    dlg.PresentTable();
}

/// Buttons 22 and 23: only the human's runs score; he declares them or not.
void AnswerHumanDeclaration(CVertanDlg& dlg, bool declare)
{
    g_humanShowing = 0;
    g_computerShowing = 0;
    if (declare)
        g_humanDeclPoints = DeclarationPoints(g_humanFifties, g_humanTwenties);
    MarkHumanShownCardsSeen();
    EraseHumanDeclaration(dlg,
        { { g_shownAnnouncement1, Spot::kCentre }, { image::kCaptionYes, Spot::kLeftCaption },
            { image::kCaptionNo, Spot::kRightCaption } });
    LowerAndPlay(dlg, true, false);
}

/// Button 24: only the computer's runs score; the human acknowledges them.
void AcknowledgeComputerDeclaration(CVertanDlg& dlg)
{
    g_humanShowing = 0;
    g_computerShowing = 0;
    g_computerDeclPoints = DeclarationPoints(g_computerFifties, g_computerTwenties);
    ErasePrompt(
        dlg, { { image::kCaptionAcknowledge, Spot::kCentre }, { g_shownAnnouncement1, Spot::kUpper } });
    dlg.PresentTable();
    LowerAndPlay(dlg, false, true);
}

/// Buttons 25 and 26: both sides' runs score; the computer's count either way, the
/// human's only when he declares them.
void AnswerBothDeclarations(CVertanDlg& dlg, bool declare)
{
    g_humanShowing = 0;
    g_computerShowing = 0;
    g_computerDeclPoints = DeclarationPoints(g_computerFifties, g_computerTwenties);
    if (declare)
        g_humanDeclPoints = DeclarationPoints(g_humanFifties, g_humanTwenties);
    MarkHumanShownCardsSeen();
    EraseHumanDeclaration(dlg,
        { { g_shownAnnouncement2, Spot::kUpper }, { g_shownAnnouncement1, Spot::kCentre },
            { image::kCaptionYes, Spot::kLeftCaption }, { image::kCaptionNo, Spot::kRightCaption } });
    LowerAndPlay(dlg, true, true);
}

} // namespace

void RunDeclarationArm(CVertanDlg& dlg, PromptButton button)
{
    switch (button) {
    case PromptButton::kDeclareYes:
    case PromptButton::kDeclareNo:
        AnswerHumanDeclaration(dlg, button == PromptButton::kDeclareYes);
        return;
    case PromptButton::kAckComputerDeclares:
        AcknowledgeComputerDeclaration(dlg);
        return;
    case PromptButton::kBothDeclareYes:
    case PromptButton::kBothDeclareNo:
        AnswerBothDeclarations(dlg, button == PromptButton::kBothDeclareYes);
        return;
    default:
        return;
    }
}
