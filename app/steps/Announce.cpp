#include "app/steps/Announce.h"

#include "app/Sounds.h"
#include "app/Spots.h"
#include "app/VertanDlg.h"
#include "app/steps/TableCopy.h"
#include "engine/CardTable.h"
#include "engine/PromptRules.h"
#include "engine/PromptState.h"

void Announce(CVertanDlg& dlg, int image, Spot spot)
{
    dlg.ShowImage(image, spot);
    PlayVoicePhrase(image);
}

void Unannounce(CVertanDlg& dlg, int image, Spot spot)
{
    dlg.EraseImage(image, spot);
    const platform::Rect band = ImageBand(image, SpotPoint(spot));
    ShowRect(dlg, band.left, band.top, band.width(), band.height());
}

void ErasePrompt(CVertanDlg& dlg, std::initializer_list<PlacedImage> images)
{
    for (const PlacedImage& placed : images)
        dlg.EraseImage(placed.image, placed.spot);
    g_announcement = image::kNone;
    g_buttonsActive = 0;
}

void MarkTrump(CVertanDlg& dlg, int suit, MarkShown shown)
{
    if (shown == MarkShown::kAlone)
        dlg.ShowTrumpMark(suit, kTrumpMarkSpot1);
    else
        dlg.DrawTrumpMark(suit, kTrumpMarkSpot1);
    g_trumpMarkPos = kTrumpMarkSpot1;
}

void PoseTakeOrPass(CVertanDlg& dlg, PromptState state)
{
    Announce(dlg, image::OfferedSuit(g_trumpSuit), Spot::kCentre);
    dlg.ShowCaption(image::kCaptionTake, Spot::kLeftCaption, dlg.m_rcButton1);
    dlg.ShowCaption(image::kCaptionPass, Spot::kRightCaption, dlg.m_rcButton2);
    dlg.PresentTable();
    MarkPromptPosed(state);
}

void PoseComputerBid(CVertanDlg& dlg, int image, PromptState state)
{
    Announce(dlg, image, Spot::kUpper);
    AwaitBidAcknowledged(dlg, state);
}

void AwaitBidAcknowledged(CVertanDlg& dlg, PromptState state)
{
    dlg.ShowCaption(image::kCaptionAcknowledge, Spot::kCentre, dlg.m_rcButton1);
    dlg.PresentTable();
    MarkPromptPosed(state);
}
