#include "TileNoise.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace datagen {

namespace {

/// Streams of the hash, so the gradients and the cell points of one seed are unrelated.
constexpr std::uint32_t kGradientStream = 1;
constexpr std::uint32_t kCellXStream = 2;
constexpr std::uint32_t kCellYStream = 3;
constexpr std::uint32_t kCellToneStream = 4;
/// Largest value of 2-D gradient noise with unit gradients, used to bring it to about -1..1.
constexpr double kSmoothScale = 1.0 / 0.7071;

int wrap(int i, int period)
{
    const int r = i % period;
    return r < 0 ? r + period : r;
}

/// Quintic fade: a smooth step with zero first and second derivatives at 0 and 1.
double fade(double t)
{
    return t * t * t * (t * (t * 6 - 15) + 10);
}

double lerp(double a, double b, double t)
{
    return a + (b - a) * t;
}

} // namespace

std::uint32_t TileNoise::hash(int i, int j, std::uint32_t stream) const
{
    // A multiply-xorshift mixer: cheap and well spread for neighbouring lattice points.
    std::uint32_t h = seed_ * 0x9e3779b1u ^ static_cast<std::uint32_t>(i) * 0x85ebca77u
        ^ static_cast<std::uint32_t>(j) * 0xc2b2ae3du ^ stream * 0x27d4eb2fu;
    h ^= h >> 15;
    h *= 0x2c1b3c6du;
    h ^= h >> 12;
    h *= 0x297a2d39u;
    h ^= h >> 15;
    return h;
}

double TileNoise::value(int i, int j, int cells, std::uint32_t stream) const
{
    return hash(wrap(i, cells), wrap(j, cells), stream) / 4294967296.0;
}

double TileNoise::smooth(double u, double v, int cellsX, int cellsY) const
{
    const double x = u * cellsX;
    const double y = v * cellsY;
    const int i = static_cast<int>(std::floor(x));
    const int j = static_cast<int>(std::floor(y));
    const double fx = x - i;
    const double fy = y - j;
    auto corner = [&](int di, int dj) {
        const double angle = 2 * std::numbers::pi
            * (hash(wrap(i + di, cellsX), wrap(j + dj, cellsY), kGradientStream) / 4294967296.0);
        return std::cos(angle) * (fx - di) + std::sin(angle) * (fy - dj);
    };
    const double top = lerp(corner(0, 0), corner(1, 0), fade(fx));
    const double bottom = lerp(corner(0, 1), corner(1, 1), fade(fx));
    return std::clamp(lerp(top, bottom, fade(fy)) * kSmoothScale, -1.0, 1.0);
}

double TileNoise::fractal(double u, double v, int cellsX, int cellsY, int octaves, double gain) const
{
    double sum = 0;
    double weight = 1;
    double total = 0;
    for (int octave = 0; octave < octaves; ++octave) {
        sum += weight * smooth(u, v, cellsX << octave, cellsY << octave);
        total += weight;
        weight *= gain;
    }
    return sum / total;
}

TileNoise::Cellular TileNoise::cellular(double u, double v, int cells) const
{
    const double x = u * cells;
    const double y = v * cells;
    const int i = static_cast<int>(std::floor(x));
    const int j = static_cast<int>(std::floor(y));
    Cellular result { 9, 9, 0 };
    for (int dj = -1; dj <= 1; ++dj) {
        for (int di = -1; di <= 1; ++di) {
            const double px = i + di + value(i + di, j + dj, cells, kCellXStream);
            const double py = j + dj + value(i + di, j + dj, cells, kCellYStream);
            const double distance = std::hypot(px - x, py - y);
            if (distance < result.nearest) {
                result.second = result.nearest;
                result.nearest = distance;
                result.tone = value(i + di, j + dj, cells, kCellToneStream);
            } else if (distance < result.second) {
                result.second = distance;
            }
        }
    }
    return result;
}

} // namespace datagen
