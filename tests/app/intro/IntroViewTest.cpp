#include "app/intro/IntroView.h"
#include "app/Globals.h"
#include "app/Layout.h"
#include "app/intro/IntroModel.h"
#include "platform/Files.h"
#include "support/HeadlessPlatform.h"

#include <QWidget>

#include <gtest/gtest.h>

namespace {

/// Runs on an X display with OpenGL (its test entries start a virtual one); without OpenGL
/// it fails rather than skips.
TEST(IntroViewTest, FramesKeepTheirPaceAndSevenQuadsFollow)
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
    intro->play();
    EXPECT_EQ(g_glActive, 1);
    EXPECT_EQ(std::pair(platform.pause.count, platform.pause.totalMs), std::pair(150, 150 * 30LL));
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
