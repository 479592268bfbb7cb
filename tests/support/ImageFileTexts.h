#pragma once

#include "platform/Colour.h"

#include <QByteArray>

#include <functional>

/// Texts of well-formed image data files and intro models, built by the tests so that every
/// value is known: a reader's result can then be checked against the formula that made it.
namespace imagetexts {

/// Colour of point `point` of image `image` of a colour list.
using ColourOf = std::function<platform::COLORREF(int image, int point)>;

/// The points of a width x height card without its 12 corner pixels, row by row, on a
/// sheet with the given origin; or every pixel of a 200 x 200 tile.
QByteArray CardPoints(int width, int height, int originX, int originY);
QByteArray TilePoints();
/// `images` blocks of `points` colours, one a line.
QByteArray Colours(int images, int points, const ColourOf& colourOf);

/// Announcement sheet: pair i of image n lies at (n, -(i % 10)) from the image's anchor;
/// the about links' pairs at (i % 50, i % 7) from theirs. `pairs` cuts or pads the sheet.
QByteArray Sheet(int pairs);
constexpr int kSheetPairs = 50784;
/// Suit glyphs: pair i of suit s at (s, i % 9) from (498, 404); `pairs` cuts or pads.
QByteArray Glyphs(int pairs);
constexpr int kGlyphPairs = 452 + 624 + 596 + 508;

/// An intro model of `records` vertices: quads whose every fourth vertex closes its polygon;
/// vertex j at (j, 2 * j, -j) with colour (0.5, 0.25, j % 2). The text ends right after
/// the last number unless `trailingBreak`.
QByteArray IntroModel(int records, bool trailingBreak = true);

} // namespace imagetexts
