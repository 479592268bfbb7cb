#include "app/intro/IntroView.h"
#include "app/Globals.h"
#include "app/Layout.h"
#include "app/intro/IntroModel.h"
#include "platform/Files.h"
#include "support/HeadlessPlatform.h"

#include <QWidget>

#include <gtest/gtest.h>

namespace {

/// The pause after each frame, which keeps the first frame shown.
class FramePause final : public platform::Pause {
public:
    void sleep(int milliseconds) override
    {
        if (count++ == 0)
            first = view->grab().toImage();
        totalMs += milliseconds;
    }

    QWidget* view = nullptr;
    QImage first;
    int count = 0;
    int totalMs = 0;
};

/// Runs on an X display with OpenGL (its test entries start a virtual one); without OpenGL
/// it fails rather than skips.
TEST(IntroViewTest, TheModelGrowsOutOfTheTableCentreFrameByFrameAndSevenQuadsFollow)
{
    HeadlessPlatform platform;
    ComputeLayout(kInitialClientWidth, kInitialClientHeight);
    const QByteArray model
        = platform::ReadWholeFile(QStringLiteral(VERTAN_PROGRAM_DIR "/") + kIntroFile).value_or("");
    ASSERT_EQ(ReadIntroModel(std::string_view(model.constData(), static_cast<std::size_t>(model.size())),
                  g_clientWidth, g_clientHeight),
        DataFault::None);
    QWidget host;
    host.resize(g_clientWidth, g_clientHeight);
    std::unique_ptr<IntroView> intro = IntroView::Create(host, host.size());
    ASSERT_TRUE(intro) << "no OpenGL context: run on an X display with Mesa";

    // The scripted clock stands still while a frame is drawn, so every frame waits its whole 30 ms.
    FramePause pause;
    pause.view = intro.get();
    const platform::ScopedService<platform::Pause> pauses(pause);
    intro->play();
    EXPECT_EQ(g_glActive, 1);
    EXPECT_EQ(std::pair(pause.count, pause.totalMs), std::pair(150, 150 * 30));
    // The first frame shows the model small, round the table centre.
    QImage blank(120, 120, pause.first.format());
    blank.fill(pause.first.pixel(0, 0));
    EXPECT_NE(pause.first.copy(static_cast<int>(g_centreX) - 60, static_cast<int>(g_centreY) - 60, 120, 120),
        blank);
    QImage shown = intro->grab().toImage();
    for (int quad = 1; quad <= 8; ++quad) {
        intro->drawProgressQuad();
        const QImage next = intro->grab().toImage();
        EXPECT_EQ(next != shown, quad <= 7) << "quad " << quad << " of seven";
        shown = next;
    }
    g_glActive = 0;
}

} // namespace
