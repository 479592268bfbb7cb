#pragma once

#include "InkRaster.h"

namespace datagen {

/// Suits 1..4: hearts, diamonds, spades, clubs.
constexpr int kSuits = 4;

/// The glyph of `suit` as exactly `count` pixel offsets from the glyph's origin, filling the
/// suit button around it (x -25..11, y -20..20, leaving room for the highlight drawn one pixel
/// right and down).
PixelList suitGlyphPixels(int suit, int count);

} // namespace datagen
