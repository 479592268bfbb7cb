#include "platform/MemoryDC.h"

#include <QFontMetrics>
#include <QPainter>

#include <algorithm>
#include <cmath>

namespace platform {

namespace {

/// The alpha byte every pixel of a Format_RGB32 image must carry.
constexpr QRgb kOpaqueAlpha = 0xff000000u;

QRgb* rowPixels(QImage& image, int y)
{
    return reinterpret_cast<QRgb*>(image.scanLine(y));
}
const QRgb* rowPixels(const QImage& image, int y)
{
    return reinterpret_cast<const QRgb*>(image.constScanLine(y));
}

void combineRow(QRgb* dest, const QRgb* src, int count, RasterOp op)
{
    switch (op) {
    case RasterOp::SrcCopy:
        std::copy(src, src + count, dest);
        break;
    case RasterOp::SrcAnd:
        std::transform(dest, dest + count, src, dest, [](QRgb d, QRgb s) { return d & s; });
        break;
    case RasterOp::SrcPaint:
        std::transform(dest, dest + count, src, dest, [](QRgb d, QRgb s) { return d | s; });
        break;
    case RasterOp::SrcInvert:
        // XOR would clear the alpha byte, which Format_RGB32 requires to stay set.
        std::transform(dest, dest + count, src, dest, [](QRgb d, QRgb s) { return (d ^ s) | kOpaqueAlpha; });
        break;
    }
}

} // namespace

void MemoryDC::create(int width, int height)
{
    image_ = QImage(std::max(width, 0), std::max(height, 0), QImage::Format_RGB32);
    image_.fill(qRgbFromColour(RGB(0, 0, 0)));
}

void MemoryDC::setPixel(int x, int y, COLORREF colour)
{
    if (x >= 0 && y >= 0 && x < width() && y < height())
        rowPixels(image_, y)[x] = qRgbFromColour(colour);
}

COLORREF MemoryDC::getPixel(int x, int y) const
{
    if (x < 0 || y < 0 || x >= width() || y >= height())
        return kInvalidColour;
    return colourFromQRgb(rowPixels(image_, y)[x]);
}

void MemoryDC::bitBlt(int x, int y, int w, int h, const MemoryDC& src, int sx, int sy, RasterOp op)
{
    // Skip what starts left of or above either bitmap, then cut what runs past either.
    const int skipX = std::max({ 0, -x, -sx });
    const int skipY = std::max({ 0, -y, -sy });
    x += skipX;
    sx += skipX;
    y += skipY;
    sy += skipY;
    w = std::min({ w - skipX, width() - x, src.width() - sx });
    h = std::min({ h - skipY, height() - y, src.height() - sy });
    if (w <= 0 || h <= 0)
        return;

    // A copy within one bitmap reads a snapshot of the block, so overlapping blocks come
    // out as if copied through a buffer whatever the direction of the move.
    const bool self = &src == this;
    const QImage snapshot = self ? image_.copy(sx, sy, w, h) : QImage();
    const QImage& from = self ? snapshot : src.image_;
    const int fromX = self ? 0 : sx;
    const int fromY = self ? 0 : sy;
    // Whole rows of equal bitmaps are one block: one large copy streams past the cache,
    // which a full-table repaint needs to stay well inside one animation step.
    if (op == RasterOp::SrcCopy && !self && x == 0 && fromX == 0 && w == width()
        && image_.bytesPerLine() == from.bytesPerLine()) {
        std::copy(rowPixels(from, fromY), rowPixels(from, fromY) + static_cast<std::size_t>(w) * h,
            rowPixels(image_, y));
        return;
    }
    for (int row = 0; row < h; ++row)
        combineRow(rowPixels(image_, y + row) + x, rowPixels(from, fromY + row) + fromX, w, op);
}

void MemoryDC::fillSolid(int left, int top, int right, int bottom, COLORREF colour)
{
    left = std::max(left, 0);
    top = std::max(top, 0);
    right = std::min(right, width());
    bottom = std::min(bottom, height());
    for (int y = top; y < bottom && left < right; ++y)
        std::fill(rowPixels(image_, y) + left, rowPixels(image_, y) + right, qRgbFromColour(colour));
}

void MemoryDC::plot(int x, int y, COLORREF colour)
{
    plotRow(y, x, x + 1, colour);
}

void MemoryDC::plotRow(int y, int left, int right, COLORREF colour)
{
    if (y < 0 || y >= height())
        return;
    left = std::max(left, 0);
    right = std::min(right, width());
    if (left >= right)
        return;
    QRgb* row = rowPixels(image_, y);
    const QRgb value = qRgbFromColour(colour);
    if (mix_ == MixMode::MaskPen)
        std::for_each(row + left, row + right, [value](QRgb& pixel) { pixel &= value; });
    else
        std::fill(row + left, row + right, value);
}

void MemoryDC::textOut(int x, int y, const QString& text)
{
    if (image_.isNull() || text.isEmpty())
        return;
    const QFontMetrics metrics(font_, &image_);
    if (opaqueBackground_)
        fillSolid(x, y, x + textWidth(text), y + metrics.ascent() + metrics.descent(), bkColour_);
    QPainter painter(&image_);
    painter.setFont(font_);
    painter.setPen(QColor::fromRgb(qRgbFromColour(textColour_)));
    painter.drawText(x, y + metrics.ascent(), text);
}

int MemoryDC::textWidth(const QString& text) const
{
    if (image_.isNull())
        return QFontMetrics(font_).horizontalAdvance(text);
    return QFontMetrics(font_, &image_).horizontalAdvance(text);
}

QFont pointFont(int tenthsOfPoint, const QString& family)
{
    // A point is 1/72 inch; the game's screen has 96 pixels to the inch.
    constexpr double kPixelsPerTenthOfPoint = 96.0 / 720.0;
    QFont font(family);
    font.setPixelSize(std::max(1, static_cast<int>(std::lround(tenthsOfPoint * kPixelsPerTenthOfPoint))));
    return font;
}

} // namespace platform
