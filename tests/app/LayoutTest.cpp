#include "app/Layout.h"
#include "engine/CardTable.h"

#include <gtest/gtest.h>

#include <tuple>

namespace {

TEST(LayoutTest, RowSpacingOnBothSidesOfTheNarrowRule)
{
    const struct {
        int width, cards;
        bool always; // the form that applies at any width and count
        int step, gap;
    } rows[] = {
        { 1024, 6, false, 71, 85 },
        { 1024, 3, false, -157, 313 }, // a short hand keeps six-card spacing, moved to the middle
        { 1024, 12, false, 71, 13 },
        { 900, 12, false, 71, 3 }, // wide: the small gap stays, no overlap
        { 899, 12, false, 69, 5 }, // narrow: overlapping cards with 5-pixel margins
        { 800, 12, false, 60, 5 },
        { 640, 12, false, 45, 5 },
        { 80, 1, false, -42, 64 }, // one card in a narrow row: no gaps between cards to divide by
        { 900, 12, true, 69, 5 },
        { 1024, 3, true, -157, 313 },
        { 1024, 8, true, 71, 50 },
        { 800, 0, false, -311, 435 }, // counts outside a hand are the nearest hand
        { 800, -1, false, -311, 435 },
        { 800, 40, false, 60, 5 },
    };
    for (const auto& row : rows) {
        const RowSpacing spacing = SpaceRow(row.cards, row.width, row.always);
        EXPECT_EQ(std::tuple(spacing.step, spacing.gap), std::tuple(row.step, row.gap))
            << row.width << " x " << row.cards;
    }
}

TEST(LayoutTest, LinesAndRowsForTwoWindowSizes)
{
    const struct {
        int width, height, humans, computers;
        std::tuple<int, int, int, int, int> lines; // row unit, human row, middle, upper, lower
        std::tuple<int, int, int, int> rows; // human step and gap, computer step and gap
    } rows[] = {
        { 1024, 768, 6, 6, { 38, 554, 344, 239, 449 }, { 71, 85, 71, 85 } },
        { 800, 600, 12, 9, { 30, 410, 268, 197, 339 }, { 60, 5, 71, 16 } },
    };
    for (const auto& row : rows) {
        std::tie(g_humanCount, g_computerCount) = std::tuple(row.humans, row.computers);
        ComputeLayout(row.width, row.height);
        EXPECT_EQ(std::tuple(g_rowUnit, HumanRowTop(), g_midY, g_upperY, g_lowerY), row.lines);
        EXPECT_EQ(std::tuple(g_humanCardStep, g_humanGap, g_computerCardStep, g_computerGap), row.rows);
        EXPECT_EQ(std::tuple(g_centreX, g_centreY), std::tuple(row.width / 2.0, row.height / 2.0));
    }
    g_humanCount = g_computerCount = 0;
}

} // namespace
