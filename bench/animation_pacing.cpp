// The pace of the table's animations on the real window: a deal's card flights, the
// collection of a trick and the growth of a panel, at animation delays of 8 and 16 ms.
// Each is timed on the wall clock and set against the time its pauses ask for, which is
// what the same animation takes with pauses that only move a clock of their own. A ratio
// of 1 means the settings alone pace it; drawing time that adds to the pauses shows above 1.
// Prints "<animation> pacing ratio: R" after the delay and the times it came from.
//
// Needs an X display, as the window must really be drawn: run it through
// scripts/with-display.sh.

#include "app/Globals.h"
#include "app/Layout.h"
#include "app/VertanDlg.h"
#include "app/drawing/PanelGrowth.h"
#include "app/files/ImageDataFiles.h"
#include "app/steps/CardFlight.h"
#include "app/steps/DeckDrawing.h"
#include "app/steps/TrickCollection.h"
#include "engine/CardTable.h"
#include "engine/GameState.h"
#include "engine/Settings.h"
#include "platform/Clock.h"
#include "platform/Pause.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QWindow>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <memory>

namespace {

/// The table window's size, as a player might have it.
constexpr int kTableWidth = 1024;
constexpr int kTableHeight = 700;
/// Longest wait for the window to be shown, in ms.
constexpr int kShowTimeoutMs = 5000;
/// Times each animation runs for one figure.
constexpr int kRounds = 5;
constexpr int kCardsInADealRound = 12;

/// Pauses that return at once and move their own clock instead: what an animation takes by
/// this clock is the time its pauses ask for.
class ClockMovingPause final : public platform::Pause, public platform::Clock {
public:
    void sleep(int milliseconds) override { tick_ += static_cast<std::uint32_t>(std::max(0, milliseconds)); }
    std::time_t now() override { return 0; }
    std::uint32_t tickMs() override { return tick_; }

private:
    std::uint32_t tick_ = 0;
};

/// The time `animation` asks for by its pauses, in ms.
double AskedMs(const std::function<void()>& animation)
{
    ClockMovingPause time;
    const platform::ScopedService<platform::Pause> pause(time);
    const platform::ScopedService<platform::Clock> clock(time);
    animation();
    return time.tickMs();
}

/// The wall time `animation` takes with the real pauses and clock, in ms.
double WallMs(const std::function<void()>& animation)
{
    QElapsedTimer timer;
    timer.start();
    animation();
    return static_cast<double>(timer.nsecsElapsed()) / 1e6;
}

/// The table window, shown on the display with a drawn table; null when it cannot be.
std::unique_ptr<CVertanDlg> ShowTable()
{
    if (QGuiApplication::platformName() != QStringLiteral("xcb")) {
        std::fprintf(
            stderr, "the animations must be drawn on an X display: run through scripts/with-display.sh\n");
        return nullptr;
    }
    auto table = std::make_unique<CVertanDlg>();
    if (!LoadImageDataFiles(QStringLiteral(VERTAN_PROGRAM_DIR "/"), table->m_dcFaces).ok()) {
        std::fprintf(stderr, "the program folder's pictures cannot be read\n");
        return nullptr;
    }
    // The start-up (intro, name dialog) is not wanted: the table counts as started.
    g_started = 1;
    table->m_brush2 = { table->m_textBackColour };
    table->resize(kTableWidth, kTableHeight);
    table->show();
    QElapsedTimer waited;
    waited.start();
    while (!table->windowHandle()->isExposed() && waited.elapsed() < kShowTimeoutMs)
        QApplication::processEvents(QEventLoop::AllEvents, kShowTimeoutMs);
    table->PaintTableBitmaps();
    table->RedrawTable();
    return table;
}

/// Runs `animation` kRounds times at the delay of the benchmark's argument, and prints its
/// pacing ratio.
void MeasurePacing(
    benchmark::State& state, const char* name, const std::function<void(CVertanDlg&)>& animation)
{
    const std::unique_ptr<CVertanDlg> table = ShowTable();
    if (!table) {
        state.SkipWithError("no X display");
        return;
    }
    g_animation = 1;
    g_animDelay = static_cast<int>(state.range(0));
    const auto rounds = [&] {
        for (int round = 0; round < kRounds; ++round)
            animation(*table);
    };
    double asked = 0;
    double wall = 0;
    for (auto _ : state) {
        asked += AskedMs(rounds);
        wall += WallMs(rounds);
    }
    const double ratio = wall / asked;
    state.counters["ratio"] = ratio;
    std::printf(
        "%s at a delay of %d ms: %.0f ms where the pauses ask for %.0f ms\n", name, g_animDelay, wall, asked);
    std::printf("%s pacing ratio: %.3f\n", name, ratio);
}

void BM_DealFlights(benchmark::State& state)
{
    MeasurePacing(state, "flight", [](CVertanDlg& table) {
        const Point deck { DeckTopX(), DeckTopY() };
        int x = g_humanGap;
        for (int flight = 1; flight <= kCardsInADealRound; ++flight) {
            const bool toHuman = flight % 2 == 1;
            FlyCard(table, kNoCard, deck, { x, toHuman ? HumanRowTop() : g_rowUnit });
            if (!toHuman)
                x += g_humanGap + kCardWidth;
        }
    });
}

void BM_TrickCollection(benchmark::State& state)
{
    MeasurePacing(state, "trick collection", [](CVertanDlg& table) {
        for (const int winner : { kHuman, kComputer }) {
            g_trickWinner = winner;
            CollectTrick(table);
        }
    });
}

void BM_PanelGrowth(benchmark::State& state)
{
    MeasurePacing(state, "panel growth", [](CVertanDlg& table) {
        GrowPanel(table, kSheetGrowth);
        GrowPanel(table, kStatisticsGrowth);
    });
}

constexpr int kDefaultDelay = 8;
constexpr int kDoubleDelay = 16;
BENCHMARK(BM_DealFlights)
    ->Arg(kDefaultDelay)
    ->Arg(kDoubleDelay)
    ->Iterations(1)
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_TrickCollection)
    ->Arg(kDefaultDelay)
    ->Arg(kDoubleDelay)
    ->Iterations(1)
    ->Unit(benchmark::kMillisecond);
// The panel's frames keep their own pace, whatever the delay.
BENCHMARK(BM_PanelGrowth)->Arg(kDefaultDelay)->Iterations(1)->Unit(benchmark::kMillisecond);

} // namespace
