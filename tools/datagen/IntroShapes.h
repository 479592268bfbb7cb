#pragma once

#include "IntroModel.h"

#include <QPointF>

#include <vector>

namespace datagen {

/// Where a flat shape stands in the model: the point its local origin goes to, its turn in
/// degrees (clockwise on screen), its scale, and its depth.
struct Placement {
    QPointF at;
    double degrees = 0;
    double scale = 1;
    double z = 0;
};

/// A flat convex outline in its own coordinates (y down).
using Outline = std::vector<QPointF>;

/// Appends `outline` placed by `where` in `colour`; `mirrored` flips it left to right first, for
/// a face that is read from behind.
void addFlat(std::vector<ModelPolygon>& model, const Outline& outline, const Placement& where,
    const Rgb& colour, bool mirrored = false);

/// The convex pieces of suit 1..4's symbol in a box of about 1 x 1 centred on the origin.
std::vector<Outline> suitPieces(int suit);

/// The convex strokes of a block capital of "ВЕРТАН", 1 wide and 1.4 high from the origin.
std::vector<Outline> letterStrokes(char16_t letter);

/// A rectangle of `width` x `height` centred on the origin: four corners, clockwise on screen.
Outline rectangle(double width, double height);

/// A rectangle of `width` x `height` centred on the origin with its corners cut by `cut`.
Outline cutRectangle(double width, double height, double cut);

} // namespace datagen
