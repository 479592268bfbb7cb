// One step of a card flight, and a whole flight across a 1600 x 1200 table: each step must
// take well under the default animation delay of 8 ms, so that the settings' delays and
// not the drawing pace the animation.

#include "app/Layout.h"
#include "app/VertanDlg.h"
#include "app/steps/CardFlight.h"
#include "app/steps/TableCopy.h"
#include "engine/CardTable.h"
#include "engine/Settings.h"
#include "platform/Pause.h"
#include "platform/Sound.h"

#include <benchmark/benchmark.h>

namespace {

constexpr int kTableWidth = 1600;
constexpr int kTableHeight = 1200;

/// Pauses return at once and sounds are not played: only the drawing is measured.
class InstantPause final : public platform::Pause {
public:
    void sleep(int) override { }
};
class SilentSound final : public platform::Sound {
public:
    void play(const std::string&, bool) override { }
};

/// The window's part of one flight step: the card's old place shown from the back buffer,
/// the card drawn at its new place straight onto the window.
void BM_CardFlightStep(benchmark::State& state)
{
    CVertanDlg table;
    ComputeLayout(kTableWidth, kTableHeight);
    int x = 0;
    for (auto _ : state) {
        ShowRect(table, x, g_midY, kCardWidth, kCardHeight);
        x = (x + 37) % (kTableWidth - kCardWidth);
        CardOnWindow(table, 1, x, g_midY);
    }
}
BENCHMARK(BM_CardFlightStep)->Unit(benchmark::kMicrosecond);

/// A whole flight from the deck to the far corner of the human's row, landing included.
void BM_WholeFlight(benchmark::State& state)
{
    InstantPause pause;
    SilentSound sound;
    platform::ScopedService<platform::Pause> pauseGuard(pause);
    platform::ScopedService<platform::Sound> soundGuard(sound);
    CVertanDlg table;
    ComputeLayout(kTableWidth, kTableHeight);
    g_animation = 1;
    g_animSteps = static_cast<int>(state.range(0));
    for (auto _ : state)
        FlyCard(table, kNoCard, { kTableWidth / 2, g_midY }, { 10, HumanRowTop() });
    state.counters["steps"] = static_cast<double>(g_animSteps);
}
BENCHMARK(BM_WholeFlight)->Arg(5)->Arg(10)->Arg(20)->Unit(benchmark::kMicrosecond);

} // namespace
