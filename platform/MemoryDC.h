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

    static Pen Null() { return Pen{1, 0, true}; }
};

/// A solid brush for the inside of rectangles and ellipses.
struct Brush {
    COLORREF colour = 0;
};

/// How a filled shape combines with what lies beneath it.
enum class MixMode {
    CopyPen, ///< the brush colour replaces the pixel
    MaskPen, ///< the pixel becomes pixel AND brush colour
};

/// How a block copy combines source and destination pixels.
enum class RasterOp {
    SrcCopy,   ///< dest = src
    SrcAnd,    ///< dest = dest AND src
    SrcPaint,  ///< dest = dest OR src
    SrcInvert, ///< dest = dest XOR src
};

/// A memory bitmap with the drawing state the game selects into it.
///
/// Conventions, the same as the game's original drawing surface:
/// - coordinates are pixels, (0, 0) the top-left corner, x to the right, y down;
/// - colours are COLORREF values (red in the low byte);
/// - rectangle(l, t, r, b) and ellipse(l, t, r, b) cover columns l..r-1 and rows t..b-1:
///   the right and bottom edges are excluded; a non-null pen draws the outline on the
///   outermost pixels of that area (a 3-pixel pen centred on them), the brush fills the rest;
/// - lineTo draws from the current position up to but excluding the end point, which
///   becomes the new current position; a 3-pixel pen is centred on the line;
/// - textOut places the top-left corner of the text's cell at (x, y); with an opaque
///   background the cell is first filled with the background colour;
/// - everything outside the bitmap is clipped; reading outside returns kInvalidColour.
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
    void bitBlt(int x, int y, int w, int h, const MemoryDC& src, int sx, int sy,
                RasterOp op = RasterOp::SrcCopy);

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
    void setTextColour(COLORREF colour) { textColour_ = colour; }
    void setBkColour(COLORREF colour) { bkColour_ = colour; }
    void setOpaqueBackground(bool opaque) { opaqueBackground_ = opaque; }
    void textOut(int x, int y, const QString& text);

    const QImage& image() const { return image_; }

private:
    QImage image_;
    Pen pen_;
    Brush brush_{0xffffff};
    MixMode mix_ = MixMode::CopyPen;
    int currentX_ = 0;
    int currentY_ = 0;
    QFont font_;
    COLORREF textColour_ = 0;
    COLORREF bkColour_ = 0xffffff;
    bool opaqueBackground_ = true;
};

/// The game's text font: "Times New Roman" (Liberation Serif here, which has its metrics)
/// at the given size in tenths of a point on a 96 dpi screen.
QFont pointFont(int tenthsOfPoint, const QString& family = QStringLiteral("Liberation Serif"));

} // namespace platform
