#include "app/Layout.h"
#include "app/Spots.h"
#include "app/VertanDlg.h"
#include "app/drawing/PointImages.h"
#include "app/drawing/PromptDrawing.h"
#include "engine/CardTable.h"

namespace {

void restore(platform::MemoryDC& buffer, const platform::MemoryDC& table, const platform::Rect& r)
{
    buffer.bitBlt(r.left, r.top, r.width(), r.height(), table, r.left, r.top);
}

/// Copies a rectangle of the back buffer to the window.
void showOnWindow(CVertanDlg& dlg, const platform::Rect& r)
{
    dlg.surface().present(dlg.m_dcBuffer, r.left, r.top, r.width(), r.height());
}

} // namespace

void CVertanDlg::EraseImage(int image, Spot spot)
{
    restore(m_dcBuffer, m_dcTable, ImageBand(image, SpotPoint(spot)));
}

void CVertanDlg::ShowImage(int image, Spot spot)
{
    DrawImageAt(*this, image, SpotPoint(spot));
    showOnWindow(*this, ImageBand(image, SpotPoint(spot)));
}

void CVertanDlg::ShowCaption(int image, Spot spot, platform::Rect& button)
{
    DrawCaptionAt(*this, image, SpotPoint(spot), button);
    showOnWindow(*this, ImageBand(image, SpotPoint(spot)));
}

void CVertanDlg::PresentTable()
{
    m_surface.present(m_dcBuffer, 0, 0, g_clientWidth, g_clientHeight);
}

void CVertanDlg::DrawTrumpMark(int suit, int markSpot)
{
    DrawColouredSuitGlyph(m_dcBuffer, suit, TrumpMarkPoint(markSpot));
}

void CVertanDlg::ShowTrumpMark(int suit, int markSpot)
{
    DrawTrumpMark(suit, markSpot);
    showOnWindow(*this, TrumpMarkRect(markSpot));
}

void CVertanDlg::ShowLeadLabel()
{
    DrawImageAt(*this, image::kHumanLeads, SpotPoint(Spot::kCentre));
    g_announcement = image::kNone;
    showOnWindow(*this, LeadLabelBand());
}

void CVertanDlg::EraseQuestion()
{
    restore(m_dcBuffer, m_dcTable, QuestionBand());
}

void CVertanDlg::OfferSuitButtons(PromptState state)
{
    g_shownAnnouncement1 = g_otherSuit1;
    g_shownAnnouncement2 = g_otherSuit2;
    g_shownAnnouncement3 = g_otherSuit3;
    DrawSuitButtons(*this, state);
}

void CVertanDlg::EraseSuitButtons()
{
    for (const platform::Rect* r : { &m_rcSuit1, &m_rcSuit2, &m_rcSuit3 })
        restore(m_dcBuffer, m_dcTable, *r);
}

void CVertanDlg::DrawCardFace(int card, int x, int y)
{
    if (IsCard(card))
        m_dcBuffer.bitBlt(x, y, kCardWidth, kCardHeight, m_dcFaces, kCardWidth * (card - 1), 0);
}

void CVertanDlg::DrawCardBack(int x, int y)
{
    m_dcBuffer.bitBlt(x, y, kCardWidth, kCardHeight, m_dcBack, 0, 0);
}
