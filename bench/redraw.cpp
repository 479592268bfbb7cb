// A full repaint of a 1600 x 1200 table, as after a resize or a closed overlay: both rows
// of twelve cards, the deck, the trump mark and a prompt of two layered images, and the
// score sheet over it. It must take well under the default animation delay of 8 ms. One
// card-flight step is measured in card_flight.cpp.

#include "app/Globals.h"
#include "app/Layout.h"
#include "app/VertanDlg.h"
#include "app/files/ImageDataFiles.h"
#include "engine/CardTable.h"
#include "engine/CardValues.h"
#include "engine/GameState.h"
#include "engine/PromptState.h"
#include "engine/Settings.h"

#include <benchmark/benchmark.h>

#include <cstdio>

namespace {

constexpr int kTableWidth = 1600;
constexpr int kTableHeight = 1200;
constexpr int kCardsInARow = 12;
/// Rows of a full page of the score sheet.
constexpr int kSheetPage = 22;
/// The raised style: nine layers per image, the most drawing of the four styles.
constexpr int kRaisedStyle = 2;

/// A table in the middle of a deal, drawn from the program folder's real pictures.
bool setUpTable(CVertanDlg& table)
{
    const DataFileResult loaded = LoadImageDataFiles(QStringLiteral(VERTAN_PROGRAM_DIR "/"), table.m_dcFaces);
    if (!loaded.ok()) {
        std::fprintf(stderr, "%s\n", qPrintable(loaded.message()));
        return false;
    }
    g_humanCount = kCardsInARow;
    g_computerCount = kCardsInARow;
    for (int k = 1; k <= kCardsInARow; ++k) {
        g_humanHand[static_cast<std::size_t>(k)] = k;
        g_computerHand[static_cast<std::size_t>(k)] = kCardsInARow + k;
    }
    ComputeLayout(kTableWidth, kTableHeight);
    table.PaintTableBitmaps();
    g_trumpSuit = 1;
    SetCardValues();
    g_trumpCard = 31;
    g_deckShown = 32;
    g_trumpMarkPos = kTrumpMarkSpot2;
    g_announcementStyle = kRaisedStyle;
    g_shownAnnouncement1 = image::kHumanFifty;
    g_shownAnnouncement2 = image::kComputerTwenty;
    g_promptState = PromptState::kBothDeclare;
    g_announcement = image::kCaptionNo;
    return true;
}

void BM_RedrawFullTable(benchmark::State& state)
{
    CVertanDlg table;
    if (!setUpTable(table)) {
        state.SkipWithError("the program folder's pictures cannot be read");
        return;
    }
    for (auto _ : state)
        table.RedrawTable();
}
BENCHMARK(BM_RedrawFullTable)->Unit(benchmark::kMicrosecond);

void BM_RedrawWithScoreSheet(benchmark::State& state)
{
    CVertanDlg table;
    if (!setUpTable(table)) {
        state.SkipWithError("the program folder's pictures cannot be read");
        return;
    }
    g_playerName = QStringLiteral("Игрок");
    for (int row = 1; row <= kSheetPage; ++row) {
        g_sheetHuman[static_cast<std::size_t>(row)] = QString::number(row * 10);
        g_sheetComputer[static_cast<std::size_t>(row)] = QString::number(row * 20);
        g_sheetHumanIndent[static_cast<std::size_t>(row)] = 60;
        g_sheetComputerIndent[static_cast<std::size_t>(row)] = 40;
    }
    g_sheetRowCount = kSheetPage;
    g_promptState = PromptState::kScoreSheet;
    for (auto _ : state)
        table.RedrawTable();
}
BENCHMARK(BM_RedrawWithScoreSheet)->Unit(benchmark::kMicrosecond);

} // namespace
