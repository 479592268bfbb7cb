#pragma once

#include <QImage>
#include <QSize>

#include <memory>

class QOffscreenSurface;
class QOpenGLContext;
class QOpenGLFramebufferObject;
class QOpenGLFunctions_1_1;

/// Where the model's vertices land: (x / zoom + offsetX, y / zoom + offsetY, z / zoom).
struct IntroPlacement {
    /// Divisor of every coordinate; above 1 the model is drawn smaller.
    double zoom = 1;
    /// Shift of the shrunk model, in pixels, that keeps it aimed at the table centre.
    double offsetX = 0;
    double offsetY = 0;
};

/// The intro's OpenGL 1.1 context, drawing the model of app/intro/IntroModel.h in immediate mode
/// into an offscreen frame the size of the client area.
class IntroRenderer {
public:
    /// A context set up as the intro needs it (clear colour, depth test, one light), or
    /// null when the system offers no OpenGL.
    static std::unique_ptr<IntroRenderer> Create(QSize size);
    ~IntroRenderer();
    IntroRenderer(const IntroRenderer&) = delete;
    IntroRenderer& operator=(const IntroRenderer&) = delete;

    /// Viewport over the whole frame and an orthographic projection with y pointing down
    /// and depths -500..500. The matrix mode stays on the projection, so every later turn
    /// and move multiplies it and the movement accumulates from frame to frame.
    void setProjection();
    void rotate(double degrees, double axisX, double axisY, double axisZ);
    void translate(double x, double y, double z);
    /// Clears colour and depth for a new frame, or only the depth to draw over the frame.
    void clearFrame();
    void clearDepth();
    /// Draws every polygon of the model.
    void drawModel(const IntroPlacement& at);
    /// Draws the quad of records first..first + 3 in one colour (0..1 each).
    void drawQuad(int first, double red, double green, double blue, const IntroPlacement& at);
    /// What has been drawn so far.
    QImage frame();

private:
    IntroRenderer();
    bool init(QSize size);
    bool makeCurrent();
    void vertex(int record, const IntroPlacement& at);

    /// The offscreen surface the context is made current on, and the context itself.
    std::unique_ptr<QOffscreenSurface> surface_;
    std::unique_ptr<QOpenGLContext> context_;
    /// The frame the context draws into: colour without alpha, depth and stencil.
    std::unique_ptr<QOpenGLFramebufferObject> frame_;
    /// The context's OpenGL 1.1 entry points; owned by the context.
    QOpenGLFunctions_1_1* gl_ = nullptr;
    /// Size of the frame, in pixels: the client area's.
    QSize size_;
};
