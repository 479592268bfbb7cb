#include "app/Sounds.h"
#include "app/Spots.h"
#include "app/VertanDlg.h"
#include "app/steps/Announce.h"
#include "app/steps/Arms.h"
#include "engine/CardTable.h"
#include "engine/CardValues.h"
#include "engine/GameState.h"
#include "engine/PromptRules.h"
#include "engine/PromptState.h"
#include "engine/TrumpBidding.h"

namespace {

/// The turned-up suit was taken in the first round: its seven may be exchanged first.
void AfterFirstRoundTake(CVertanDlg& dlg)
{
    dlg.OfferSevenExchange();
    if (g_sevenFound != 1)
        dlg.DealRestAndStartPlay();
}

/// A suit was named in the second round: the cards take its values, no seven is exchanged.
void AfterSecondRoundNaming(CVertanDlg& dlg)
{
    SetCardValues();
    dlg.SortHumanHand();
    dlg.DrawHumanHand();
    dlg.DealRestAndStartPlay();
}

int TurnedUpSuitImage()
{
    return image::OfferedSuit(g_trumpSuit);
}

/// The prompt of the turned-up suit, taken or passed: the suit and both captions go.
void EraseTakeOrPass(CVertanDlg& dlg)
{
    ErasePrompt(dlg,
        { { TurnedUpSuitImage(), Spot::kCentre }, { image::kCaptionTake, Spot::kLeftCaption },
            { image::kCaptionPass, Spot::kRightCaption } });
    dlg.PresentTable();
}

/// The acknowledged bid of the computer at the upper spot and its caption go.
void EraseComputerBid(CVertanDlg& dlg, int bidImage)
{
    ErasePrompt(dlg, { { image::kCaptionAcknowledge, Spot::kCentre }, { bidImage, Spot::kUpper } });
    dlg.PresentTable();
}

/// The human takes the turned-up suit (buttons 1 and 10).
void HumanTakes(CVertanDlg& dlg)
{
    g_toMove = kHuman;
    EraseTakeOrPass(dlg);
    MarkTrump(dlg, g_trumpSuit, MarkShown::kAlone);
    AfterFirstRoundTake(dlg);
}

/// A second-round prompt asks the human to name one of the offered suits.
void OfferSuits(CVertanDlg& dlg, int questionImage, PromptState state)
{
    Announce(dlg, questionImage, Spot::kCentre);
    SetOtherSuits();
    dlg.OfferSuitButtons(state);
    if (state == PromptState::kHumanNamesOrPasses)
        dlg.ShowCaption(image::kCaptionPass, Spot::kRightCaption, dlg.m_rcButton2);
    MarkPromptPosed(state);
    dlg.PresentTable();
}

/// The second-round question and its suit buttons go (and the pass caption of prompt 7).
void EraseSuitQuestion(CVertanDlg& dlg, int questionImage, bool withPass)
{
    if (withPass)
        ErasePrompt(dlg, { { questionImage, Spot::kCentre }, { image::kCaptionPass, Spot::kRightCaption } });
    else
        ErasePrompt(dlg, { { questionImage, Spot::kCentre } });
    dlg.EraseSuitButtons();
}

/// The human names suit button 1..3 (buttons 12 to 14 and 19 to 21).
void HumanNames(CVertanDlg& dlg, int slot, int questionImage, bool withPass)
{
    g_toMove = kHuman;
    EraseSuitQuestion(dlg, questionImage, withPass);
    const int offered[] = { g_offeredSuit1, g_offeredSuit2, g_offeredSuit3 };
    g_trumpSuit = offered[slot - 1];
    MarkTrump(dlg, g_trumpSuit, MarkShown::kWithTable);
    dlg.PresentTable();
    AfterSecondRoundNaming(dlg);
}

/// The suit the computer must name after the human's second-round pass: its choice cached
/// at its first evaluation (a loaded game values it again). Should a loaded position hold a
/// hand that would have taken the turned-up suit, nothing is cached: the computer then
/// names its best other suit.
int SuitComputerMustName()
{
    g_bidEvalState = kBidCached;
    const int cached = ComputerChooseSuit();
    if (cached >= 1 && cached <= kSuits && cached != g_trumpSuit)
        return cached;
    g_bidEvalState = kBidEvaluate;
    const int suit = OtherSuitOfIndex(ComputerChooseSuit());
    return suit != 0 ? suit : g_otherSuit1;
}

/// The human passes in the first round (button 2): the computer answers, deciding once
/// for the deal whether it takes the turned-up suit and which suit it would name.
void HumanPassesFirst(CVertanDlg& dlg)
{
    EraseTakeOrPass(dlg);
    g_bidEvalState = kBidEvaluate;
    const int answer = ComputerChooseSuit();
    g_computerNamedSuit = OtherSuitOfIndex(answer);
    const int bid = g_computerNamedSuit == 0 ? image::kComputerTakes : image::kComputerPasses;
    g_shownAnnouncement1 = bid;
    PoseComputerBid(dlg, bid, PromptState::kComputerAnsweredPass);
}

/// The human passes in the second round (button 15): the computer must name its suit.
void HumanPassesSecond(CVertanDlg& dlg)
{
    EraseSuitQuestion(dlg, image::kNameOrPass, true);
    dlg.PresentTable();
    g_trumpSuit = SuitComputerMustName();
    MarkTrump(dlg, g_trumpSuit, MarkShown::kWithTable);
    PoseComputerBid(dlg, image::ComputerNamesSuit(g_trumpSuit), PromptState::kComputerNamedAfterPass);
}

/// The human passes after the computer passed first (button 11): the computer names its
/// cached suit, or passes again and the human must name one.
void HumanPassesAfterComputer(CVertanDlg& dlg)
{
    EraseTakeOrPass(dlg);
    g_bidEvalState = kBidCached;
    const int suit = ComputerAcceptsTrump();
    if (suit == 0) {
        g_shownAnnouncement1 = image::kComputerPassesAgain;
        PoseComputerBid(dlg, image::kComputerPassesAgain, PromptState::kComputerPassedAgain);
        return;
    }
    g_toMove = kComputer;
    const int bid = image::ComputerNamesSuit(suit);
    g_shownAnnouncement1 = bid;
    // The named suit shows first, then its mark beside the deck; the voice follows both.
    dlg.ShowImage(bid, Spot::kUpper);
    MarkTrump(dlg, suit, MarkShown::kAlone);
    PlayVoicePhrase(bid);
    g_trumpSuit = suit;
    AwaitBidAcknowledged(dlg, PromptState::kComputerNamedFirst);
}

} // namespace

