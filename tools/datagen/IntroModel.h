#pragma once

#include <QByteArray>

#include <array>
#include <vector>

namespace datagen {

/// A point of the intro model in the 970 x 700 frame: x right, y down, z toward the viewer.
struct Vertex3 {
    double x = 0;
    double y = 0;
    double z = 0;
};

/// Red, green, blue, each 0..1.
using Rgb = std::array<double, 3>;

/// One convex polygon of the intro model, in one colour.
struct ModelPolygon {
    Rgb colour {};
    std::vector<Vertex3> vertices;
};

/// The model file's records may not exceed this many vertices, and its last seven quads are the
/// loading progress bar.
constexpr int kMaxIntroVertices = 949;
constexpr int kProgressQuads = 7;

/// The intro model's polygons, the seven progress quads last, in the order they are drawn.
std::vector<ModelPolygon> introModel();

/// The model as the text the game reads: record 0 the first polygon's colour, then one record
/// "flag red green blue x y z" a vertex, where flag 1 closes a polygon and its colour is that
/// of the polygon that follows.
QByteArray introModelText(const std::vector<ModelPolygon>& polygons);

} // namespace datagen
