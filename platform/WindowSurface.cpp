#include "platform/WindowSurface.h"

#include <QWidget>

namespace platform {

void WindowSurface::resize(int width, int height)
{
    if (width == dc_.width() && height == dc_.height())
        return;
    // Keep what the window showed until the game redraws it, instead of a black flash.
    const MemoryDC before = dc_;
    dc_.create(width, height);
    dc_.bitBlt(0, 0, before.width(), before.height(), before, 0, 0);
}

void WindowSurface::present(const MemoryDC& src, int x, int y, int w, int h)
{
    presentFrom(src, x, y, w, h, x, y);
}

void WindowSurface::presentFrom(const MemoryDC& src, int x, int y, int w, int h, int sx, int sy)
{
    dc_.bitBlt(x, y, w, h, src, sx, sy);
    repaintNow(QRect(x, y, w, h));
}

void WindowSurface::flush(int x, int y, int w, int h)
{
    repaintNow(QRect(x, y, w, h));
}

void WindowSurface::repaintNow(const QRect& rect)
{
    // The game draws and pauses inside one handler, so the window must show each step
    // now rather than when the event loop next runs.
    if (widget_ && widget_->isVisible())
        widget_->repaint(rect);
}

} // namespace platform
