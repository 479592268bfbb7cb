#include "Textures.h"

#include "TileNoise.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace datagen {

namespace {

/// Streams for the per-pixel and per-thread random numbers of the textures.
constexpr std::uint32_t kSpeckleStream = 11;
constexpr std::uint32_t kRowStream = 12;
constexpr std::uint32_t kColumnStream = 13;

/// `colour` with every channel times `factor`, kept within 0..255.
QRgb scaled(QRgb colour, double factor)
{
    auto channel
        = [factor](int value) { return std::clamp(static_cast<int>(std::lround(value * factor)), 0, 255); };
    return qRgb(channel(qRed(colour)), channel(qGreen(colour)), channel(qBlue(colour)));
}

/// The colour `t` (0..1) of the way from `a` to `b`.
QRgb mixed(QRgb a, QRgb b, double t)
{
    auto channel = [t](int from, int to) { return static_cast<int>(std::lround(from + (to - from) * t)); };
    return qRgb(channel(qRed(a), qRed(b)), channel(qGreen(a), qGreen(b)), channel(qBlue(a), qBlue(b)));
}

double smoothstep(double edge0, double edge1, double x)
{
    const double t = std::clamp((x - edge0) / (edge1 - edge0), 0.0, 1.0);
    return t * t * (3 - 2 * t);
}

/// Paints a tile from `colourAt(x, y, u, v)`, where u and v are x and y as parts of the tile (0..1).
template <typename ColourAt> QImage paintTile(ColourAt colourAt)
{
    QImage tile(kTileSize, kTileSize, QImage::Format_RGB32);
    for (int y = 0; y < kTileSize; ++y)
        for (int x = 0; x < kTileSize; ++x)
            tile.setPixel(
                x, y, colourAt(x, y, static_cast<double>(x) / kTileSize, static_cast<double>(y) / kTileSize));
    return tile;
}

} // namespace

QImage feltTile(QRgb base, std::uint32_t seed)
{
    const TileNoise noise(seed);
    return paintTile([&](int x, int y, double u, double v) {
        const double mottle = noise.fractal(u, v, 3, 3, 3, 0.5);
        const double nap = noise.fractal(u, v, 40, 40, 2, 0.6);
        const double speckle = noise.value(x, y, kTileSize, kSpeckleStream) - 0.5;
        return scaled(base, 1 + 0.07 * mottle + 0.07 * nap + 0.08 * speckle);
    });
}

QImage woodTile(QRgb light, QRgb dark, int bands, std::uint32_t seed)
{
    const TileNoise noise(seed);
    return paintTile([&](int x, int y, double u, double v) {
        const double warp
            = 0.7 * noise.fractal(u, v, 1, 2, 3, 0.5) + 0.12 * noise.fractal(u, v, 2, 8, 2, 0.5);
        const double ring = v * bands + warp;
        const double lateWood = std::pow(ring - std::floor(ring), 5);
        const double fibres = noise.fractal(u, v, 2, 90, 2, 0.5);
        const double speckle = noise.value(x, y, kTileSize, kSpeckleStream) - 0.5;
        const double t = std::clamp(0.55 * lateWood + 0.35 * (0.5 + 0.5 * fibres) + 0.06 * speckle, 0.0, 1.0);
        return mixed(light, dark, t);
    });
}

QImage weaveTile(QRgb base, std::uint32_t seed)
{
    /// Width of one thread, in pixels; the tile holds a whole, even number of them.
    constexpr int kThread = 4;
    const TileNoise noise(seed);
    return paintTile([&](int x, int y, double u, double v) {
        const bool weftOnTop = (x / kThread + y / kThread) % 2 == 0;
        const int across = weftOnTop ? y % kThread : x % kThread;
        const double roundness = std::sin(std::numbers::pi * (across + 0.5) / kThread);
        const double threadTone = weftOnTop ? noise.value(y / kThread, 0, kTileSize / kThread, kRowStream)
                                            : noise.value(x / kThread, 0, kTileSize / kThread, kColumnStream);
        const double mottle = noise.fractal(u, v, 4, 4, 2, 0.5);
        const double speckle = noise.value(x, y, kTileSize, kSpeckleStream) - 0.5;
        return scaled(
            base, 0.72 + 0.38 * roundness + 0.08 * (threadTone - 0.5) + 0.05 * mottle + 0.05 * speckle);
    });
}

QImage linenTile(QRgb base, std::uint32_t seed)
{
    const TileNoise noise(seed);
    return paintTile([&](int x, int y, double u, double v) {
        const double row = noise.value(y, 0, kTileSize, kRowStream) - 0.5;
        const double column = noise.value(x, 0, kTileSize, kColumnStream) - 0.5;
        const double slubs = noise.fractal(u, v, 2, 100, 2, 0.5) + noise.fractal(u, v, 100, 2, 2, 0.5);
        const double crossing = (x + y) % 2 == 0 ? 0.03 : -0.03;
        const double speckle = noise.value(x, y, kTileSize, kSpeckleStream) - 0.5;
        return scaled(base, 1 + 0.09 * row + 0.09 * column + 0.05 * slubs + crossing + 0.04 * speckle);
    });
}

QImage marbleTile(QRgb base, QRgb vein, std::uint32_t seed)
{
    const TileNoise noise(seed);
    return paintTile([&](int x, int y, double u, double v) {
        const double broad
            = std::sin(2 * std::numbers::pi * (u + v) + 3.5 * noise.fractal(u, v, 2, 2, 5, 0.55));
        const double fine
            = std::sin(2 * std::numbers::pi * (2 * u - v) + 5 * noise.fractal(u, v, 3, 3, 5, 0.55));
        const double veins
            = 0.55 * std::pow(1 - std::abs(broad), 6) + 0.35 * std::pow(1 - std::abs(fine), 16);
        const double cloud = noise.fractal(u, v, 4, 4, 4, 0.5);
        const double speckle = noise.value(x, y, kTileSize, kSpeckleStream) - 0.5;
        return mixed(scaled(base, 1 + 0.04 * cloud + 0.02 * speckle), vein, veins);
    });
}

QImage leatherTile(QRgb base, std::uint32_t seed)
{
    /// Pebbles across the tile.
    constexpr int kPebbles = 34;
    const TileNoise noise(seed);
    return paintTile([&](int x, int y, double u, double v) {
        const TileNoise::Cellular cell = noise.cellular(u, v, kPebbles);
        const double crease = 1 - smoothstep(0.0, 0.18, cell.second - cell.nearest);
        const double dome = 0.5 - cell.nearest;
        const double mottle = noise.fractal(u, v, 3, 3, 3, 0.5);
        const double speckle = noise.value(x, y, kTileSize, kSpeckleStream) - 0.5;
        return scaled(base, 1 + 0.3 * dome - 0.16 * crease + 0.08 * mottle + 0.06 * speckle);
    });
}

QImage corkTile(QRgb base, std::uint32_t seed)
{
    /// Granules across the tile.
    constexpr int kGranules = 45;
    const TileNoise noise(seed);
    return paintTile([&](int x, int y, double u, double v) {
        const TileNoise::Cellular cell = noise.cellular(u, v, kGranules);
        const double gap = 1 - smoothstep(0.0, 0.12, cell.second - cell.nearest);
        const double mottle = noise.fractal(u, v, 4, 4, 3, 0.5);
        const double speckle = noise.value(x, y, kTileSize, kSpeckleStream) - 0.5;
        return scaled(base, 0.88 + 0.24 * cell.tone - 0.16 * gap + 0.06 * mottle + 0.08 * speckle);
    });
}

} // namespace datagen
