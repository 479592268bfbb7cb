#include "InkRaster.h"

#include "Failure.h"

#include <QFontInfo>
#include <QFontMetricsF>
#include <QImage>
#include <QPainter>
#include <QTransform>

#include <algorithm>
#include <cmath>

namespace datagen {
namespace {

/// Coverage at or above which a pixel counts as inked (half of 255).
constexpr int kHalfCoverage = 128;
/// Halvings of the size interval; 2^-16 of the range is far below one pixel of ink.
constexpr int kSizeSearchSteps = 16;
/// Blank pixels kept around a shape so that antialiasing never touches the image edge.
constexpr int kRasterMargin = 2;
/// Size at which text outlines are built before scaling; large, so no hinting creeps in.
constexpr double kOutlinePixelSize = 100.0;

struct CoveredPixel {
    QPoint at;
    int coverage; ///< 1..255
};

/// Every pixel the shape touches, with its antialiased coverage, in the shape's own coordinates.
std::vector<CoveredPixel> coverageOf(const QPainterPath& shape)
{
    const QRect box = shape.boundingRect().toAlignedRect();
    const QPoint origin = box.topLeft() - QPoint(kRasterMargin, kRasterMargin);
    QImage image(box.size() + QSize(2 * kRasterMargin, 2 * kRasterMargin), QImage::Format_Grayscale8);
    image.fill(0);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.translate(-origin);
    painter.fillPath(shape, Qt::white);
    painter.end();

    std::vector<CoveredPixel> pixels;
    for (int y = 0; y < image.height(); ++y) {
        const uchar* row = image.constScanLine(y);
        for (int x = 0; x < image.width(); ++x) {
            if (row[x] != 0)
                pixels.push_back({ QPoint(x, y) + origin, row[x] });
        }
    }
    return pixels;
}

int halfCoveredCount(const QPainterPath& shape)
{
    const auto pixels = coverageOf(shape);
    return static_cast<int>(std::count_if(
        pixels.begin(), pixels.end(), [](const CoveredPixel& p) { return p.coverage >= kHalfCoverage; }));
}

bool readingOrder(const QPoint& a, const QPoint& b)
{
    return a.y() != b.y() ? a.y() < b.y() : a.x() < b.x();
}

} // namespace

Rendering renderExactly(const ShapeAtSize& shape, int count, double minSize, double maxSize)
{
    if (halfCoveredCount(shape(maxSize)) < count)
        failGeneration(QStringLiteral("a picture cannot reach %1 pixels within its size limit").arg(count));
    // The inked area grows with the size, so halving the interval finds the size whose ink is closest.
    double low = minSize;
    double high = maxSize;
    for (int step = 0; step < kSizeSearchSteps; ++step) {
        const double middle = (low + high) / 2;
        (halfCoveredCount(shape(middle)) < count ? low : high) = middle;
    }
    return { strongestPixels(shape(high), count), high };
}

int touchedPixels(const QPainterPath& shape)
{
    return static_cast<int>(coverageOf(shape).size());
}

PixelList strongestPixels(const QPainterPath& shape, int count)
{
    auto pixels = coverageOf(shape);
    if (static_cast<int>(pixels.size()) < count)
        failGeneration(
            QStringLiteral("a picture touches %1 pixels, fewer than %2").arg(pixels.size()).arg(count));
    // The most covered pixels first; equal coverage in reading order, so the choice is repeatable.
    std::stable_sort(pixels.begin(), pixels.end(), [](const CoveredPixel& a, const CoveredPixel& b) {
        return a.coverage != b.coverage ? a.coverage > b.coverage : readingOrder(a.at, b.at);
    });
    PixelList kept;
    kept.reserve(static_cast<std::size_t>(count));
    for (int i = 0; i < count; ++i)
        kept.push_back(pixels[static_cast<std::size_t>(i)].at);
    std::sort(kept.begin(), kept.end(), readingOrder);
    return kept;
}

QPainterPath textOutline(const QFont& font, const QString& text, double pixelSize)
{
    QFont large = font;
    large.setPixelSize(static_cast<int>(kOutlinePixelSize));
    QPainterPath outline;
    outline.addText(0, 0, large, text);
    const double scale = pixelSize / kOutlinePixelSize;
    return QTransform::fromScale(scale, scale).map(outline);
}

double capHeightAt(const QFont& font, double pixelSize)
{
    QFont large = font;
    large.setPixelSize(static_cast<int>(kOutlinePixelSize));
    return QFontMetricsF(large).capHeight() * pixelSize / kOutlinePixelSize;
}

QFont requireBoldFont(const QString& family)
{
    QFont font(family);
    font.setBold(true);
    font.setHintingPreference(QFont::PreferNoHinting);
    font.setStyleStrategy(QFont::NoFontMerging);
    if (QFontInfo(font).family() != family)
        failGeneration(
            QStringLiteral("font \"%1\" is not installed (Debian package fonts-liberation2)").arg(family));
    return font;
}

PixelList shifted(const PixelList& pixels, int dx, int dy)
{
    PixelList moved;
    moved.reserve(pixels.size());
    for (const QPoint& p : pixels)
        moved.push_back(p + QPoint(dx, dy));
    return moved;
}

QRect boundsOf(const PixelList& pixels)
{
    QRect bounds;
    for (const QPoint& p : pixels)
        bounds |= QRect(p, QSize(1, 1));
    return bounds;
}

} // namespace datagen
