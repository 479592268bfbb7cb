#include "app/drawing/Panels.h"

#include "app/Globals.h"
#include "app/Spots.h"
#include "app/VertanDlg.h"
#include "app/drawing/FittedText.h"
#include "app/drawing/TableDrawing.h"
#include "engine/GameState.h"
#include "engine/ScoreSheet.h"

#include <algorithm>
#include <array>

namespace {

/// Half width of the score sheet, and its top and bottom from the centre line, in pixels.
constexpr int kSheetHalfWidth = 150;
constexpr int kSheetTopFromCentre = 210;
constexpr int kSheetBottomFromCentre = 170;
/// Half width and half height of the statistics table, in pixels.
constexpr int kStatsHalfWidth = 250;
constexpr int kStatsHalfHeight = 150;

/// The shadow lies 15 pixels up and left of the panel.
constexpr int kShadowShift = 15;
/// The close mark: a 30-pixel disc 10 right of the panel's top-right corner, on a rim.
constexpr int kCloseMarkGap = 10;
constexpr int kCloseMarkSize = 30;

/// The light bevel along the panel's top and left edges, in pixels; the corner strokes
/// run across it.
constexpr int kBevel = 3;
/// The close mark's rim shows this many pixels round its disc.
constexpr int kCloseMarkRim = 3;
/// The cross on the close mark: 18 pixels square, 5 inside the disc's box.
constexpr int kCrossInset = 5;
constexpr int kCrossSize = 18;

/// The sheet's rows are 15 pixels apart, the first one 173 above the centre line, the
/// game-end rows 10 lower than the deal-row grid.
constexpr int kSheetRowHeight = 15;
constexpr int kSheetFirstRowFromCentre = 173;
constexpr int kResultRuleFromCentre = 168;
constexpr int kResultRowFromCentre = 183;
/// The sheet's rules end 5 pixels inside the panel; the header rule lies 30 below its top.
constexpr int kSheetRuleInset = 5;
constexpr int kSheetRuleHalfWidth = kSheetHalfWidth - kSheetRuleInset;
constexpr int kSheetHeaderRuleBelowTop = 30;
/// The panels' header line, 200 above the centre line; x of the computer's header.
constexpr int kHeaderFromCentre = 200;
constexpr int kDealComputerHeaderX = 21;
constexpr int kSheetComputerHeaderX = 32;
/// Texts keep this many pixels clear of the text or rule beside them and of the panel's
/// bevel.
constexpr int kTextGap = 4;
/// The bold edge inside the panel's right side is as wide as the bevel; texts end before it.
constexpr int kSheetTextRight = kSheetHalfWidth - kBevel;

/// The statistics columns after the row number: header and text x from the centre column.
struct StatColumn {
    const char* header;
    int headerX;
    int textX;
};
constexpr std::array<StatColumn, 5> kStatColumns { {
    { "ИМЯ", -190, -219 },
    { "СТАТУС", -83, -96 },
    { "ОЧКИ", -8, -5 },
    { "ПАРТИЯ", 65, 41 },
    { "УРОВЕНЬ", 167, 161 },
} };
/// x of the row number from the centre column.
constexpr int kStatRowNoX = -242;
/// x of the rules between the columns; the first starts at the header rule, the others at
/// the headers' line.
constexpr std::array<int, 5> kStatRuleXs { -223, -103, -16, 36, 155 };
constexpr int kStatHeaderFromCentre = 143;
constexpr int kStatHeaderRuleFromCentre = 123;
constexpr int kStatRulesBottomFromCentre = 147;
constexpr int kStatRuleHalfWidth = 245;
constexpr int kStatFirstRowFromCentre = 121;
constexpr int kStatRowHeight = 18;
/// The rule under each row lies 16 below its text; the last row has none.
constexpr int kStatRowRuleBelow = 16;
constexpr int kStatRows = 15;

void line(platform::MemoryDC& dc, const platform::Pen& pen, int x1, int y1, int x2, int y2)
{
    dc.selectPen(pen);
    dc.moveTo(x1, y1);
    dc.lineTo(x2, y2);
}

void drawCells(platform::MemoryDC& dc, const QString& human, int humanIndent, const QString& computer,
    int computerIndent, int c, int y)
{
    dc.textOut(c - humanIndent, y, human);
    dc.textOut(c + computerIndent, y, computer);
}

/// The deal rows of the page that starts at `firstRow`, up to the last deal row `rows`.
void drawDealRows(platform::MemoryDC& dc, int c, int cy, int firstRow, int rows)
{
    const int last = std::min({ rows, firstRow + kSheetPageRows - 1, kSheetCells - 1 });
    int y = cy - kSheetFirstRowFromCentre;
    for (int row = std::max(firstRow, 1); row <= last; ++row, y += kSheetRowHeight) {
        const auto k = static_cast<std::size_t>(row);
        drawCells(
            dc, g_sheetHuman[k], g_sheetHumanIndent[k], g_sheetComputer[k], g_sheetComputerIndent[k], c, y);
    }
}

void drawGameEndRow(platform::MemoryDC& dc, const SheetRow& row, int c, int y)
{
    drawCells(dc, QString::fromStdString(row.human.text), row.human.indent,
        QString::fromStdString(row.computer.text), row.computer.indent, c, y);
}

/// The page of the game end: its deal rows, a rule under the last of them, a blank row, the
/// result row and the margin row, drawn from the totals.
void drawGameEndPage(platform::MemoryDC& dc, int c, int cy, const FinalPanelScore& score)
{
    const GameEndPlaces places = GameEndPlacesOf(score.rows);
    const auto placeY = [&](int place, int fromCentre) { return cy + kSheetRowHeight * place - fromCentre; };
    if (places.rulePlace > 0) {
        const int ruleY = placeY(places.rulePlace, kResultRuleFromCentre);
        line(dc, g_penDimGrey, c - kSheetRuleHalfWidth, ruleY, c + kSheetRuleHalfWidth, ruleY);
    }
    const GameEndRows rows = GameEndRowsOf(score.humanTotal, score.computerTotal);
    drawGameEndRow(dc, rows.result, c, placeY(places.resultPlace, kResultRowFromCentre));
    drawGameEndRow(dc, rows.margin, c, placeY(places.marginPlace, kResultRowFromCentre));
    drawDealRows(dc, c, cy, places.firstRow, score.rows);
}

/// What a final panel drawn now shows of the score in force.
FinalPanelScore scoreInForce()
{
    return { g_sheetRowCount, g_humanTotal, g_computerTotal };
}

/// The score sheet's frame and rules around the centre (c, cy); its box.
PanelBox drawSheetFrame(CVertanDlg& dlg, int c, int cy)
{
    const PanelBox box = SheetPanelBox(c, cy);
    DrawPanelFrame(dlg, dlg.m_dcBuffer, box);
    DrawSheetRules(dlg.m_dcBuffer, c, cy);
    return box;
}

/// The sheet's halves, where the player's and the computer's header texts stay: between the
/// left bevel and the column line, and between that line and the bold right edge.
TextRoom humanHalf(int c)
{
    return { c - kSheetHalfWidth + kBevel + kTextGap, c - kTextGap };
}
TextRoom computerHalf(int c)
{
    return { c + kTextGap, c + kSheetTextRight };
}

/// A panel's close mark is its one button, A, live while g_announcement is caption 34.
void closeMarkIsButtonA(CVertanDlg& dlg, const PanelBox& box)
{
    g_announcement = image::kCaptionAcknowledge;
    dlg.m_rcButton1 = CloseMarkRect(box);
}

} // namespace

