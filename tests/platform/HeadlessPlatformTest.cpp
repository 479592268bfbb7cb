#include "support/HeadlessPlatform.h"

#include "platform/Clock.h"
#include "platform/MessageBox.h"
#include "platform/Pause.h"
#include "platform/Rand.h"
#include "platform/Shell.h"
#include "platform/Sound.h"

#include <gtest/gtest-spi.h>
#include <gtest/gtest.h>

using namespace platform;

TEST(HeadlessPlatform, ReplacesEveryServiceAndPutsTheRealOnesBack)
{
    Pause* realPause = &ServiceSlot<Pause>::get();
    MessageBox* realMessageBox = &ServiceSlot<MessageBox>::get();
    {
        HeadlessPlatform headless;
        headless.rand.script({ 5, 32767 });
        headless.messageBox.answer({ true, false });

        Sleep(600);
        Sleep(500);
        EXPECT_EQ(headless.pause.count, 2);
        EXPECT_EQ(headless.pause.totalMs, 1100);
        EXPECT_EQ(TickMs(), 1100u);
        EXPECT_EQ(Time(), headless.clock.nowSeconds);
        EXPECT_EQ(headless.clock.nowSeconds, 1'200'000'001);

        PlaySound("Sound\\H.wav", false);
        PlaySound("Sound\\Myj\\3.wav", true);
        EXPECT_EQ(headless.sound.played,
            (std::vector<RecordingSound::Played> {
                { "Sound\\H.wav", false }, { "Sound\\Myj\\3.wav", true } }));

        Srand(static_cast<unsigned>(Time()));
        EXPECT_EQ(Rand(), 5);
        EXPECT_EQ(Rand(), 32767);
        Lcg15 expected;
        expected.seed(1'200'000'001u);
        EXPECT_EQ(Rand(), expected.next());
        EXPECT_EQ(headless.rand.seeds, std::vector<unsigned> { 1'200'000'001u });

        EXPECT_TRUE(AskYesNo(QStringLiteral("Начать новую партию?")));
        EXPECT_FALSE(AskYesNo(QStringLiteral("Выйти?"), QStringLiteral("Игра")));
        Tell(QStringLiteral("Максимальное число сохранений - восемь"));
        ASSERT_EQ(headless.messageBox.shown.size(), 3u);
        EXPECT_EQ(headless.messageBox.shown[1],
            (ScriptedMessageBox::Shown { QStringLiteral("Выйти?"), QStringLiteral("Игра"), true }));
        EXPECT_EQ(headless.messageBox.shown[2].caption, QStringLiteral("Вертан"));
        EXPECT_FALSE(headless.messageBox.shown[2].question);

        EXPECT_TRUE(OpenPage(QStringLiteral("mail/mail.htm")));
        EXPECT_EQ(headless.shell.opened, QStringList { QStringLiteral("mail/mail.htm") });
    }
    EXPECT_EQ(&ServiceSlot<Pause>::get(), realPause);
    EXPECT_EQ(&ServiceSlot<MessageBox>::get(), realMessageBox);
}

TEST(HeadlessPlatform, UnscriptedQuestionFailsTheTestAndAnswersNo)
{
    ScriptedMessageBox messageBox;
    bool answer = true;
    EXPECT_NONFATAL_FAILURE(
        answer = messageBox.askYesNo(QStringLiteral("Сохранить?"), QStringLiteral("Вертан")),
        "unscripted question");
    EXPECT_FALSE(answer);

    ScriptedRand rand;
    EXPECT_NONFATAL_FAILURE(rand.script({ 32768 }), "outside 0..32767");
}
