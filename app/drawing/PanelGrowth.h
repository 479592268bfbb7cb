#pragma once

class CVertanDlg;

/// How a panel grows out of the table centre before it is drawn: a rectangle in the
/// panel's colour, widening by a step each frame, drawn straight onto the window.

/// The growth of each frame, in pixels: half the width, and the height above and below
/// the centre.
struct PanelGrowthStep {
    int halfWidth;
    int up;
    int down;
};

/// The score sheet and the deal result grow to 360 x 456 pixels, the statistics table to
/// 552 x 336.
constexpr PanelGrowthStep kSheetGrowth { 15, 21, 17 };
constexpr PanelGrowthStep kStatisticsGrowth { 23, 14, 14 };

/// Eleven growing rectangles, 15 ms apart, then one step back after another 15 ms, and 9 ms
/// to settle. Nothing is drawn and no time passes unless g_animation is 1.
void GrowPanel(CVertanDlg& dlg, const PanelGrowthStep& step);
