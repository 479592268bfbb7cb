#pragma once

#include "app/intro/IntroRenderer.h"

#include <QImage>
#include <QWidget>

#include <memory>

/// The intro as the window shows it: a view laid over the table that plays the model's
/// 150 frames and then the seven progress quads, drawn by OpenGL and shown frame by frame.
class IntroView : public QWidget {
    Q_OBJECT

public:
    /// Covers the top-left client area of `host`, of the given size; null when the system
    /// offers no OpenGL, in which case the start-up goes on without an intro.
    static std::unique_ptr<IntroView> Create(QWidget& host, QSize clientSize);
    ~IntroView() override;

    /// The 150 frames: the model turns and zooms toward the table centre; each frame lasts
    /// at least 30 ms. Sets g_glActive.
    void play();
    /// Draws the next of the seven progress quads over the last frame; nothing after the
    /// seventh.
    void drawProgressQuad();
    /// Shows the current frame again.
    void refresh();

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    IntroView(QWidget& host, QSize clientSize, std::unique_ptr<IntroRenderer> renderer);
    IntroPlacement placement() const;
    /// Takes the drawn frame and shows it before returning.
    void present();

    /// The OpenGL context that draws the frames.
    std::unique_ptr<IntroRenderer> renderer_;
    /// What the view shows: the last frame drawn.
    QImage frame_;
    /// Zoom divisor of the last frame (19 before the first, about 0.92 after the last).
    double zoom_;
    /// Distance from the model's last record back to the next quad's first vertex: 27,
    /// 23, ... 3; below 0 all seven quads are drawn.
    int nextQuad_;
};
