#pragma once

#include "platform/Colour.h"

#include <array>

/// The picture tables read from the image data files at start-up. All are 1-based: index 0
/// holds nothing. Colours are COLORREF values (red in the low byte).

/// Capacities: the most points an image of each kind may have, and the number of images.
constexpr int kCardPointCapacity = 6999;
constexpr int kTilePointCapacity = 40009;
constexpr int kAnnouncementPointCapacity = 2159;
constexpr int kGlyphPointCapacity = 1249;
constexpr int kAboutLink1Capacity = 475;
constexpr int kAboutLink2Capacity = 699;
constexpr int kCardBackCount = 8;
constexpr int kFileBackgroundCount = 10;
/// Background 11 is the custom colour.
constexpr int kCustomBackground = 11;
constexpr int kAnnouncementCount = 38;

/// Points of an upright or sideways card image: 71 x 96 less the 12 corner pixels.
constexpr int g_cardPointCount = 6804;
/// The background tile is square, this many pixels a side.
constexpr int kTileSize = 200;
/// Points of the background tile: every pixel of it.
constexpr int kTilePoints = kTileSize * kTileSize;
/// The point of a background whose colour stands for the table's colour (the card corners take it).
constexpr int kTableColourPoint = 200;

template <int N> using PointTable = std::array<int, N + 1>;
template <int N> using ColourTable = std::array<platform::COLORREF, N + 1>;

/// Pixel of point j of an upright card image (71 x 96) and of a sideways one (96 x 71).
inline PointTable<kCardPointCapacity> g_cardPointX {}, g_cardPointY {};
inline PointTable<kCardPointCapacity> g_sidePointX {}, g_sidePointY {};

/// The 12 corner pixels of an upright card (71 x 96) and of a sideways one (96 x 71).
constexpr std::array<int, 13> g_cardCornerX { 0, 0, 1, 0, 69, 70, 70, 0, 0, 1, 70, 69, 70 };
constexpr std::array<int, 13> g_cardCornerY { 0, 0, 0, 1, 0, 0, 1, 94, 95, 95, 94, 95, 95 };
constexpr std::array<int, 13> g_sideCornerX { 0, 0, 1, 0, 94, 95, 95, 0, 0, 1, 95, 94, 95 };
constexpr std::array<int, 13> g_sideCornerY { 0, 0, 0, 1, 0, 0, 1, 69, 70, 70, 69, 70, 70 };

/// Colour of point j of upright / sideways card back b (1..8).
inline std::array<ColourTable<kCardPointCapacity>, kCardBackCount + 1> g_backColour {};
inline std::array<ColourTable<kCardPointCapacity>, kCardBackCount + 1> g_backSideColour {};

/// Pixel of point j of the background tile, and colour of point j of background b (1..11).
inline PointTable<kTilePointCapacity> g_backgroundPointX {}, g_backgroundPointY {};
/// Points the tile is painted from: 0 until the background colours are read, then 40000.
inline int g_backgroundPointCount = 0;
inline std::array<ColourTable<kTilePoints>, kCustomBackground + 1> g_backgroundColour {};

/// Announcement image n (1..37): point count, point offsets from its anchor, half width.
inline std::array<int, kAnnouncementCount + 1> g_announcementPointCount {};
inline std::array<PointTable<kAnnouncementPointCapacity>, kAnnouncementCount + 1> g_announcementPointX {};
inline std::array<PointTable<kAnnouncementPointCapacity>, kAnnouncementCount + 1> g_announcementPointY {};
constexpr std::array<int, kAnnouncementCount + 1> g_announcementHalfWidth { 0, 190, 190, 190, 190, 190, 190,
    190, 190, 190, 190, 190, 190, 190, 190, 190, 190, 190, 190, 190, 190, 190, 190, 190, 190, 190, 190, 190,
    43, 25, 45, 60, 65, 85, 60, 80, 100, 100, 0 };

/// The two link captions of the about box: point offsets from their anchors, and the
/// number of points read (0 until the announcement sheet is read, then 471 and 697).
inline PointTable<kAboutLink1Capacity> g_aboutLink1X {}, g_aboutLink1Y {};
inline int g_aboutLink1Count = 0;
inline PointTable<kAboutLink2Capacity> g_aboutLink2X {}, g_aboutLink2Y {};
inline int g_aboutLink2Count = 0;

/// Suit glyphs 1..4: points, counts and colours (suits 1 and 2 red, 3 and 4 black).
inline std::array<PointTable<kGlyphPointCapacity>, 5> g_suitGlyphX {}, g_suitGlyphY {};
constexpr std::array<int, 5> g_suitGlyphCount { 0, 452, 624, 596, 508 };
inline std::array<platform::COLORREF, 5> g_suitColour {};
