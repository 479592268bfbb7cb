#pragma once

#include <QFont>
#include <QPainterPath>
#include <QPoint>
#include <QString>

#include <functional>
#include <vector>

namespace datagen {

/// The pixels of a one-colour picture, listed row by row (y, then x), no pixel twice.
using PixelList = std::vector<QPoint>;

/// A shape drawn at a given size in pixels (a font's pixel size, a glyph's height).
using ShapeAtSize = std::function<QPainterPath(double size)>;

/// A shape rendered to pixels, and the size it was drawn at.
struct Rendering {
    PixelList pixels;
    double size = 0;
};

/// Renders `shape` to exactly `count` pixels: the size is chosen so that the pixels covered at
/// least half come closest to `count`, and the `count` most covered pixels of that rendering are
/// kept. Pixel (x, y) stands for the unit square from (x, y) in the shape's own coordinates.
/// Fails the generator when no size in `minSize`..`maxSize` has that much ink.
Rendering renderExactly(const ShapeAtSize& shape, int count, double minSize, double maxSize);

/// How many pixels `shape` touches at all: the most that strongestPixels can keep.
int touchedPixels(const QPainterPath& shape);

/// The `count` pixels most covered by `shape` drawn as it stands: a bolder or lighter rendering
/// than the half-covered one when `count` is above or below its ink. Fails the generator when
/// the shape touches fewer pixels.
PixelList strongestPixels(const QPainterPath& shape, int count);

/// The outline of `text` in `font` at `pixelSize`, its baseline on y = 0 and its pen start at x = 0.
QPainterPath textOutline(const QFont& font, const QString& text, double pixelSize);

/// Height of the capital letters of `font` at `pixelSize`, in pixels.
double capHeightAt(const QFont& font, double pixelSize);

/// A bold font of `family`; fails the generator when the system substitutes another family,
/// since the pictures must come out the same on every build.
QFont requireBoldFont(const QString& family);

/// Moves every pixel by (dx, dy).
PixelList shifted(const PixelList& pixels, int dx, int dy);

/// The smallest rectangle holding every pixel.
QRect boundsOf(const PixelList& pixels);

} // namespace datagen
