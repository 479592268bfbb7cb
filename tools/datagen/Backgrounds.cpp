#include "ListText.h"
#include "Output.h"
#include "Textures.h"
#include "Writers.h"

#include <vector>

namespace datagen {

namespace {

/// Sheet origin the game subtracts from the tile's points.
constexpr QPoint kTileOrigin(382, 298);
/// The point (1-based, in list order) whose colour the game takes for the table's colour.
constexpr int kTableColourPoint = 200;
/// Side of a background thumbnail of the background dialog, in pixels.
constexpr int kThumbnailSize = 100;

/// The ten backgrounds in the game's order. Each is chosen for the announcement colours the game
/// gives it: 3, 6 and 7 carry dark blue or red words and a dark caption, so they are light;
/// 4, 5, 8 and 9 carry light words and the light cyan caption, so they are dark; 1, 2 and 10 carry
/// dark words and the light caption, so they are of middle brightness.
std::vector<QImage> paintBackgrounds()
{
    return {
        feltTile(qRgb(40, 122, 62), 101),
        feltTile(qRgb(92, 134, 182), 102),
        woodTile(qRgb(226, 192, 140), qRgb(186, 140, 88), 5, 103),
        woodTile(qRgb(112, 62, 36), qRgb(58, 28, 16), 7, 104),
        weaveTile(qRgb(30, 44, 92), 105),
        linenTile(qRgb(184, 200, 172), 106),
        marbleTile(qRgb(230, 223, 207), qRgb(150, 140, 132), 107),
        leatherTile(qRgb(48, 52, 55), 108),
        feltTile(qRgb(112, 22, 40), 109),
        corkTile(qRgb(172, 122, 76), 110),
    };
}

/// The tile's mean colour, which stands for the whole background where one colour must do.
QRgb meanColour(const QImage& tile)
{
    long long red = 0;
    long long green = 0;
    long long blue = 0;
    for (int y = 0; y < tile.height(); ++y) {
        for (int x = 0; x < tile.width(); ++x) {
            const QRgb pixel = tile.pixel(x, y);
            red += qRed(pixel);
            green += qGreen(pixel);
            blue += qBlue(pixel);
        }
    }
    const long long count = static_cast<long long>(tile.width()) * tile.height();
    return qRgb(static_cast<int>((red + count / 2) / count), static_cast<int>((green + count / 2) / count),
        static_cast<int>((blue + count / 2) / count));
}

std::vector<QPoint> tilePoints()
{
    std::vector<QPoint> points;
    points.reserve(kTileSize * kTileSize);
    for (int y = 0; y < kTileSize; ++y)
        for (int x = 0; x < kTileSize; ++x)
            points.emplace_back(x, y);
    return points;
}

} // namespace

void writeBackgrounds(const Output& out)
{
    const std::vector<QPoint> points = tilePoints();
    ListText pointText(static_cast<qsizetype>(points.size()));
    for (const QPoint point : points)
        pointText.appendPoint(point, kTileOrigin);
    out.write(QStringLiteral("Fon/fon0.pol"), pointText.bytes());

    std::vector<QImage> tiles = paintBackgrounds();
    ListText colourText(static_cast<qsizetype>(tiles.size() * points.size()));
    for (std::size_t b = 0; b < tiles.size(); ++b) {
        QImage& tile = tiles[b];
        tile.setPixel(points[kTableColourPoint - 1], meanColour(tile));
        colourText.appendColours(tile, points);
        out.writePng(QStringLiteral("Pictures/fon%1.png").arg(b + 1),
            tile.scaled(kThumbnailSize, kThumbnailSize, Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
    }
    out.write(QStringLiteral("Fon/Fon.pol"), colourText.bytes());
}

} // namespace datagen
