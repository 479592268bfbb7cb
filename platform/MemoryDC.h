#pragma once

#include "platform/Colour.h"

#include <QFont>
#include <QImage>
#include <QString>

namespace platform {

/// A pen for outlines and lines. Width is 1 or 3 pixels; a null pen draws nothing.
struct Pen {
    int width = 1;
    COLORREF colour = 0;
    bool null = false;

    static Pen Null() { return Pen { 1, 0, true }; }
};

/// A solid brush for the inside of rectangles and ellipses.
struct Brush {
    COLORREF colour = 0;
};

/// How what the pen and the brush draw (outlines, fills, lines) combines with what lies
/// beneath it; setPixel, fillSolid, block copies and text ignore it.
enum class MixMode {
    CopyPen, ///< the brush colour replaces the pixel
    MaskPen, ///< the pixel becomes pixel AND brush colour
};

/// How a block copy combines source and destination pixels.
enum class RasterOp {
    SrcCopy, ///< dest = src
    SrcAnd, ///< dest = dest AND src
    SrcPaint, ///< dest = dest OR src
    SrcInvert, ///< dest = dest XOR src
};

/// A memory bitmap with the drawing state the game selects into it.
///
/// Conventions, which the game's drawing code relies on to the pixel:
/// - coordinates are pixels, (0, 0) the top-left corner, x to the right, y down;
/// - colours are COLORREF values (red in the low byte);
/// - rectangle(l, t, r, b) and ellipse(l, t, r, b) cover columns l..r-1 and rows t..b-1:
///   the right and bottom edges are excluded; a non-null pen draws the outline on the
///   outermost pixels of that area (a 3-pixel pen centred on them), the brush fills the rest;
///   an empty area (right <= left or bottom <= top) draws nothing;
/// - the ellipse's area is the pixels whose centres lie inside the ellipse inscribed in the
///   box; its outermost pixels are those with a left, right, upper or lower neighbour outside
///   the area (an 8-connected ring), and a 3-pixel pen covers every pixel at most one column
///   and one row away from that ring;
/// - lineTo draws from the current position up to but excluding the end point, which
///   becomes the new current position; the i-th pixel lies i steps along the longer axis and
///   i * shorter / longer steps (rounded half up) along the shorter one; a 3-pixel pen adds
///   the pixel on either side across the longer axis;
/// - textOut places the top-left corner of the text's cell at (x, y); with an opaque
///   background the cell is first filled with the background colour;
/// - everything outside the bitmap is clipped; reading outside returns kInvalidColour;
///   a shape costs only as much as the part of it that shows. Coordinates are taken to lie
///   within ±100 000 000 pixels, and an ellipse box over 32 768 pixels a side draws nothing.
class MemoryDC {
public:
    MemoryDC() = default;
    MemoryDC(int width, int height) { create(width, height); }

    /// (Re)allocates the bitmap, all black.
    void create(int width, int height);
    bool isNull() const { return image_.isNull(); }
    int width() const { return image_.width(); }
    int height() const { return image_.height(); }

    void setPixel(int x, int y, COLORREF colour);
    COLORREF getPixel(int x, int y) const;

    /// Copies a w x h block from src at (sx, sy) to (x, y), clipped to both bitmaps.
    void bitBlt(
        int x, int y, int w, int h, const MemoryDC& src, int sx, int sy, RasterOp op = RasterOp::SrcCopy);

    void selectPen(const Pen& pen) { pen_ = pen; }
    void selectBrush(const Brush& brush) { brush_ = brush; }
    void setMixMode(MixMode mode) { mix_ = mode; }
    const Pen& pen() const { return pen_; }
    const Brush& brush() const { return brush_; }

    void rectangle(int left, int top, int right, int bottom);
    void ellipse(int left, int top, int right, int bottom);
    /// Fills [left, right) x [top, bottom) with a colour, ignoring pen, brush and mix mode.
    void fillSolid(int left, int top, int right, int bottom, COLORREF colour);
    void moveTo(int x, int y);
    void lineTo(int x, int y);

    void setFont(const QFont& font) { font_ = font; }
    const QFont& font() const { return font_; }
    void setTextColour(COLORREF colour) { textColour_ = colour; }
    void setBkColour(COLORREF colour) { bkColour_ = colour; }
    void setOpaqueBackground(bool opaque) { opaqueBackground_ = opaque; }
    void textOut(int x, int y, const QString& text);
    /// The width of the cell that textOut fills for the text in the current font, in pixels.
    int textWidth(const QString& text) const;

    const QImage& image() const { return image_; }

private:
    /// Writes one pixel in the current mix mode; nothing outside the bitmap.
    void plot(int x, int y, COLORREF colour);
    /// Writes pixels left..right-1 of row y in the current mix mode, clipped.
    void plotRow(int y, int left, int right, COLORREF colour);
    /// One pixel of a line at (x, y), widened across the longer axis for a 3-pixel pen.
    void plotLineDot(int x, int y, bool alongX);

    /// The pixels, Format_RGB32; null until create() is given a non-empty size.
    QImage image_;
    /// Outline and line pen; white brush, black pen and copying mode until selected otherwise.
    Pen pen_;
    Brush brush_ { 0xffffff };
    MixMode mix_ = MixMode::CopyPen;
    /// Where the next lineTo starts, in pixels.
    int currentX_ = 0;
    int currentY_ = 0;
    /// Text font, text colour and the colour of an opaque text cell.
    QFont font_;
    COLORREF textColour_ = 0;
    COLORREF bkColour_ = 0xffffff;
    /// True: textOut fills the text's cell with bkColour_ first.
    bool opaqueBackground_ = true;
};

/// The pixel value of a colour in a Format_RGB32 image, and back.
constexpr QRgb qRgbFromColour(COLORREF colour)
{
    return qRgb(GetRValue(colour), GetGValue(colour), GetBValue(colour));
}
constexpr COLORREF colourFromQRgb(QRgb pixel)
{
    return RGB(qRed(pixel), qGreen(pixel), qBlue(pixel));
}

/// The game's text font: "Times New Roman" (Liberation Serif here, which has its metrics)
/// at the given size in tenths of a point on a 96 dpi screen.
QFont pointFont(int tenthsOfPoint, const QString& family = QStringLiteral("Liberation Serif"));

} // namespace platform
