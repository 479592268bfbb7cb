#include "app/Globals.h"
#include "app/ImageData.h"
#include "app/Layout.h"
#include "app/PromptDrawing.h"
#include "app/Sounds.h"
#include "app/Spots.h"
#include "app/TableDrawing.h"
#include "app/VertanDlg.h"
#include "engine/CardTable.h"
#include "engine/GameState.h"
#include "engine/Settings.h"
#include "platform/Cp1251.h"

#include <algorithm>

namespace {

/// Cards shown to the opponent stand H / 26 out of their row, toward the middle.
constexpr int kShownRaiseDivisor = 26;
/// Where the player's name starts in the deal-result panel and the score sheet: this far
/// left of the centre, less 8 pixels per two letters of the name.
constexpr int kNameHeaderOffset = 95;
constexpr int kNameHeader2Offset = 77;
constexpr int kNameHeaderPixelsPerTwoLetters = 8;

/// The deck at the right edge, relative to (W, g_midY): the turned-up card, three backs
/// and the shown card of the rest of the deck, each 2 pixels further down and right.
constexpr Point kTurnedUpFromEdge{-107, -61};
constexpr Point kRestFromEdge{-89, -40};
constexpr int kStackStep = 2;
constexpr int kRestBacks = 3;
/// The talon at the start of a deal: four sideways backs from here.
constexpr Point kTalonFromEdge{-122, -16};
constexpr int kTalonCards = 4;
/// The corner touch that rounds a stacked card: its top-left pixel takes this point of the
/// back's colour list, the pixels right of and below it a light grey.
constexpr int kBackCornerPoint = 70;
constexpr platform::COLORREF kStackCornerGrey = platform::RGB(200, 196, 200);

/// Card 1..32 at hand position k, or kNoCard outside the hand.
int humanCard(int k) { return g_humanHand[static_cast<std::size_t>(k)]; }
int computerCard(int k) { return g_computerHand[static_cast<std::size_t>(k)]; }
bool isShown(int card) { return IsCard(card) && g_cards[static_cast<std::size_t>(card)].shown() == 1; }

/// Rounds the top-left corner of a card on a stack.
void touchCorner(platform::MemoryDC& dc, Point at, platform::COLORREF corner, platform::COLORREF right,
    platform::COLORREF below)
{
    dc.setPixel(at.x, at.y, corner);
    dc.setPixel(at.x + 1, at.y, right);
    dc.setPixel(at.x, at.y + 1, below);
}

/// A card of the deck: `offset` from (W, g_midY), moved down and right by `step` stack steps.
Point fromEdge(Point offset, int step)
{
    return {g_clientWidth + offset.x + step * kStackStep, g_midY + offset.y + step * kStackStep};
}

void drawHumanRow(CVertanDlg& dlg)
{
    const int y = HumanRowTop();
    const int raised = y - g_clientHeight / kShownRaiseDivisor;
    const int count = std::clamp(g_humanCount, 0, kMaxHand);
    if (g_humanShowing == 1) {
        // Two passes, so the raised cards lie over their neighbours in an overlapping row.
        for (const bool shownPass : {false, true})
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
    const int lowered = y + g_clientHeight / kShownRaiseDivisor;
    const int count = std::clamp(g_computerCount, 0, kMaxHand);
    if (g_computerShowing == 1) {
        // The shown cards turn face up and come out of the row, over the backs.
        for (const bool shownPass : {false, true})
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
    platform::MemoryDC& dc = dlg.m_dcBuffer;
    const Point turnedUp = fromEdge(kTurnedUpFromEdge, 0);
    dlg.DrawCardFace(g_trumpCard, turnedUp.x, turnedUp.y);
    const auto back = static_cast<std::size_t>(std::clamp(g_cardBack, 1, kCardBackCount));
    const platform::COLORREF backCorner = g_backColour[back][kBackCornerPoint];
    for (int i = 0; i <= kRestBacks; ++i) {
        const Point at = fromEdge(kRestFromEdge, i);
        if (i < kRestBacks)
            dlg.DrawCardBack(at.x, at.y);
        else
            dlg.DrawCardFace(g_deckShown, at.x, at.y);
        if (i == 0)
            touchCorner(dc, at, g_deckCornerPixel1, g_deckCornerPixel2, g_deckCornerPixel3);
        else
            touchCorner(dc, at, backCorner, kStackCornerGrey, kStackCornerGrey);
    }
}

/// The talon at the start of a deal: the turned-up card under four sideways backs.
void drawTalon(CVertanDlg& dlg)
{
    platform::MemoryDC& dc = dlg.m_dcBuffer;
    const Point turnedUp = fromEdge(kTurnedUpFromEdge, 0);
    dlg.DrawCardFace(g_trumpCard, turnedUp.x, turnedUp.y);
    const auto background = static_cast<std::size_t>(std::clamp(g_background, 1, kCustomBackground));
    const platform::COLORREF table = g_backgroundColour[background][kTableColourPoint];
    for (int i = 0; i < kTalonCards; ++i) {
        const Point at = fromEdge(kTalonFromEdge, i);
        dc.bitBlt(at.x, at.y, kCardHeight, kCardWidth, dlg.m_dcBackSide, 0, 0);
        if (i == 0)
            touchCorner(dc, at, table, table, table);
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

    const int c = CentreX();
    const int nameHalf = static_cast<int>(platform::ToCp1251(g_playerName).size()) / 2;
    g_nameHeaderX = c - kNameHeaderOffset - nameHalf * kNameHeaderPixelsPerTwoLetters;
    g_nameHeaderX2 = c - kNameHeader2Offset - nameHalf * kNameHeaderPixelsPerTwoLetters;

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
