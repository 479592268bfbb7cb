#include "IntroShapes.h"

#include <cmath>
#include <numbers>

namespace datagen {
namespace {

/// Sides of the polygons that stand for the round lobes of hearts, spades and clubs.
constexpr int kLobeSides = 10;
/// Thickness of a letter's strokes, in letter widths.
constexpr double kStroke = 0.26;
constexpr double kLetterHeight = 1.4;

Outline circle(QPointF centre, double radius)
{
    Outline points;
    for (int k = 0; k < kLobeSides; ++k) {
        const double a = 2 * std::numbers::pi * k / kLobeSides;
        points.emplace_back(centre.x() + radius * std::cos(a), centre.y() + radius * std::sin(a));
    }
    return points;
}

Outline box(double left, double top, double right, double bottom)
{
    return { { left, top }, { right, top }, { right, bottom }, { left, bottom } };
}

} // namespace

void addFlat(std::vector<ModelPolygon>& model, const Outline& outline, const Placement& where,
    const Rgb& colour, bool mirrored)
{
    const double a = where.degrees * std::numbers::pi / 180;
    ModelPolygon polygon { colour, {} };
    for (const QPointF& p : outline) {
        const double x = (mirrored ? -p.x() : p.x()) * where.scale;
        const double y = p.y() * where.scale;
        polygon.vertices.push_back({ where.at.x() + x * std::cos(a) - y * std::sin(a),
            where.at.y() + x * std::sin(a) + y * std::cos(a), where.z });
    }
    model.push_back(std::move(polygon));
}

std::vector<Outline> suitPieces(int suit)
{
    switch (suit) {
    case 1: // hearts: two lobes over a point
        return { circle({ -0.24, -0.18 }, 0.27), circle({ 0.24, -0.18 }, 0.27),
            { { -0.5, -0.1 }, { 0.5, -0.1 }, { 0.0, 0.5 } } };
    case 2: // diamonds
        return { { { 0.0, -0.5 }, { 0.4, 0.0 }, { 0.0, 0.5 }, { -0.4, 0.0 } } };
    case 3: // spades: a point over two lobes, on a stem
        return { { { 0.0, -0.5 }, { 0.48, 0.08 }, { -0.48, 0.08 } }, circle({ -0.23, 0.1 }, 0.25),
            circle({ 0.23, 0.1 }, 0.25), { { -0.05, 0.15 }, { 0.05, 0.15 }, { 0.16, 0.5 }, { -0.16, 0.5 } } };
    default: // clubs: three leaves on a stem
        return { circle({ 0.0, -0.24 }, 0.22), circle({ -0.25, 0.1 }, 0.22), circle({ 0.25, 0.1 }, 0.22),
            circle({ 0.0, 0.02 }, 0.12), { { -0.05, 0.1 }, { 0.05, 0.1 }, { 0.16, 0.5 }, { -0.16, 0.5 } } };
    }
}

std::vector<Outline> letterStrokes(char16_t letter)
{
    constexpr double h = kLetterHeight;
    constexpr double s = kStroke;
    constexpr double mid = (h - s) / 2;
    switch (letter) {
    case u'В':
        return { box(0, 0, s, h), box(s, 0, 0.8, s), box(s, mid, 0.85, mid + s), box(s, h - s, 0.85, h),
            box(0.8 - s, s, 0.8, mid), box(1.0 - s, mid + s, 1.0, h - s),
            { { 0.8, 0 }, { 0.95, s }, { 0.95, mid }, { 0.8, mid + s } },
            { { 0.85, mid }, { 1.0, mid + s }, { 1.0, h - s }, { 0.85, h } } };
    case u'Е':
        return { box(0, 0, s, h), box(s, 0, 1.0, s), box(s, mid, 0.8, mid + s), box(s, h - s, 1.0, h) };
    case u'Р':
        return { box(0, 0, s, h), box(s, 0, 0.8, s), box(s, mid, 0.8, mid + s), box(1.0 - s, s, 1.0, mid),
            { { 0.8, 0 }, { 1.0, s }, { 1.0 - s, s } },
            { { 1.0 - s, mid }, { 1.0, mid }, { 0.8, mid + s } } };
    case u'Т':
        return { box(0, 0, 1.0, s), box(0.5 - s / 2, s, 0.5 + s / 2, h) };
    case u'А':
        return { { { 0.5 - s / 2, 0 }, { 0.5 + s / 2, 0 }, { s, h }, { 0, h } },
            { { 0.5 - s / 2, 0 }, { 0.5 + s / 2, 0 }, { 1.0, h }, { 1.0 - s, h } },
            box(0.22, h * 0.62, 0.78, h * 0.62 + s * 0.9) };
    default: // Н
        return { box(0, 0, s, h), box(1.0 - s, 0, 1.0, h), box(s, mid, 1.0 - s, mid + s) };
    }
}

Outline rectangle(double width, double height)
{
    return box(-width / 2, -height / 2, width / 2, height / 2);
}

Outline cutRectangle(double width, double height, double cut)
{
    const double x = width / 2;
    const double y = height / 2;
    return { { -x + cut, -y }, { x - cut, -y }, { x, -y + cut }, { x, y - cut }, { x - cut, y },
        { -x + cut, y }, { -x, y - cut }, { -x, -y + cut } };
}

} // namespace datagen
