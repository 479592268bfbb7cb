#include "app/intro/IntroRenderer.h"

#include "app/intro/IntroModel.h"

#include <QOffscreenSurface>
#include <QOpenGLContext>
#include <QOpenGLFramebufferObject>
#include <QOpenGLFunctions_1_1>
#include <QOpenGLVersionFunctionsFactory>

namespace {

/// Depth range of the orthographic projection, in pixels toward and away from the viewer.
constexpr double kNearDepth = -500;
constexpr double kFarDepth = 500;
/// Background of the intro: a dark table green.
constexpr float kClearRed = 0.3F;
constexpr float kClearGreen = 0.4F;
constexpr float kClearBlue = 0.3F;
/// The one light, up, to the left and in front of the frame's origin (a point light).
constexpr GLfloat kLightPosition[4] = { 100.0F, 100.0F, 100.0F, 1.0F };
/// Bits of each colour channel, of depth and of stencil asked of the frame; no alpha.
constexpr int kChannelBits = 8;
constexpr int kDepthBits = 24;
constexpr int kStencilBits = 8;

QSurfaceFormat IntroFormat()
{
    // The fixed pipeline (matrices, lighting, glBegin) lives only in a compatibility context.
    QSurfaceFormat format;
    format.setRenderableType(QSurfaceFormat::OpenGL);
    format.setProfile(QSurfaceFormat::CompatibilityProfile);
    format.setRedBufferSize(kChannelBits);
    format.setGreenBufferSize(kChannelBits);
    format.setBlueBufferSize(kChannelBits);
    format.setAlphaBufferSize(0);
    format.setDepthBufferSize(kDepthBits);
    format.setStencilBufferSize(kStencilBits);
    return format;
}

} // namespace

IntroRenderer::IntroRenderer() = default;

IntroRenderer::~IntroRenderer()
{
    // The frame's GL objects must go while their context is current.
    if (frame_ && makeCurrent()) {
        frame_.reset();
        context_->doneCurrent();
    }
}

std::unique_ptr<IntroRenderer> IntroRenderer::Create(QSize size)
{
    std::unique_ptr<IntroRenderer> renderer(new IntroRenderer);
    if (!renderer->init(size))
        return nullptr;
    return renderer;
}

bool IntroRenderer::init(QSize size)
{
    if (size.isEmpty())
        return false;
    size_ = size;
    surface_ = std::make_unique<QOffscreenSurface>();
    surface_->setFormat(IntroFormat());
    surface_->create();
    context_ = std::make_unique<QOpenGLContext>();
    context_->setFormat(IntroFormat());
    if (!surface_->isValid() || !context_->create() || !makeCurrent()
        || !QOpenGLFramebufferObject::hasOpenGLFramebufferObjects())
        return false;
    gl_ = QOpenGLVersionFunctionsFactory::get<QOpenGLFunctions_1_1>(context_.get());
    if (!gl_)
        return false;

    QOpenGLFramebufferObjectFormat frameFormat;
    frameFormat.setAttachment(QOpenGLFramebufferObject::CombinedDepthStencil);
    // No alpha, as the window's pixel format has none: the frame shows opaque.
    frameFormat.setInternalTextureFormat(GL_RGB8);
    frame_ = std::make_unique<QOpenGLFramebufferObject>(size, frameFormat);
    if (!frame_->isValid() || !frame_->bind())
        return false;

    gl_->glClearColor(kClearRed, kClearGreen, kClearBlue, 0.0F);
    gl_->glEnable(GL_DEPTH_TEST);
    gl_->glEnable(GL_COLOR_MATERIAL);
    gl_->glEnable(GL_LIGHTING);
    gl_->glEnable(GL_LIGHT0);
    gl_->glLightfv(GL_LIGHT0, GL_POSITION, kLightPosition);
    return true;
}

bool IntroRenderer::makeCurrent()
{
    if (!context_->makeCurrent(surface_.get()))
        return false;
    // Some platforms reset the viewport to their surface's size on every makeCurrent (Qt's
    // offscreen platform on GLX does), which would leave the frame drawn into a corner of
    // itself; so the viewport is set over the whole frame each time.
    if (gl_)
        gl_->glViewport(0, 0, size_.width(), size_.height());
    return true;
}

void IntroRenderer::setProjection()
{
    makeCurrent();
    gl_->glMatrixMode(GL_PROJECTION);
    gl_->glLoadIdentity();
    gl_->glOrtho(0, size_.width(), size_.height(), 0, kNearDepth, kFarDepth);
}

void IntroRenderer::rotate(double degrees, double axisX, double axisY, double axisZ)
{
    makeCurrent();
    gl_->glRotated(degrees, axisX, axisY, axisZ);
}

void IntroRenderer::translate(double x, double y, double z)
{
    makeCurrent();
    gl_->glTranslated(x, y, z);
}

void IntroRenderer::clearFrame()
{
    makeCurrent();
    gl_->glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
}

void IntroRenderer::clearDepth()
{
    makeCurrent();
    gl_->glClear(GL_DEPTH_BUFFER_BIT);
}

void IntroRenderer::vertex(int record, const IntroPlacement& at)
{
    const auto j = static_cast<std::size_t>(record);
    gl_->glVertex3d(
        g_introX[j] / at.zoom + at.offsetX, g_introY[j] / at.zoom + at.offsetY, g_introZ[j] / at.zoom);
}

void IntroRenderer::drawModel(const IntroPlacement& at)
{
    makeCurrent();
    // Record 0 colours the first polygon; a closing vertex carries the next one's colour.
    gl_->glColor3d(g_introRed[0], g_introGreen[0], g_introBlue[0]);
    gl_->glBegin(GL_POLYGON);
    bool open = true;
    for (int i = 1; i <= g_introVertexCount; ++i) {
        const auto j = static_cast<std::size_t>(i);
        vertex(i, at);
        if (g_introPolygonEnd[j] == 1) {
            gl_->glEnd();
            open = false;
            gl_->glColor3d(g_introRed[j], g_introGreen[j], g_introBlue[j]);
            if (i != g_introVertexCount) {
                gl_->glBegin(GL_POLYGON);
                open = true;
            }
        }
    }
    // A model whose last vertex does not close its polygon still leaves the context usable.
    if (open)
        gl_->glEnd();
}

void IntroRenderer::drawQuad(int first, double red, double green, double blue, const IntroPlacement& at)
{
    makeCurrent();
    gl_->glColor3d(red, green, blue);
    gl_->glBegin(GL_POLYGON);
    for (int record = first; record < first + kQuadVertices; ++record)
        vertex(record, at);
    gl_->glEnd();
}

QImage IntroRenderer::frame()
{
    makeCurrent();
    return frame_->toImage().convertToFormat(QImage::Format_RGB32);
}