void SelectPanelText(CVertanDlg& dlg)
{
    dlg.m_dcBuffer.setFont(dlg.m_font);
    dlg.m_dcBuffer.setTextColour(dlg.m_textColour);
    dlg.m_dcBuffer.setBkColour(dlg.m_textBackColour);
    dlg.m_dcBuffer.setOpaqueBackground(true);
}

PanelBox SheetPanelBox(int c, int cy)
{
    return { c - kSheetHalfWidth, cy - kSheetTopFromCentre, c + kSheetHalfWidth,
        cy + kSheetBottomFromCentre };
}

PanelBox StatisticsPanelBox(int c, int cy)
{
    return { c - kStatsHalfWidth, cy - kStatsHalfHeight, c + kStatsHalfWidth, cy + kStatsHalfHeight };
}

platform::Rect CloseMarkRect(const PanelBox& box)
{
    return { box.right + kCloseMarkGap, box.top, box.right + kCloseMarkGap + kCloseMarkSize,
        box.top + kCloseMarkSize };
}

void DrawCloseMarkCross(platform::MemoryDC& dc, const platform::Pen& pen, const PanelBox& box, int shift)
{
    const platform::Rect mark = CloseMarkRect(box);
    const int left = mark.left + kCrossInset + shift;
    const int top = mark.top + kCrossInset + shift;
    line(dc, pen, left, top, left + kCrossSize, top + kCrossSize);
    line(dc, pen, left, top + kCrossSize, left + kCrossSize, top);
}

