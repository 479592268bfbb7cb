#pragma once

#include "platform/MemoryDC.h"

#include <QRect>

class QWidget;

namespace platform {

/// What the window shows. The game presents rectangles of its back buffer here and
/// draws hover highlights straight into it; the widget paints from it and nothing else.
class WindowSurface {
public:
    /// The widget whose paint handler shows this surface; may be null (nothing repaints).
    void attach(QWidget* widget) { widget_ = widget; }
    void resize(int width, int height);

    /// Copies a w x h block of src at (x, y) to the same spot of the surface and
    /// repaints it before returning.
    void present(const MemoryDC& src, int x, int y, int w, int h);
    /// Copies a block of src at (sx, sy) to (x, y) of the surface and repaints it.
    void presentFrom(const MemoryDC& src, int x, int y, int w, int h, int sx, int sy);
    /// Repaints a rectangle after drawing straight into dc().
    void flush(int x, int y, int w, int h);

    MemoryDC& dc() { return dc_; }
    const MemoryDC& dc() const { return dc_; }

private:
    /// Repaints a rectangle of the widget at once, while the game's handler still runs.
    void repaintNow(const QRect& rect);

    /// The pixels the window shows, in client coordinates.
    MemoryDC dc_;
    /// The widget that paints from dc_; null until attached.
    QWidget* widget_ = nullptr;
};

} // namespace platform
