#include "app/Layout.h"

#include "engine/CardTable.h"

#include <algorithm>

RowSpacing SpaceRow(int n, int width, bool always)
{
    // A damaged count (from a saved game, say) must not divide by zero.
    n = std::clamp(n, 0, kMaxHand);
    RowSpacing row;
    row.gap = (width - kCardWidth * n) / (n + 1);
    if ((always || width < kNarrowWidth) && row.gap < kNarrowGap) {
        row.gap = kNarrowGap;
        if (n != 1)
            row.step = (width - kCardWidth - kNarrowGap * (n + 1)) / (n - 1);
    }
    // A short hand keeps the spacing of a six-card row and moves toward the middle;
    // step may turn negative, which is fine since only step + gap is used as the advance.
    if (always || n < g_firstDealCount) {
        const int cap = (width - g_firstDealCount * row.step) / (g_firstDealCount + 1);
        if (row.gap > cap) {
            row.gap = (width - (row.step * (n - 1) + cap * n)) / 2;
            row.step = row.step + cap - row.gap;
        }
    }
    return row;
}

int ShownOffset()
{
    return g_clientHeight / kShownOffsetDivisor;
}

int HumanRowTop()
{
    return g_clientHeight - kHumanRowUnits * g_rowUnit - kHumanRowLift;
}

void SpaceHandRows()
{
    const RowSpacing human = SpaceRow(g_humanCount, g_clientWidth);
    g_humanCardStep = human.step;
    g_humanGap = human.gap;
    const RowSpacing computer = SpaceRow(g_computerCount, g_clientWidth);
    g_computerCardStep = computer.step;
    g_computerGap = computer.gap;
}

void ComputeLayout(int width, int height)
{
    g_clientWidth = width;
    g_clientHeight = height;
    g_centreX = width / 2;
    g_centreY = height / 2;
    g_rowUnit = height / kRowUnitDivisor;
    SpaceHandRows();

    const int rowsApart = HumanRowTop() - (g_rowUnit + kCardHeight);
    g_midY = rowsApart / 2 + g_rowUnit + kCardHeight;
    g_upperY = g_midY - rowsApart / 4;
    g_lowerY = g_midY + rowsApart / 4;
}

void ResetLayout()
{
    g_clientWidth = g_clientHeight = 0;
    g_centreX = g_centreY = 0;
    g_rowUnit = g_midY = g_upperY = g_lowerY = 0;
    g_humanCardStep = g_computerCardStep = kCardWidth;
    g_humanGap = g_computerGap = 0;
    g_tiledWidth = g_tiledHeight = 0;
}
