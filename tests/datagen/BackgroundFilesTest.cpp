#include "ListFiles.h"

#include <gtest/gtest.h>

#include <cmath>
#include <set>

namespace {

constexpr int kTile = 200;
constexpr int kTilePoints = kTile * kTile;
constexpr int kBackgrounds = 10;
constexpr QPoint kTileOrigin(382, 298);
/// The point (1-based) whose colour the game takes for the whole table.
constexpr int kTableColourPoint = 200;

std::vector<QImage> readTiles()
{
    const std::vector<QPoint> points = readPoints(QStringLiteral("Fon/fon0.pol"), kTileOrigin);
    const std::vector<long long> colours = readNumbers(QStringLiteral("Fon/Fon.pol"));
    std::vector<QImage> tiles;
    for (int b = 0; b < kBackgrounds; ++b)
        tiles.push_back(paintBlock(points, colours, b, QSize(kTile, kTile)));
    return tiles;
}

int difference(QRgb a, QRgb b)
{
    return std::abs(qRed(a) - qRed(b)) + std::abs(qGreen(a) - qGreen(b)) + std::abs(qBlue(a) - qBlue(b));
}

int signedDifference(QRgb a, QRgb b)
{
    return qRed(a) - qRed(b) + qGreen(a) - qGreen(b) + qBlue(a) - qBlue(b);
}

/// How far column x and the column after it (wrapping round) differ: the signed differences of
/// neighbouring pixels are averaged over runs of rows, so grain cancels out and what remains is
/// a change of shade along the whole run, the kind a seam shows. `transposed` compares rows.
double columnStep(const QImage& tile, int x, bool transposed)
{
    /// Rows averaged together.
    constexpr int kRun = 20;
    const int next = (x + 1) % kTile;
    double sum = 0;
    for (int top = 0; top < kTile; top += kRun) {
        int run = 0;
        for (int y = top; y < top + kRun; ++y)
            run += transposed ? signedDifference(tile.pixel(y, x), tile.pixel(y, next))
                              : signedDifference(tile.pixel(x, y), tile.pixel(next, y));
        sum += std::abs(run) / static_cast<double>(kRun);
    }
    return sum / (kTile / kRun);
}

/// The step across the tile's wrap-around edge is an ordinary step of the texture: within four
/// standard deviations of the steps between neighbouring columns (or rows) inside the tile.
void expectSeamless(const QImage& tile, bool transposed, int background)
{
    double sum = 0;
    double squares = 0;
    for (int x = 0; x < kTile - 1; ++x) {
        const double step = columnStep(tile, x, transposed);
        sum += step;
        squares += step * step;
    }
    const double mean = sum / (kTile - 1);
    const double deviation = std::sqrt(std::max(0.0, squares / (kTile - 1) - mean * mean));
    EXPECT_LE(columnStep(tile, kTile - 1, transposed), mean + 4 * deviation + 0.5)
        << "background " << background << (transposed ? " top/bottom" : " left/right");
}

QRgb meanColour(const QImage& image)
{
    double red = 0;
    double green = 0;
    double blue = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QRgb pixel = image.pixel(x, y);
            red += qRed(pixel);
            green += qGreen(pixel);
            blue += qBlue(pixel);
        }
    }
    const double count = static_cast<double>(image.width()) * image.height();
    return qRgb(static_cast<int>(std::lround(red / count)), static_cast<int>(std::lround(green / count)),
        static_cast<int>(std::lround(blue / count)));
}

} // namespace

TEST(BackgroundFiles, PointListCoversTheTileOnceAndColourListHoldsTenTiles)
{
    const std::vector<QPoint> points = readPoints(QStringLiteral("Fon/fon0.pol"), kTileOrigin);
    ASSERT_EQ(readNumbers(QStringLiteral("Fon/fon0.pol")).size(), static_cast<std::size_t>(2 * kTilePoints));
    std::set<std::pair<int, int>> seen;
    for (const QPoint p : points) {
        ASSERT_TRUE(p.x() >= 0 && p.x() < kTile && p.y() >= 0 && p.y() < kTile) << p.x() << ", " << p.y();
        seen.insert({ p.x(), p.y() });
    }
    EXPECT_EQ(seen.size(), static_cast<std::size_t>(kTilePoints));
    const std::vector<long long> colours = readNumbers(QStringLiteral("Fon/Fon.pol"));
    EXPECT_EQ(colours.size(), static_cast<std::size_t>(kBackgrounds * kTilePoints));
    for (const long long colour : colours)
        ASSERT_TRUE(colour >= 0 && colour <= 0xffffff) << colour;
}

TEST(BackgroundFiles, TilesRepeatWithoutSeams)
{
    const std::vector<QImage> tiles = readTiles();
    for (int b = 0; b < kBackgrounds; ++b) {
        expectSeamless(tiles[b], false, b + 1);
        expectSeamless(tiles[b], true, b + 1);
    }
}

TEST(BackgroundFiles, TableColourPointIsTheTilesMeanColourAndTheTablesDiffer)
{
    const std::vector<QPoint> points = readPoints(QStringLiteral("Fon/fon0.pol"), kTileOrigin);
    const std::vector<QImage> tiles = readTiles();
    std::vector<QRgb> tableColours;
    for (int b = 0; b < kBackgrounds; ++b) {
        const QRgb mean = meanColour(tiles[b]);
        const QRgb table = tiles[b].pixel(points[kTableColourPoint - 1]);
        EXPECT_LE(difference(table, mean), 3) << "background " << b + 1;
        tableColours.push_back(table);
    }
    /// Channel-summed distance between table colours that tells two tables apart.
    constexpr int kDistinct = 40;
    for (int a = 0; a < kBackgrounds; ++a)
        for (int b = a + 1; b < kBackgrounds; ++b)
            EXPECT_GT(difference(tableColours[a], tableColours[b]), kDistinct)
                << "backgrounds " << a + 1 << ", " << b + 1;
}

TEST(BackgroundFiles, EachThumbnailShowsItsOwnBackground)
{
    const std::vector<QImage> tiles = readTiles();
    std::vector<QRgb> means;
    for (const QImage& tile : tiles)
        means.push_back(meanColour(tile));
    for (int b = 1; b <= kBackgrounds; ++b) {
        const QImage thumbnail(programFile(QStringLiteral("Pictures/fon%1.png").arg(b)));
        ASSERT_EQ(thumbnail.size(), QSize(100, 100)) << "background " << b;
        const QRgb shown = meanColour(thumbnail);
        int nearest = 0;
        for (int t = 1; t < kBackgrounds; ++t)
            if (difference(shown, means[t]) < difference(shown, means[nearest]))
                nearest = t;
        EXPECT_EQ(nearest + 1, b);
        EXPECT_LE(difference(shown, means[b - 1]), 6) << "background " << b;
    }
}
