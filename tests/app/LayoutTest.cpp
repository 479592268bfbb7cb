#include "app/Layout.h"
#include "engine/CardTable.h"

#include <gtest/gtest.h>

#include <tuple>

namespace {

TEST(LayoutTest, RowSpacingOnBothSidesOfTheNarrowRule)
{
    // Width, cards, the form that holds at any width and count; step and gap.
    const std::tuple<int, int, bool, int, int> rows[] = { { 1024, 6, false, 71, 85 },
        { 1024, 3, false, -157, 313 }, // a short hand keeps six-card spacing, moved to the middle
        { 1024, 12, false, 71, 13 }, { 900, 12, false, 71, 3 }, // wide: the small gap stays
        { 899, 12, false, 69, 5 }, { 800, 12, false, 60, 5 },
        { 640, 12, false, 45, 5 }, // narrow: overlapping
        { 80, 1, false, -42, 64 }, // one card in a narrow row: no gaps between cards to divide by
        { 900, 12, true, 69, 5 }, { 1024, 3, true, -157, 313 }, { 1024, 8, true, 71, 50 },
        { 800, 0, false, -311, 435 }, { 800, -1, false, -311, 435 },
        { 800, 40, false, 60, 5 } }; // nearest hand
    for (const auto& [width, cards, always, step, gap] : rows) {
        const RowSpacing row = SpaceRow(cards, width, always);
        EXPECT_EQ(std::tuple(row.step, row.gap), std::tuple(step, gap)) << width << " x " << cards;
    }
}

TEST(LayoutTest, LinesAndRowsForTwoWindowSizes)
{
    g_humanCount = g_computerCount = 6;
    ComputeLayout(1024, 768);
    EXPECT_EQ(std::tuple(g_rowUnit, HumanRowTop(), g_midY, g_upperY, g_lowerY, g_centreX, g_centreY),
        std::tuple(38, 554, 344, 239, 449, 512.0, 384.0));
    EXPECT_EQ(std::tuple(g_humanCardStep, g_humanGap, g_computerCardStep, g_computerGap),
        std::tuple(71, 85, 71, 85));
    std::tie(g_humanCount, g_computerCount) = std::tuple(12, 9);
    ComputeLayout(800, 600);
    EXPECT_EQ(
        std::tuple(g_rowUnit, HumanRowTop(), g_midY, g_upperY, g_lowerY), std::tuple(30, 410, 268, 197, 339));
    EXPECT_EQ(std::tuple(g_humanCardStep, g_humanGap, g_computerCardStep, g_computerGap),
        std::tuple(60, 5, 71, 16));
    g_humanCount = g_computerCount = 0;
}

} // namespace