void RunBiddingArm(CVertanDlg& dlg, PromptButton button)
{
    switch (button) {
    case PromptButton::kTake:
    case PromptButton::kTakeAfterComputerPass:
        HumanTakes(dlg);
        return;
    case PromptButton::kPass:
        HumanPassesFirst(dlg);
        return;
    case PromptButton::kAckComputerTakes:
        g_toMove = kComputer;
        EraseComputerBid(dlg, image::kComputerTakes);
        MarkTrump(dlg, g_trumpSuit, MarkShown::kAlone);
        AfterFirstRoundTake(dlg);
        return;
    case PromptButton::kAckComputerPasses:
        EraseComputerBid(dlg, image::kComputerPasses);
        PoseTakeOrPass(dlg, PromptState::kHumanAnswersPass);
        return;
    case PromptButton::kAckComputerTookAfterPass:
        // The turned-up suit is trump already and stays unmarked until the second deal.
        g_toMove = kComputer;
        EraseComputerBid(dlg, image::kComputerTakes);
        AfterFirstRoundTake(dlg);
        return;
    case PromptButton::kAckComputerPassedAfterPass:
        EraseComputerBid(dlg, image::kComputerPasses);
        OfferSuits(dlg, image::kNameOrPass, PromptState::kHumanNamesOrPasses);
        return;
    case PromptButton::kNameSuit1:
    case PromptButton::kNameSuit2:
    case PromptButton::kNameSuit3:
        HumanNames(dlg, static_cast<int>(button) - static_cast<int>(PromptButton::kNameSuit1) + 1,
            image::kNameOrPass, true);
        return;
    case PromptButton::kPassSecondRound:
        HumanPassesSecond(dlg);
        return;
    case PromptButton::kAckComputerNamedAfterPass:
    case PromptButton::kAckComputerNamedFirst:
        g_toMove = kComputer;
        EraseComputerBid(dlg, image::ComputerNamesSuit(g_trumpSuit));
        AfterSecondRoundNaming(dlg);
        return;
    case PromptButton::kPassAfterComputerPass:
        HumanPassesAfterComputer(dlg);
        return;
    case PromptButton::kAckComputerPassedAgain:
        EraseComputerBid(dlg, image::kComputerPassesAgain);
        OfferSuits(dlg, image::kMustName, PromptState::kHumanMustName);
        return;
    case PromptButton::kMustNameSuit1:
    case PromptButton::kMustNameSuit2:
    case PromptButton::kMustNameSuit3:
        HumanNames(dlg, static_cast<int>(button) - static_cast<int>(PromptButton::kMustNameSuit1) + 1,
            image::kMustName, false);
        return;
    default:
        return;
    }
}