void DrawPanelFrame(CVertanDlg& dlg, platform::MemoryDC& dc, const PanelBox& box)
{
    const int l = box.left;
    const int t = box.top;
    const int r = box.right;
    const int b = box.bottom;

    // The shadow darkens the table beneath it instead of covering it.
    dc.selectPen(platform::Pen::Null());
    dc.selectBrush(dlg.m_brush3);
    dc.setMixMode(platform::MixMode::MaskPen);
    const platform::Rect mark = CloseMarkRect(box);
    const platform::Rect rim { mark.left - kCloseMarkRim, mark.top - kCloseMarkRim,
        mark.right + kCloseMarkRim, mark.bottom + kCloseMarkRim };
    dc.rectangle(l - kShadowShift, t - kShadowShift, r - kShadowShift, b - kShadowShift);
    dc.ellipse(
        rim.left - kShadowShift, rim.top - kShadowShift, rim.right - kShadowShift, rim.bottom - kShadowShift);
    dc.setMixMode(platform::MixMode::CopyPen);

    dc.selectBrush(dlg.m_brush4);
    dc.ellipse(rim.left, rim.top, rim.right, rim.bottom);
    dc.selectBrush(dlg.m_brush2);
    dc.rectangle(l, t, r, b);
    dc.selectBrush(dlg.m_brush6);
    dc.ellipse(mark.left, mark.top, mark.right, mark.bottom);

    line(dc, g_penGreyBold, l + 1, b - 1, r - 1, b - 1);
    line(dc, g_penGreyBold, r - 1, t + 1, r - 1, b - 1);
    DrawCloseMarkCross(dc, g_penDarkRedBold, box, 0);
    for (int i = 0; i < kBevel; ++i) {
        line(dc, g_penLightGrey, l, t + i, r - i, t + i);
        line(dc, g_penLightGrey, l + i, t, l + i, b - i);
    }
    line(dc, g_penCharcoal, r + 1, b + 1, r - kBevel, b - kBevel);
    line(dc, g_penSilver, l - 1, t - 1, l + kBevel, t + kBevel);
    line(dc, g_penGrey, l - 1, b + 1, r + 1, b + 1);
    line(dc, g_penGrey, l - 1, t - 1, r + 1, t - 1);
    line(dc, g_penGrey, l - 1, b + 1, l - 1, t - 1);
    line(dc, g_penGrey, r + 1, b + 1, r + 1, t - 1);
}

void DrawSheetRules(platform::MemoryDC& dc, int c, int cy)
{
    const PanelBox box = SheetPanelBox(c, cy);
    line(dc, g_penDimGrey, c, box.top + kSheetRuleInset, c, box.bottom - kSheetRuleInset);
    const int ruleY = box.top + kSheetHeaderRuleBelowTop;
    line(dc, g_penDimGrey, c - kSheetRuleHalfWidth, ruleY, c + kSheetRuleHalfWidth, ruleY);
}

void DrawSheetRows(platform::MemoryDC& dc, int c, int cy)
{
    drawDealRows(dc, c, cy, FirstRowOfPage(g_sheetRowCount), g_sheetRowCount);
}

void KeepFinalPanelScore()
{
    // Kept once: a second change of player would keep the score the first one cleared.
    if (g_gameOver == 1 && !g_keptFinalScore)
        g_keptFinalScore = scoreInForce();
}

