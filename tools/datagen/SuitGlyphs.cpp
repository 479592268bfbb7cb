#include "SuitGlyphs.h"

#include "Failure.h"

#include <QRect>
#include <QTransform>

namespace datagen {
namespace {

/// Where a glyph's pixels may lie, relative to its origin: the suit button (x - 25, y - 20,
/// x + 13, y + 22) less the column and row the highlight copy adds.
const QRect kGlyphArea(-25, -20, 37, 41);
/// Glyph heights tried, in pixels.
constexpr double kSmallestGlyph = 8.0;
constexpr double kLargestGlyph = 41.0;

/// The suit symbols drawn in a unit box (y down), in the proportions of a playing card's pips.
QPainterPath heart()
{
    QPainterPath p;
    p.moveTo(0.5, 0.27);
    p.cubicTo(0.45, 0.02, 0.0, -0.02, 0.0, 0.32);
    p.cubicTo(0.0, 0.58, 0.32, 0.74, 0.5, 1.0);
    p.cubicTo(0.68, 0.74, 1.0, 0.58, 1.0, 0.32);
    p.cubicTo(1.0, -0.02, 0.55, 0.02, 0.5, 0.27);
    p.closeSubpath();
    return p;
}

QPainterPath diamond()
{
    QPainterPath p;
    p.moveTo(0.5, 0.0);
    p.quadTo(0.74, 0.27, 0.95, 0.5);
    p.quadTo(0.74, 0.73, 0.5, 1.0);
    p.quadTo(0.26, 0.73, 0.05, 0.5);
    p.quadTo(0.26, 0.27, 0.5, 0.0);
    p.closeSubpath();
    return p;
}

/// The stem under a spade or a club.
QPainterPath stem()
{
    QPainterPath p;
    p.moveTo(0.46, 0.6);
    p.quadTo(0.44, 0.9, 0.3, 1.0);
    p.lineTo(0.7, 1.0);
    p.quadTo(0.56, 0.9, 0.54, 0.6);
    p.closeSubpath();
    return p;
}

QPainterPath spade()
{
    QPainterPath p;
    p.moveTo(0.5, 0.0);
    p.cubicTo(0.38, 0.2, 0.0, 0.38, 0.0, 0.58);
    p.cubicTo(0.0, 0.84, 0.34, 0.86, 0.5, 0.68);
    p.cubicTo(0.66, 0.86, 1.0, 0.84, 1.0, 0.58);
    p.cubicTo(1.0, 0.38, 0.62, 0.2, 0.5, 0.0);
    p.closeSubpath();
    return p.united(stem());
}

QPainterPath club()
{
    constexpr double kLeafRadius = 0.215;
    QPainterPath p;
    p.addEllipse(QPointF(0.5, 0.24), kLeafRadius, kLeafRadius);
    QPainterPath left;
    left.addEllipse(QPointF(0.245, 0.6), kLeafRadius, kLeafRadius);
    QPainterPath right;
    right.addEllipse(QPointF(0.755, 0.6), kLeafRadius, kLeafRadius);
    QPainterPath middle;
    middle.addEllipse(QPointF(0.5, 0.52), 0.12, 0.12);
    return p.united(left).united(right).united(middle).united(stem());
}

QPainterPath unitShape(int suit)
{
    switch (suit) {
    case 1:
        return heart();
    case 2:
        return diamond();
    case 3:
        return spade();
    default:
        return club();
    }
}

} // namespace

PixelList suitGlyphPixels(int suit, int count)
{
    const QPainterPath unit = unitShape(suit);
    const Rendering rendering
        = renderExactly([&](double height) { return QTransform::fromScale(height, height).map(unit); }, count,
            kSmallestGlyph, kLargestGlyph);
    const QRect ink = boundsOf(rendering.pixels);
    if (ink.width() > kGlyphArea.width() || ink.height() > kGlyphArea.height())
        failGeneration(
            QStringLiteral("suit glyph %1 of %2 pixels does not fit its button").arg(suit).arg(count));
    const QPoint centre = kGlyphArea.center() - ink.center();
    return shifted(rendering.pixels, centre.x(), centre.y());
}

} // namespace datagen
