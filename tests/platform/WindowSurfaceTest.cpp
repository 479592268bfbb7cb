#include "platform/WindowSurface.h"
#include "platform/Pause.h"

#include <QApplication>
#include <QPaintEvent>
#include <QPainter>
#include <QWidget>

#include <gtest/gtest.h>

#include <vector>

using namespace platform;

namespace {

/// A window that shows a surface and remembers what it was asked to paint.
class SurfaceWindow : public QWidget {
public:
    explicit SurfaceWindow(WindowSurface& surface)
        : surface_(surface)
    {
        surface.attach(this);
        setFixedSize(100, 80);
        surface.resize(100, 80);
    }

    std::vector<QRect> painted;

protected:
    void paintEvent(QPaintEvent* event) override
    {
        painted.push_back(event->rect());
        QPainter(this).drawImage(event->rect(), surface_.dc().image(), event->rect());
    }

private:
    WindowSurface& surface_;
};

MemoryDC Filled(COLORREF colour)
{
    MemoryDC dc(100, 80);
    dc.fillSolid(0, 0, 100, 80, colour);
    return dc;
}

bool PaintedOver(const std::vector<QRect>& painted, const QRect& rect)
{
    return std::any_of(painted.begin(), painted.end(), [&](const QRect& r) { return r.contains(rect); });
}

} // namespace

TEST(WindowSurface, PresentCopiesTheBlockAndRepaintsItBeforeReturning)
{
    WindowSurface surface;
    SurfaceWindow window(surface);
    window.show();
    QApplication::processEvents();
    window.painted.clear();

    surface.present(Filled(RGB(1, 2, 3)), 10, 20, 30, 15);
    EXPECT_TRUE(PaintedOver(window.painted, QRect(10, 20, 30, 15)));
    EXPECT_EQ(surface.dc().getPixel(10, 20), RGB(1, 2, 3));
    EXPECT_EQ(surface.dc().getPixel(39, 34), RGB(1, 2, 3));
    EXPECT_EQ(surface.dc().getPixel(40, 34), RGB(0, 0, 0));
    EXPECT_EQ(surface.dc().getPixel(39, 35), RGB(0, 0, 0));

    window.painted.clear();
    MemoryDC source = Filled(RGB(0, 0, 0));
    source.setPixel(70, 60, RGB(9, 8, 7));
    surface.presentFrom(source, 5, 6, 2, 2, 70, 60);
    EXPECT_EQ(surface.dc().getPixel(5, 6), RGB(9, 8, 7));
    EXPECT_TRUE(PaintedOver(window.painted, QRect(5, 6, 2, 2)));

    window.painted.clear();
    surface.dc().setPixel(50, 50, RGB(4, 4, 4));
    surface.flush(50, 50, 1, 1);
    EXPECT_TRUE(PaintedOver(window.painted, QRect(50, 50, 1, 1)));
    EXPECT_EQ(window.grab().toImage().pixel(50, 50), qRgb(4, 4, 4));
}

TEST(WindowSurface, HiddenOrDetachedWindowStillGetsThePixels)
{
    WindowSurface surface;
    SurfaceWindow window(surface);
    surface.present(Filled(RGB(5, 5, 5)), 0, 0, 10, 10);
    EXPECT_TRUE(window.painted.empty());
    EXPECT_EQ(surface.dc().getPixel(9, 9), RGB(5, 5, 5));

    surface.attach(nullptr);
    surface.present(Filled(RGB(6, 6, 6)), 0, 0, 10, 10);
    EXPECT_EQ(surface.dc().getPixel(9, 9), RGB(6, 6, 6));
}

TEST(WindowSurface, ResizeKeepsWhatWasShownAndTheSelectedPen)
{
    WindowSurface surface;
    surface.resize(10, 10);
    surface.dc().fillSolid(0, 0, 10, 10, RGB(7, 7, 7));
    surface.dc().selectPen({ 3, RGB(1, 1, 1), false });
    surface.resize(20, 5);
    EXPECT_EQ(surface.dc().width(), 20);
    EXPECT_EQ(surface.dc().getPixel(9, 4), RGB(7, 7, 7));
    EXPECT_EQ(surface.dc().getPixel(10, 4), RGB(0, 0, 0));
    EXPECT_EQ(surface.dc().pen().width, 3);
}

TEST(Pause, RealPauseKeepsTheWindowPainting)
{
    WindowSurface surface;
    SurfaceWindow window(surface);
    window.show();
    QApplication::processEvents();
    window.painted.clear();

    window.update();
    Sleep(50);
    EXPECT_FALSE(window.painted.empty());
}
