#pragma once

/// The layout of the table, computed from the client area at every size message. All
/// divisions are integer divisions truncating toward zero.

/// A card image, in pixels.
constexpr int kCardWidth = 71;
constexpr int kCardHeight = 96;
/// Below this client width the rows overlap their cards and the right caption moves in.
constexpr int kNarrowWidth = 900;
/// Margin kept at both ends of an overlapping row, in pixels.
constexpr int kNarrowGap = 5;
/// The row unit is this fraction of the client height: H / 20.
constexpr int kRowUnitDivisor = 20;
/// The human's row stands 3 row units and 100 pixels above the bottom of the client area.
constexpr int kHumanRowUnits = 3;
constexpr int kHumanRowLift = 100;
/// Cards shown to the opponent stand out of their row by H / this.
constexpr int kShownOffsetDivisor = 26;

/// The client area the table window opens with.
constexpr int kInitialClientWidth = 640;
constexpr int kInitialClientHeight = 445;

/// Kinds of size message.
enum SizeType : int { kSizeRestored = 0, kSizeMinimized = 1, kSizeMaximized = 2 };

/// Client area size in pixels.
inline int g_clientWidth = 0;
inline int g_clientHeight = 0;
/// Centre of the client area: whole numbers stored as doubles; users truncate them.
inline double g_centreX = 0;
inline double g_centreY = 0;
/// H / 20: the top y of the computer's row.
inline int g_rowUnit = 0;
/// The middle line between the rows (trick, middle announcement), the upper announcement
/// line and the lower line (answer captions, suit buttons).
inline int g_midY = 0;
inline int g_upperY = 0;
inline int g_lowerY = 0;
/// Card step and gap of the human's and the computer's rows (row spacing rule).
inline int g_humanCardStep = 0;
inline int g_humanGap = 0;
inline int g_computerCardStep = 0;
inline int g_computerGap = 0;
/// The largest client size the clean table has been tiled for.
inline int g_tiledWidth = 0;
inline int g_tiledHeight = 0;

/// Where the cards of a row stand: the first at x = gap, each further one step + gap on.
struct RowSpacing {
    int step = kCardWidth;
    int gap = 0;
};

/// Spaces n cards over a width W. With `always` the narrow and short-hand corrections
/// apply at any width and any n (the deal-result panel uses that form).
RowSpacing SpaceRow(int n, int width, bool always = false);

/// Spaces both hand rows over the client width for the hands' counts.
void SpaceHandRows();

/// How far cards shown to the opponent stand out of their row, toward the middle: H / 26.
int ShownOffset();

/// Top y of the human's row: H - 3 * r - 100.
int HumanRowTop();

/// Puts every layout value back to its start value (tests use it).
void ResetLayout();

/// Computes every layout value from a client size (the part of the size handler that
/// runs before start-up too).
void ComputeLayout(int width, int height);