void DrawDealResultPanel(CVertanDlg& dlg)
{
    platform::MemoryDC& dc = dlg.m_dcBuffer;
    const int c = CentreX();
    const int cy = CentreY();
    const PanelBox box = drawSheetFrame(dlg, c, cy);
    const int headerY = cy - kHeaderFromCentre;
    // Each side's points stand beside its name, in its own half, however long the name.
    TextOutWithin(dc, c + kDealComputerHeaderX, headerY,
        QStringLiteral("КОМПЬЮТЕР  ") + QString::number(g_computerDealPoints), computerHalf(c));
    TextOutWithin(dc, g_nameHeaderX, headerY,
        g_playerName + QStringLiteral("  ") + QString::number(g_humanDealPoints), humanHalf(c));
    // A score cleared under a panel loaded from a save shows no game's end: the totals it
    // ended at are gone with it.
    const FinalPanelScore score = g_keptFinalScore.value_or(scoreInForce());
    if (g_gameOver == 1 && TotalsEndedAGame(score.humanTotal, score.computerTotal))
        drawGameEndPage(dc, c, cy, score);
    else
        DrawSheetRows(dc, c, cy);
    closeMarkIsButtonA(dlg, box);
}

void DrawScoreSheetPanel(CVertanDlg& dlg)
{
    platform::MemoryDC& dc = dlg.m_dcBuffer;
    const int c = CentreX();
    const int cy = CentreY();
    const PanelBox box = drawSheetFrame(dlg, c, cy);
    const int headerY = cy - kHeaderFromCentre;
    dc.textOut(c + kSheetComputerHeaderX, headerY, QStringLiteral("КОМПЬЮТЕР"));
    TextOutWithin(dc, g_nameHeaderX2, headerY, g_playerName, humanHalf(c));
    DrawSheetRows(dc, c, cy);
    closeMarkIsButtonA(dlg, box);
}

void DrawStatisticsPanel(CVertanDlg& dlg)
{
    platform::MemoryDC& dc = dlg.m_dcBuffer;
    const int c = CentreX();
    const int cy = CentreY();
    const PanelBox box = StatisticsPanelBox(c, cy);
    DrawPanelFrame(dlg, dc, box);

    const int headerY = cy - kStatHeaderFromCentre;
    const int headerRuleY = cy - kStatHeaderRuleFromCentre;
    for (const StatColumn& column : kStatColumns)
        dc.textOut(c + column.headerX, headerY, QString::fromUtf8(column.header));
    for (const int x : kStatRuleXs)
        line(dc, g_penDimGrey, c + x, x == kStatRuleXs[0] ? headerRuleY : headerY, c + x,
            cy + kStatRulesBottomFromCentre);
    line(dc, g_penDimGrey, c - kStatRuleHalfWidth, headerRuleY, c + kStatRuleHalfWidth, headerRuleY);

    const std::array<const std::array<QString, kStatCells>*, 5> texts { &g_statName, &g_statStatus,
        &g_statPoints, &g_statGame, &g_statLevel };
    const int rows = std::clamp(g_statRowCount, 0, kStatRows);
    int y = cy - kStatFirstRowFromCentre;
    for (int row = 1; row <= rows; ++row, y += kStatRowHeight) {
        const auto k = static_cast<std::size_t>(row);
        dc.textOut(c + kStatRowNoX, y, g_statRowNo[k]);
        for (std::size_t column = 0; column < texts.size(); ++column) {
            // Each word stays left of the rule that closes its column.
            const int x = c + kStatColumns[column].textX;
            const int end = column + 1 < texts.size() ? c + kStatRuleXs[column + 1] : c + kStatsHalfWidth;
            TextOutWithin(dc, x, y, (*texts[column])[k], { x, end - kTextGap });
        }
        if (row < kStatRows)
            line(dc, g_penDimGrey, c - kStatRuleHalfWidth, y + kStatRowRuleBelow, c + kStatRuleHalfWidth,
                y + kStatRowRuleBelow);
    }
    g_promptState = PromptState::kStatistics;
    closeMarkIsButtonA(dlg, box);
}
