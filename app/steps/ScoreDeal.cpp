#include "app/Globals.h"
#include "app/Spots.h"
#include "app/VertanDlg.h"
#include "app/drawing/PanelGrowth.h"
#include "app/drawing/Panels.h"
#include "app/files/StatisticsFile.h"
#include "app/steps/TableCopy.h"
#include "engine/DealScoring.h"
#include "engine/GameState.h"
#include "engine/PromptRules.h"
#include "engine/PromptState.h"
#include "engine/ScoreSheet.h"
#include "engine/Settings.h"
#include "engine/Statistics.h"

#include <algorithm>

namespace {

/// What the window shows of the deal-result panel once its frame is drawn (shadow and
/// close mark included), and once its texts are: width and height, and the top-left
/// corner from the table centre, in pixels.
constexpr int kFrameShownWidth = 395;
constexpr int kFrameShownHeight = 481;
constexpr int kFrameShownLeft = 195;
constexpr int kFrameShownTop = 255;
constexpr int kTextsShownWidth = 300;
constexpr int kTextsShownHeight = 420;
constexpr int kTextsShownLeft = 150;
constexpr int kTextsShownTop = 210;

/// Cell `row` of both columns takes a row's texts and indents.
void StoreRow(int row, const SheetRow& cells)
{
    const auto k = static_cast<std::size_t>(row);
    g_sheetHuman[k] = QString::fromStdString(cells.human.text);
    g_sheetHumanIndent[k] = cells.human.indent;
    g_sheetComputer[k] = QString::fromStdString(cells.computer.text);
    g_sheetComputerIndent[k] = cells.computer.indent;
}

/// Every row of a column moves up by a page: the first page goes, the last is empty again.
template <class Column> void DropOldestPage(Column& column)
{
    const auto first = column.begin() + 1;
    std::move(first + kSheetPageRows, column.end(), first);
    std::fill(column.end() - kSheetPageRows, column.end(), typename Column::value_type {});
}

/// The deal's row goes below the last one written, and counts as the last deal row.
void WriteDealRow(const SheetRow& cells)
{
    if (SheetDropsPage(g_sheetRow)) {
        DropOldestPage(g_sheetHuman);
        DropOldestPage(g_sheetComputer);
        DropOldestPage(g_sheetHumanIndent);
        DropOldestPage(g_sheetComputerIndent);
    }
    g_sheetRow = NextSheetRow(g_sheetRow);
    StoreRow(g_sheetRow, cells);
    g_sheetRowCount = g_sheetRow;
}

/// The finished game joins the statistics of the level and length in force. A file that
/// cannot be written or read costs the record only: the player is told, and the game end goes on.
void RecordGame()
{
    const StatisticsRecord record { g_playerName.toStdString(),
        ResultWord(OutcomeOf(g_humanTotal, g_computerTotal)), MarginOf(g_humanTotal, g_computerTotal),
        GameText(g_gameLength), LevelText(g_level) };
    AddGameToStatisticsFile(StatisticsFilePath(g_programDir, g_level, g_gameLength), record);
}

} // namespace

void CVertanDlg::ScoreDeal()
{
    const int c = CentreX();
    const int cy = CentreY();

    // The hands, the trick, the deck and the labels give way to the panel.
    g_trumpMarkPos = kTrumpMarkNone;
    g_deckShown = kDeckNotShown;
    SelectPanelText(*this);
    ClearTable(*this);
    GrowPanel(*this, kSheetGrowth);
    DrawPanelFrame(*this, m_dcBuffer, SheetPanelBox(c, cy));
    DrawSheetRules(m_dcBuffer, c, cy);
    ShowRect(*this, c - kFrameShownLeft, cy - kFrameShownTop, kFrameShownWidth, kFrameShownHeight);

    GameScore score = CurrentGameScore();
    const SheetRow row = ScoreContract(score, CurrentDealPoints(m_taker));
    StoreGameScore(score);
    WriteDealRow(row);
    const bool gameOver = GameIsOver();
    if (gameOver)
        g_gameOver = 1;

    // The new panel shows this deal's score, not what an earlier final panel kept.
    g_keptFinalScore.reset();
    DrawDealResultPanel(*this);
    MarkPromptPosed(PromptState::kDealResult);
    ShowRect(*this, c - kTextsShownLeft, cy - kTextsShownTop, kTextsShownWidth, kTextsShownHeight);

    if (gameOver)
        RecordGame();
}
