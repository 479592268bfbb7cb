#include "app/Spots.h"
#include "app/VertanDlg.h"
#include "app/steps/Arms.h"
#include "app/steps/TableCopy.h"
#include "app/steps/TrickCollection.h"
#include "app/steps/TrickFlight.h"
#include "app/steps/TrickHandOver.h"
#include "engine/CardTable.h"
#include "engine/GameState.h"
#include "engine/PromptState.h"
#include "engine/Settings.h"
#include "engine/TrickRules.h"
#include "platform/Pause.h"

namespace {

/// The answering card is marked by a white corner.
constexpr platform::COLORREF kWhite = platform::RGB(255, 255, 255);
/// The answered question's trick stands for this part of the trick pause.
constexpr int kAnsweredTrickPauseDivisor = 3;
/// Pause after the computer's lead once the human lost the answered trick, in ms.
constexpr int kAfterComputerLeadPause = 300;

/// The question and its captions go, and the computer's row is drawn again as backs.
void EraseQuestion(CVertanDlg& dlg)
{
    g_announcement = image::kNone;
    dlg.EraseQuestion();
    dlg.EraseImage(image::kCaptionYes, Spot::kLeftCaption);
    dlg.EraseImage(image::kCaptionNo, Spot::kRightCaption);
    DrawComputerRow(dlg);
}

/// Buttons 27 and 28: the trick answered with a card of the pair was decided before the
/// question; a yes gives its winner the pair's points, a no keeps the pair unannounced.
void AnswerPairOnAnswer(CVertanDlg& dlg, bool announce)
{
    if (!announce)
        g_humanTrumpPair = 1;
    EraseQuestion(dlg);
    dlg.DrawCardFace(g_computerTableCard, LeadCardPoint().x, LeadCardPoint().y);
    const Point answer = AnswerCardPoint();
    dlg.DrawCardFace(g_humanHand[g_handIndex], answer.x, answer.y);
    TouchCorner(dlg, answer.x, answer.y, kWhite, kWhite, kWhite);
    dlg.PresentTable();
    platform::Sleep(g_trickPause / kAnsweredTrickPauseDivisor);
    if (announce)
        AddDealPoints(g_trickWinner, kTrumpPairPoints);
    CollectTrick(dlg);
    RemovePlayedHumanCard();
    if (HandOverTrick(dlg) == kComputer)
        platform::Sleep(kAfterComputerLeadPause);
}

/// Buttons 29 and 30: the human leads a card of the pair; a yes gives the pair's points to
/// whoever takes this trick, a no keeps the pair unannounced. The computer answers.
void AnswerPairOnLead(CVertanDlg& dlg, bool announce)
{
    EraseQuestion(dlg);
    dlg.DrawCardFace(g_humanHand[g_handIndex], LeadCardPoint().x, LeadCardPoint().y);
    dlg.PresentTable();
    g_humanPairOnTrick = announce ? 1 : 0;
    if (!announce)
        g_humanTrumpPair = 1;
    RemovePlayedHumanCard();
    dlg.PlayComputerFollow();
}

} // namespace

void RunPairArm(CVertanDlg& dlg, PromptButton button)
{
    switch (button) {
    case PromptButton::kPairAnswerYes:
    case PromptButton::kPairAnswerNo:
        AnswerPairOnAnswer(dlg, button == PromptButton::kPairAnswerYes);
        return;
    case PromptButton::kPairLeadYes:
    case PromptButton::kPairLeadNo:
        AnswerPairOnLead(dlg, button == PromptButton::kPairLeadYes);
        return;
    default:
        return;
    }
}
