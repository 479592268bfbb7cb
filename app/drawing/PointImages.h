#pragma once

#include "app/Spots.h"
#include "platform/MemoryDC.h"

#include <array>

/// Announcement images and suit glyphs are point lists plotted one pixel at a time.

/// Plots every point of announcement image n (1..37) at `at` + its offset, in one colour.
/// Other image numbers plot nothing.
void DrawImagePass(platform::MemoryDC& dc, int image, Point at, platform::COLORREF colour);

/// Plots the glyph of suit 1..4 with its origin at `at`; other suits plot nothing.
void DrawSuitGlyph(platform::MemoryDC& dc, int suit, Point at, platform::COLORREF colour);

/// The same in the suit's own colour (suits 1 and 2 red, 3 and 4 black).
void DrawColouredSuitGlyph(platform::MemoryDC& dc, int suit, Point at);

/// One layer of a raised image: a full pass moved d pixels right and down, in one colour.
struct Layer {
    int d = 0;
    platform::COLORREF colour = 0;
};
/// Layers of a raised image, drawn one over the other.
constexpr int kLayerCount = 9;
using Layers = std::array<Layer, kLayerCount>;

/// The raised style's layers: red, green and blue start at 100; each channel wraps at 256.
constexpr Layers kRaisedLayers { {
    { 0, platform::RGB(100, 100, 100) },
    { 1, platform::RGB(180, 100, 100) },
    { 2, platform::RGB(4, 100, 100) },
    { 3, platform::RGB(84, 100, 100) },
    { -1, platform::RGB(0, 100, 170) },
    { 0, platform::RGB(0, 100, 90) },
    { 1, platform::RGB(0, 100, 10) },
    { 0, platform::RGB(0, 220, 0) },
    { 1, platform::RGB(0, 84, 0) },
} };

/// The same rule with red, green and blue starting at 0: the pair question and the
/// computer's pair, which stand out from the raised announcements.
constexpr Layers kPairLayers { {
    { 0, platform::RGB(0, 0, 0) },
    { 1, platform::RGB(80, 0, 0) },
    { 2, platform::RGB(160, 0, 0) },
    { 3, platform::RGB(240, 0, 0) },
    { -1, platform::RGB(0, 0, 170) },
    { 0, platform::RGB(0, 0, 90) },
    { 1, platform::RGB(0, 0, 10) },
    { 0, platform::RGB(0, 120, 0) },
    { 1, platform::RGB(0, 240, 0) },
} };

/// One layer of image n around `at`: g_announcementX and g_announcementY take the moved
/// point, then a pass there in the layer's colour.
void DrawLayer(platform::MemoryDC& dc, int image, Point at, const Layer& layer);
