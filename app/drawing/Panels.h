#pragma once

#include "platform/MemoryDC.h"
#include "platform/Rect.h"

class CVertanDlg;

/// The overlay panels drawn on the table: the deal result and the score sheet (a 300 x 380
/// sheet with two columns) and the statistics table (500 x 300). Each has a shadow, a
/// bevelled frame and a round close mark at its top-right corner.

/// Where a panel stands: its inside, in client pixels.
struct PanelBox {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
};

/// Selects the panels' font, text colour and opaque text background into the back buffer.
void SelectPanelText(CVertanDlg& dlg);

/// The score sheet's box around the centre (c, cy), and the statistics table's.
PanelBox SheetPanelBox(int c, int cy);
PanelBox StatisticsPanelBox(int c, int cy);

/// The close mark's button rectangle of a panel: 30 x 30 right of its top-right corner.
platform::Rect CloseMarkRect(const PanelBox& box);

/// The cross on a panel's close mark, moved `shift` pixels right and down.
void DrawCloseMarkCross(platform::MemoryDC& dc, const platform::Pen& pen, const PanelBox& box, int shift);

/// Shadow, panel, close mark and frame of a box, drawn with the window's brushes.
void DrawPanelFrame(CVertanDlg& dlg, platform::MemoryDC& dc, const PanelBox& box);

/// The score sheet's column divider and header rule.
void DrawSheetRules(platform::MemoryDC& dc, int c, int cy);

/// The deal rows of the page of the last deal row (rows 1..22, 23..44 ...), 15 pixels
/// apart from cy - 173, each cell at its indent from c.
void DrawSheetRows(platform::MemoryDC& dc, int c, int cy);

/// Keeps what the final panel shows of the score (g_keptFinalScore) before the score is
/// cleared under it; nothing when the game has not ended or it is kept already.
void KeepFinalPanelScore();

/// State 17: the deal-result panel (frame, the deal's points, the deal rows, and when the
/// game is over the result and margin rows from the totals it ended at, on the page they
/// fit); the close mark becomes button A.
void DrawDealResultPanel(CVertanDlg& dlg);
/// State 18: the score sheet panel; the close mark becomes button A.
void DrawScoreSheetPanel(CVertanDlg& dlg);
/// State 19: the statistics panel; the close mark becomes button A.
void DrawStatisticsPanel(CVertanDlg& dlg);
