#pragma once

#include <QImage>

#include <cstdint>

namespace datagen {

/// Side of a table background tile, in pixels.
constexpr int kTileSize = 200;

/// Table cloths and surfaces, each painted as a kTileSize square that repeats without a seam.
/// Colours are the material's middle tone; `seed` picks one of many pictures of the material.
QImage feltTile(QRgb base, std::uint32_t seed);
/// Wood with its grain running across; `bands` growth rings down the tile (whole number, so
/// the rings meet at the tile's edge).
QImage woodTile(QRgb light, QRgb dark, int bands, std::uint32_t seed);
/// Plain-woven cloth of coarse threads.
QImage weaveTile(QRgb base, std::uint32_t seed);
/// Fine linen with uneven threads.
QImage linenTile(QRgb base, std::uint32_t seed);
/// Polished stone with thin veins.
QImage marbleTile(QRgb base, QRgb vein, std::uint32_t seed);
/// Pebbled leather.
QImage leatherTile(QRgb base, std::uint32_t seed);
/// Pressed cork granules.
QImage corkTile(QRgb base, std::uint32_t seed);

} // namespace datagen
