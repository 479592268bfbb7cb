#include "app/Layout.h"
#include "app/VertanDlg.h"
#include "app/dialogs/Fon_St.h"
#include "app/dialogs/Rybachka.h"
#include "app/drawing/BackgroundColours.h"
#include "app/drawing/ImagePainting.h"
#include "app/files/ImageData.h"
#include "engine/Settings.h"
#include "platform/DialogRunner.h"

#include <algorithm>

void CVertanDlg::RepaintCardBack()
{
    // A damaged saved game or profile must not send the painting past the eight backs.
    g_cardBack = std::clamp(g_cardBack, 1, kCardBackCount);
    PaintCardBack(m_dcBack, m_dcBackSide, g_cardBack);
    PaintSideBackShade(m_dcBackSide, g_cardBack);
}

void CVertanDlg::RebuildBackground()
{
    g_background = std::clamp(g_background, 1, kCustomBackground);
    const BackgroundColours colours = ColoursForBackground(g_background, m_customColour);
    m_announcementColour = colours.announcement;
    m_captionColour = colours.caption;
    m_hoverColour = colours.hover;
    m_announcementNormalColour = m_announcementColour;
    PaintTableBitmaps();
    // The clean table now holds the new tiles only as far as the client reaches: a larger
    // window must tile it again.
    g_tiledWidth = g_clientWidth;
    g_tiledHeight = g_clientHeight;
}

void CVertanDlg::OnTableBackground()
{
    CFon_St dialog(this);
    dialog.m_selected = g_background;
    dialog.m_customColour = m_customColour;
    if (platform::RunModal(dialog) != QDialog::Accepted)
        return;
    g_background = dialog.m_selected;
    // Slot 11 follows a new custom colour whichever background was chosen, so that choosing
    // the colour tile later shows the colour its texts are made for.
    if (dialog.m_customColour != m_customColour)
        FillCustomBackground(dialog.m_customColour);
    m_customColour = dialog.m_customColour;
    RebuildBackground();
    RedrawTable();
}

void CVertanDlg::OnCardBack()
{
    CRybachka dialog(this);
    dialog.m_selected = g_cardBack;
    if (platform::RunModal(dialog) != QDialog::Accepted)
        return;
    g_cardBack = dialog.m_selected;
    RepaintCardBack();
    RedrawTable();
}
