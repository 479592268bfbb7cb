#pragma once

#include <cstdint>

namespace datagen {

/// Pseudo-random patterns that repeat across a square tile, so a table tiled from them shows no
/// seam. Coordinates u and v run over the tile from 0 to 1; everything depends only on the seed,
/// so the same seed gives the same picture on every build.
class TileNoise {
public:
    explicit constexpr TileNoise(std::uint32_t seed)
        : seed_(seed)
    {
    }

    /// Smooth gradient noise with `cellsX` x `cellsY` lattice cells across the tile; about -1..1.
    double smooth(double u, double v, int cellsX, int cellsY) const;
    /// Sum of `octaves` layers of smooth noise, each with twice the cells and `gain` times the
    /// weight of the one before; normalised to about -1..1.
    double fractal(double u, double v, int cellsX, int cellsY, int octaves, double gain) const;
    /// Distances, in cells, from (u, v) to the nearest and the second nearest of one random point
    /// per cell of a `cells` x `cells` grid.
    struct Cellular {
        double nearest;
        double second;
        /// A random number 0..1 that belongs to the nearest point, the same all over its cell.
        double tone;
    };
    Cellular cellular(double u, double v, int cells) const;
    /// A random number 0..1 for integer lattice point (i, j) of a grid of `cells` x `cells`
    /// (wrapped), drawn from stream `stream` so that independent uses differ.
    double value(int i, int j, int cells, std::uint32_t stream) const;

private:
    std::uint32_t hash(int i, int j, std::uint32_t stream) const;

    std::uint32_t seed_;
};

} // namespace datagen
