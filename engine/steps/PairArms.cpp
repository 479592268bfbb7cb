#include "app/Spots.h"
#include "app/TableDrawing.h"
#include "app/VertanDlg.h"
#include "engine/CardTable.h"
#include "engine/GameState.h"
#include "engine/PromptState.h"
#include "engine/Settings.h"
#include "engine/steps/Arms.h"
#include "engine/steps/TableCopy.h"
#include "engine/steps/TrickCollection.h"
#include "platform/Pause.h"

namespace {

/// Points of an announced trump pair (queen and king).
constexpr int kPairPoints = 20;
/// The answering card is marked by a white corner.
constexpr platform::COLORREF kWhite = platform::RGB(255, 255, 255);
/// The answered question's trick stands for this part of the trick pause.
constexpr int kAnsweredTrickPauseDivisor = 3;
/// Pauses around the computer's lead after the human lost the trick, in ms.
constexpr int kBeforeComputerLeadPause = 200;
constexpr int kAfterComputerLeadPause = 300;

/// The question and its captions go, and the computer's row is drawn again as backs.
void EraseQuestion(CVertanDlg& dlg)
{
    g_announcement = image::kNone;
    dlg.EraseQuestion();
    dlg.EraseImage(image::kCaptionYes, Spot::kLeftCaption);
    dlg.EraseImage(image::kCaptionNo, Spot::kRightCaption);
    RestoreRect(dlg, 0, g_rowUnit, g_clientWidth, kCardHeight);
    for (int slot = 1; slot <= g_computerCount; ++slot)
        dlg.DrawCardBack(ComputerCardX(slot), g_rowUnit);
}

/// The card asked about leaves the human's hand.
void RemovePlayedCard()
{
    for (int i = g_handIndex; i < g_humanCount; ++i)
        g_humanHand[i] = g_humanHand[i + 1];
    g_humanHand[g_humanCount] = kNoCard;
    --g_humanCount;
    RecordHumanCardRects();
}

/// After the answered trick: the deal ends, the human leads, or the computer leads.
void HandOver(CVertanDlg& dlg)
{
    g_humanFollows = 0;
    if (g_humanCount == 0) {
        g_humanMayPlay = 0;
        g_toMove = kComputer;
        g_humanDealPoints += g_humanDeclPoints;
        g_computerDealPoints += g_computerDeclPoints;
        g_announcement = image::kNone;
        dlg.ScoreDeal();
    } else if (g_trickWinner == kHuman) {
        g_humanMayPlay = 1;
        g_toMove = kHuman;
        g_humanLeadsTrick = 1;
        dlg.ShowLeadLabel();
    } else {
        g_humanMayPlay = 0;
        g_toMove = kComputer;
        platform::Sleep(kBeforeComputerLeadPause);
        dlg.PlayComputerLead();
        platform::Sleep(kAfterComputerLeadPause);
        g_announcement = image::kNone;
    }
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
        (g_trickWinner == kHuman ? g_humanDealPoints : g_computerDealPoints) += kPairPoints;
    CollectTrick(dlg);
    RemovePlayedCard();
    HandOver(dlg);
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
    RemovePlayedCard();
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
