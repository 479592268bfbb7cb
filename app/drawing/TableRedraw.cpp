#include "app/Layout.h"
#include "app/Sounds.h"
#include "app/Spots.h"
#include "app/VertanDlg.h"
#include "app/drawing/ImagePainting.h"
#include "app/drawing/NameHeaders.h"
#include "app/drawing/PromptDrawing.h"
#include "app/drawing/TableDrawing.h"
#include "app/files/ImageData.h"
#include "app/steps/TableCopy.h"
#include "engine/CardTable.h"
#include "engine/GameState.h"
#include "engine/Settings.h"

#include <algorithm>

namespace {

/// Cards of the rest of the deck, the top one face up; sideways backs of the talon.
constexpr int kRestOfDeckCards = 4;
constexpr int kTalonCards = 4;

/// The card at position k (1..kMaxHand) of a hand.
int humanCard(int k)
{
    return g_humanHand[static_cast<std::size_t>(k)];
}
int computerCard(int k)
{
    return g_computerHand[static_cast<std::size_t>(k)];
}
bool isShown(int card)
{
    return IsCard(card) && g_cards[static_cast<std::size_t>(card)].shown() == 1;
}

void drawHumanRow(CVertanDlg& dlg)
{
    const int y = HumanRowTop();
    const int raised = y - ShownOffset();
    const int count = std::clamp(g_humanCount, 0, kMaxHand);
    if (g_humanShowing == 1) {
        // Two passes, so the raised cards lie over their neighbours in an overlapping row.
        for (const bool shownPass : { false, true })
            for (int k = 1; k <= count; ++k)
                if (isShown(humanCard(k)) == shownPass)
                    dlg.DrawCardFace(humanCard(k), HumanCardX(k), shownPass ? raised : y);
        return;
    }
    const bool sevenRaised = g_humanSevenRaised == 1;
    for (int k = 1; k <= count; ++k)
        dlg.DrawCardFace(humanCard(k), HumanCardX(k), sevenRaised && k == g_sevenPos ? raised : y);
}

void drawComputerRow(CVertanDlg& dlg)
{
    const int y = g_rowUnit;
    const int lowered = y + ShownOffset();
    const int count = std::clamp(g_computerCount, 0, kMaxHand);
    if (g_computerShowing == 1) {
        // The shown cards turn face up and come out of the row, over the backs.
        for (const bool shownPass : { false, true })
            for (int k = 1; k <= count; ++k) {
                if (isShown(computerCard(k)) != shownPass)
                    continue;
                if (shownPass)
                    dlg.DrawCardFace(computerCard(k), ComputerCardX(k), lowered);
                else
                    dlg.DrawCardBack(ComputerCardX(k), y);
            }
        return;
    }
    for (int k = 1; k <= count; ++k) {
        if (g_computerSevenRaised == 1 && k == g_sevenPos)
            dlg.DrawCardFace(computerCard(k), ComputerCardX(k), lowered);
        else
            dlg.DrawCardBack(ComputerCardX(k), y);
    }
}

/// The rest of the deck after the second deal: the turned-up card, three backs and the
/// shown card on top, their corners rounded.
void drawRestOfDeck(CVertanDlg& dlg)
{
    const Point turnedUp = TurnedUpCardPoint();
    dlg.DrawCardFace(g_trumpCard, turnedUp.x, turnedUp.y);
    for (int i = 0; i < kRestOfDeckCards; ++i) {
        const Point at = RestOfDeckPoint(i);
        DrawCard(dlg, i == kRestOfDeckCards - 1 ? g_deckShown : kNoCard, at.x, at.y);
        // The lowest back lies on the turned-up card: its corner shows what lay there.
        if (i == 0)
            TouchCorner(dlg, at.x, at.y, g_deckCornerPixel1, g_deckCornerPixel2, g_deckCornerPixel3);
        else
            TouchStackedCorner(dlg, at.x, at.y);
    }
}

/// The talon at the start of a deal: the turned-up card under four sideways backs.
void drawTalon(CVertanDlg& dlg)
{
    const Point turnedUp = TurnedUpCardPoint();
    dlg.DrawCardFace(g_trumpCard, turnedUp.x, turnedUp.y);
    const platform::COLORREF table = TableColour(std::clamp(g_background, 1, kCustomBackground));
    for (int i = 0; i < kTalonCards; ++i) {
        const Point at = TalonPoint(i);
        DrawSideBack(dlg, at.x, at.y);
        if (i == 0)
            TouchCorner(dlg, at.x, at.y, table, table, table);
    }
}

void drawDeck(CVertanDlg& dlg)
{
    if (IsCard(g_deckShown))
        drawRestOfDeck(dlg);
    else if (g_deckShown == kDeckWithTurnedUpCard)
        drawTalon(dlg);
}

} // namespace

void CVertanDlg::RedrawTable()
{
    g_fullRedraw = 1;
    m_dcBuffer.setFont(m_font);
    m_dcBuffer.setTextColour(m_textColour);
    m_dcBuffer.setBkColour(m_textBackColour);
    m_dcBuffer.setOpaqueBackground(true);

    PlaceNameHeaders();
    m_dcBuffer.bitBlt(0, 0, g_clientWidth, g_clientHeight, m_dcTable, 0, 0);
    drawHumanRow(*this);
    drawComputerRow(*this);
    if (g_computerCardShown == 1) {
        const Point lead = LeadCardPoint();
        DrawCardFace(g_computerTableCard, lead.x, lead.y);
    }
    drawDeck(*this);
    if (g_trumpMarkPos == kTrumpMarkSpot1 || g_trumpMarkPos == kTrumpMarkSpot2)
        DrawTrumpMark(g_trumpSuit, g_trumpMarkPos);
    DrawPrompt(*this);
    PresentTable();
    RecordHumanCardRects();
    g_fullRedraw = 0;
}

void CVertanDlg::DrawHumanHand()
{
    const int y = HumanRowTop();
    const int count = std::clamp(g_humanCount, 0, kMaxHand);
    for (int k = 1; k <= count; ++k)
        DrawCardFace(humanCard(k), HumanCardX(k), y);
    RecordHumanCardRects();
    PlayEffect(Effect::CardFlick);
    m_surface.present(m_dcBuffer, 0, y, g_clientWidth, kCardHeight);
}
