#include "app/Layout.h"
#include "engine/CardTable.h"

#include <gtest/gtest.h>

#include <tuple>

namespace {

struct RowCase {
    int width;
    int cards;
    int step;
    int gap;
    int lastX;
};

TEST(LayoutTest, RowSpacingOnBothSidesOfTheNarrowRule)
{
    const RowCase cases[] = {
        { 1024, 6, 71, 85, 865 },
        { 1024, 3, -157, 313, 625 }, // a short hand keeps six-card spacing, moved to the middle
        { 1024, 12, 71, 13, 937 },
        { 900, 12, 71, 3, 817 }, // wide: the small gap stays, no overlap
        { 899, 12, 69, 5, 819 }, // narrow: overlapping cards with 5-pixel margins
        { 800, 12, 60, 5, 720 },
        { 640, 12, 45, 5, 555 },
    };
    for (const RowCase& c : cases) {
        const RowSpacing row = SpaceRow(c.cards, c.width);
        EXPECT_EQ(std::tie(row.step, row.gap), std::tie(c.step, c.gap)) << c.width << " x " << c.cards;
        const int lastX = row.gap + (c.cards - 1) * (row.step + row.gap);
        EXPECT_EQ(lastX, c.lastX) << c.width << " x " << c.cards;
    }
}

TEST(LayoutTest, CountsOutsideAHandAreTakenAsTheNearestHand)
{
    const RowSpacing none = SpaceRow(0, 800);
    const RowSpacing negative = SpaceRow(-1, 800);
    EXPECT_EQ(std::tie(negative.step, negative.gap), std::tie(none.step, none.gap));
    const RowSpacing full = SpaceRow(12, 800);
    const RowSpacing over = SpaceRow(40, 800);
    EXPECT_EQ(std::tie(over.step, over.gap), std::tie(full.step, full.gap));
}

TEST(LayoutTest, UnconditionalFormAppliesAtAnyWidthAndCount)
{
    const RowSpacing wide = SpaceRow(12, 900, true);
    EXPECT_EQ(wide.gap, 5);
    EXPECT_EQ(wide.step, (900 - 71 - 5 * 13) / 11);
    const RowSpacing three = SpaceRow(3, 1024, true);
    EXPECT_EQ(std::tie(three.step, three.gap), std::make_tuple(-157, 313));
    const RowSpacing eight = SpaceRow(8, 1024, true);
    EXPECT_EQ(std::tie(eight.step, eight.gap), std::make_tuple(71, 50));
}

TEST(LayoutTest, LinesForTwoWindowSizes)
{
    g_humanCount = 6;
    g_computerCount = 6;
    ComputeLayout(1024, 768);
    EXPECT_EQ(g_rowUnit, 38);
    EXPECT_EQ(HumanRowTop(), 554);
    EXPECT_EQ(g_midY, 344);
    EXPECT_EQ(g_upperY, 239);
    EXPECT_EQ(g_lowerY, 449);
    EXPECT_EQ(g_centreX, 512.0);
    EXPECT_EQ(g_centreY, 384.0);
    EXPECT_EQ(g_humanGap, 85);
    EXPECT_EQ(g_computerGap, 85);

    g_humanCount = 12;
    g_computerCount = 9;
    ComputeLayout(800, 600);
    EXPECT_EQ(g_rowUnit, 30);
    EXPECT_EQ(HumanRowTop(), 410);
    EXPECT_EQ(g_midY, 268);
    EXPECT_EQ(g_upperY, 197);
    EXPECT_EQ(g_lowerY, 339);
    EXPECT_EQ(g_humanCardStep, 60);
    EXPECT_EQ(g_humanGap, 5);
    EXPECT_EQ(g_computerCardStep, 71);
    EXPECT_EQ(g_computerGap, (800 - 71 * 9) / 10);
    g_humanCount = 0;
    g_computerCount = 0;
}

} // namespace
