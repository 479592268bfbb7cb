#include "app/intro/IntroView.h"

#include "app/Globals.h"
#include "app/Layout.h"
#include "app/VertanDlg.h"
#include "app/intro/IntroModel.h"
#include "platform/Clock.h"
#include "platform/Pause.h"

#include <QPainter>

#include <algorithm>

namespace {

/// Frames the intro plays before the progress quads.
constexpr int kIntroFrames = 150;
/// The first frames only turn the model; after them it also drifts and sinks.
constexpr int kTurnOnlyFrames = 20;
/// Shortest time a frame stays on the window, in ms.
constexpr int kFrameMs = 30;
/// The model starts 19 times smaller and grows by a fiftieth of the divisor each frame.
constexpr double kStartZoom = 19.0;
constexpr double kZoomSteps = 50.0;
/// Turn per frame, in degrees, and its axes before and after the turn-only frames.
constexpr double kTurnDegrees = 1.0;
constexpr double kFirstAxis[3] = { -10.0, -6.0, 0.0 };
constexpr double kLaterAxis[3] = { 0.4, -10.0, 0.0 };
/// Downward drift per frame after the turn-only frames, in pixels.
constexpr double kDriftY = 0.5;
/// The model sinks away by the client width over this, per frame (integer division).
constexpr int kSinkDivisor = 105;
/// The progress quads are dark blue (blue 50 of 255), drawn from the 28th record before the end.
constexpr double kQuadBlue = 50.0 / 255.0;
constexpr int kFirstQuadFromEnd = kProgressQuadRecords - 1;

} // namespace

std::unique_ptr<IntroView> IntroView::Create(QWidget& host, QSize clientSize)
{
    std::unique_ptr<IntroRenderer> renderer = IntroRenderer::Create(clientSize);
    if (!renderer)
        return nullptr;
    return std::unique_ptr<IntroView>(new IntroView(host, clientSize, std::move(renderer)));
}

IntroView::IntroView(QWidget& host, QSize clientSize, std::unique_ptr<IntroRenderer> renderer)
    : QWidget(&host)
    , renderer_(std::move(renderer))
    , zoom_(kStartZoom)
    , nextQuad_(kFirstQuadFromEnd)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    setGeometry(QRect(QPoint(0, 0), clientSize));
    renderer_->setProjection();
    renderer_->clearFrame();
    frame_ = renderer_->frame();
    show();
}

IntroView::~IntroView() = default;

IntroPlacement IntroView::placement() const
{
    return { zoom_, g_introOffsetX, g_introOffsetY };
}

void IntroView::play()
{
    g_glActive = 1;
    std::uint32_t frameStart = platform::TickMs();
    for (int frame = 1; frame <= kIntroFrames; ++frame) {
        zoom_ -= zoom_ / kZoomSteps;
        // The shrunk model is shifted so that it grows out of the table centre.
        g_introOffsetX = g_centreX - g_centreX / zoom_;
        g_introOffsetY = g_centreY - g_centreY / zoom_;
        renderer_->clearFrame();
        if (frame <= kTurnOnlyFrames) {
            renderer_->rotate(kTurnDegrees, kFirstAxis[0], kFirstAxis[1], kFirstAxis[2]);
        } else {
            renderer_->translate(0.0, kDriftY, -(g_clientWidth / kSinkDivisor));
            renderer_->rotate(kTurnDegrees, kLaterAxis[0], kLaterAxis[1], kLaterAxis[2]);
        }
        renderer_->drawModel(placement());
        present();
        // A frame that took longer than its time is not made up.
        const int spent = static_cast<int>(platform::TickMs() - frameStart);
        platform::Sleep(std::max(0, kFrameMs - spent));
        frameStart = platform::TickMs();
    }
}

void IntroView::drawProgressQuad()
{
    if (nextQuad_ < 0)
        return;
    renderer_->clearDepth();
    renderer_->drawQuad(g_introVertexCount - nextQuad_, 0.0, 0.0, kQuadBlue, placement());
    present();
    nextQuad_ -= kQuadVertices;
}

void IntroView::refresh()
{
    repaint();
}

void IntroView::present()
{
    frame_ = renderer_->frame();
    repaint();
}

void IntroView::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.drawImage(0, 0, frame_);
}

void CVertanDlg::ReleaseIntro()
{
    g_glActive = 0;
    m_intro.reset();
}
