#include "support/TableFixture.h"

#include "app/Layout.h"
#include "app/drawing/PanelGrowth.h"
#include "app/steps/CardFlight.h"
#include "app/steps/TrickCollection.h"
#include "engine/CardTable.h"
#include "engine/GameState.h"
#include "engine/Settings.h"
#include "platform/Clock.h"

#include <functional>
#include <limits>

namespace {

using AnimationPace = TableTest;

TEST_F(AnimationPace, StepsKeepTheirTimesWhenEachPauseEndsLate)
{
    // Drawing and painting make each real pause end late; the next step waits that much
    // less, so an animation ends one lateness after the time its pauses ask for rather
    // than one lateness per step.
    constexpr int kLateMs = 3;
    const struct {
        const char* name;
        std::function<void()> run;
    } animations[] = {
        { "flight",
            [this] {
                FlyCard(*table_, kNoCard, { 500, 300 }, { 10, HumanRowTop() });
            } },
        { "trick collection", [this] { CollectTrick(*table_); } },
        { "panel growth", [this] { GrowPanel(*table_, kSheetGrowth); } },
    };
    g_trickWinner = kHuman;
    // The millisecond counter wraps 100 ms in, during the first flights.
    platform_.clock.tick = std::numeric_limits<std::uint32_t>::max() - 100;
    for (const int delay : { 8, 16 })
        for (const auto& animation : animations) {
            g_animDelay = delay;
            const auto took = [&](int lateMs) {
                platform_.pause.lateMs = lateMs;
                const std::uint32_t start = platform::TickMs();
                animation.run();
                return platform::TickMs() - start;
            };
            const std::uint32_t asked = took(0);
            EXPECT_GT(asked, 5u * delay) << animation.name;
            EXPECT_EQ(took(kLateMs), asked + kLateMs) << animation.name << " at " << delay << " ms";
        }
}

} // namespace
