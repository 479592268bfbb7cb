#include "support/TableFixture.h"

#include "app/Globals.h"
#include "app/Sounds.h"
#include "app/WindowTitle.h"
#include "app/dialogs/Igra.h"
#include "app/dialogs/O_Program.h"
#include "app/dialogs/Zvyk.h"
#include "app/files/ImageData.h"
#include "engine/CardTable.h"
#include "engine/CardValues.h"
#include "engine/Settings.h"
#include "support/QStringPrinter.h"
#include "support/ScriptedDialogs.h"
#include "support/TempFolder.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>

#include <functional>
#include <vector>

namespace {

constexpr platform::COLORREF kStale = platform::RGB(1, 254, 1);
const QString kClearQuestion = QStringLiteral("Вы действительно хотите очистить статиситку?");

void clickBox(QDialog& dialog, const QString& text)
{
    for (QCheckBox* box : dialog.findChildren<QCheckBox*>())
        if (box->text() == text)
            return box->click();
    ADD_FAILURE() << "no check box " << text.toStdString();
}

/// The table with the sound, game options and about dialogs answered by script, and a
/// program folder of its own.
class OptionCommandsTest : public TableTest {
protected:
    void SetUp() override
    {
        TableTest::SetUp();
        g_programDir = folder_.path() + QStringLiteral("/");
        g_playerName = QStringLiteral("ИВАН");
        g_voice = 1;
        g_handSort = 1;
        g_level = 1;
        g_gameLength = 2;
        AssignVoicePhrases();
        table_->surface().dc().setPixel(2, 2, kStale);
    }
    void TearDown() override
    {
        g_programDir = savedProgramDir_;
        TableTest::TearDown();
    }

    bool redrawn() const { return table_->surface().dc().getPixel(2, 2) != kStale; }

    /// Runs the game options command; the answer plays the person and presses "Принять".
    void options(std::function<void(CIgra&)> choose)
    {
        dialogs_.answerAs<CIgra>([choose = std::move(choose)](CIgra& d) {
            choose(d);
            d.OnOK();
            return static_cast<int>(QDialog::Accepted);
        });
        table_->OnGameOptions();
    }
    void sound(int voice, int cardSounds, int buttonSounds, int result = QDialog::Accepted)
    {
        dialogs_.answerAs<CZvyk>([=](CZvyk& d) {
            d.m_voice = voice;
            d.m_cardSounds = cardSounds;
            d.m_buttonSounds = buttonSounds;
            return result;
        });
        table_->OnSound();
    }
    void hold(const std::vector<int>& cards)
    {
        g_trumpSuit = 1;
        SetCardValues();
        g_humanCount = static_cast<int>(cards.size());
        for (std::size_t i = 0; i < cards.size(); ++i)
            g_humanHand[i + 1] = cards[i];
    }
    std::vector<int> hand() const
    {
        return { g_humanHand.begin() + 1, g_humanHand.begin() + 1 + g_humanCount };
    }

    TempFolder folder_;
    ScriptedDialogs dialogs_;
    platform::ScopedService<platform::DialogRunner> runner_ { dialogs_ };

private:
    QString savedProgramDir_ = g_programDir;
};

TEST_F(OptionCommandsTest, SoundTakesTheThreeSettingsAndTheVoicePhrasesWithoutARedraw)
{
    dialogs_.answerAs<CZvyk>([](CZvyk& d) {
        EXPECT_EQ(std::tuple(d.m_voice, d.m_cardSounds, d.m_buttonSounds), std::tuple(1, 1, 1));
        d.m_voice = 2;
        d.m_cardSounds = 0;
        d.m_buttonSounds = 0;
        return static_cast<int>(QDialog::Accepted);
    });
    table_->OnSound();
    EXPECT_EQ(std::tuple(g_voice, g_cardSounds, g_buttonSounds), std::tuple(2, 0, 0));
    EXPECT_EQ(g_voicePhrase[1], "Sound\\Jen\\1.wav");
    EXPECT_EQ(g_voicePhrase[37], "Sound\\Jen\\37.wav");
    EXPECT_FALSE(redrawn());

    // No voice keeps the paths of the last one.
    sound(3, 0, 0);
    EXPECT_EQ(g_voice, 3);
    EXPECT_EQ(g_voicePhrase[1], "Sound\\Jen\\1.wav");
    sound(1, 0, 0);
    EXPECT_EQ(g_voicePhrase[26], "Sound\\Myj\\26.wav");

    sound(2, 1, 1, QDialog::Rejected);
    EXPECT_EQ(std::tuple(g_voice, g_cardSounds, g_buttonSounds), std::tuple(1, 0, 0));
    EXPECT_EQ(g_voicePhrase[1], "Sound\\Myj\\1.wav");
}

TEST_F(OptionCommandsTest, GameOptionsTakeTheNineSettingsAndRetitleTheWindow)
{
    g_extraCards = 4;
    g_trickPause = 1500;
    g_animDelay = 20;
    g_animation = 1;
    g_animSteps = 12;
    g_announcementStyle = 1;
    options([](CIgra& d) {
        EXPECT_EQ(d.m_extraCards, 4);
        EXPECT_EQ(d.m_gameLength, 2);
        EXPECT_EQ(d.m_handSort, 1);
        EXPECT_EQ(d.m_level, 1);
        EXPECT_EQ(d.m_trickPause, 1500);
        EXPECT_EQ(d.m_animDelay, 20);
        EXPECT_EQ(d.m_animation, 1);
        EXPECT_EQ(d.m_animSteps, 12);
        EXPECT_EQ(d.m_announcementStyle, 1);
        clickBox(d, QStringLiteral("Короткая (501)"));
        clickBox(d, QStringLiteral("Отключить"));
        d.m_comboExtraCards->setCurrentIndex(3);
        d.m_comboLevel->setCurrentIndex(2);
        d.m_sliderSteps->setValue(7);
    });
    EXPECT_EQ(g_gameLength, 1);
    EXPECT_EQ(g_animation, 0);
    EXPECT_EQ(g_extraCards, 6);
    EXPECT_EQ(g_level, 3);
    EXPECT_EQ(g_animSteps, 7);
    EXPECT_EQ(g_halfAnimSteps, 3) << "derived from the steps";
    EXPECT_EQ(g_trickPause, 1500);
    EXPECT_EQ(g_animDelay, 20);
    EXPECT_EQ(table_->windowTitle(), TableTitle(QStringLiteral("ИВАН"), 3, 1));
    EXPECT_FALSE(redrawn()) << "neither the layout nor the style changed";
    EXPECT_TRUE(platform_.messageBox.shown.empty());

    dialogs_.answerAs<CIgra>([](CIgra& d) {
        clickBox(d, QStringLiteral("Длинная (1001)"));
        return static_cast<int>(QDialog::Rejected);
    });
    table_->OnGameOptions();
    EXPECT_EQ(g_gameLength, 1);
}

TEST_F(OptionCommandsTest, ANewHandLayoutSortsTheHandWithASoundAndRedraws)
{
    hold({ CardOf(kRankAce, 2), CardOf(kRankSeven, 3), CardOf(kRankKing, 2) });
    options([](CIgra& d) { clickBox(d, QStringLiteral("По очкам")); });
    EXPECT_EQ(g_handSort, 2);
    EXPECT_EQ(hand(), (std::vector { CardOf(kRankSeven, 3), CardOf(kRankKing, 2), CardOf(kRankAce, 2) }));
    EXPECT_EQ(played("Sound\\H1.wav"), 1);
    EXPECT_TRUE(redrawn());

    // Without card sounds the hand is sorted silently.
    g_cardSounds = 0;
    table_->surface().dc().setPixel(2, 2, kStale);
    options([](CIgra& d) { clickBox(d, QStringLiteral("По мастям")); });
    EXPECT_EQ(g_handSort, 1);
    EXPECT_EQ(played("Sound\\H1.wav"), 1);
    EXPECT_TRUE(redrawn());
}

TEST_F(OptionCommandsTest, ANewLayoutOfAHandTooSmallToSortChangesTheSettingOnlyEvenWithANewStyle)
{
    hold({ CardOf(kRankAce, 2) });
    options([](CIgra& d) {
        clickBox(d, QStringLiteral("По очкам"));
        clickBox(d, QStringLiteral("Простые"));
    });
    EXPECT_EQ(g_handSort, 2);
    EXPECT_EQ(g_announcementStyle, 0);
    EXPECT_FALSE(redrawn());
    EXPECT_EQ(played("Sound\\H1.wav"), 0);

    // A new style alone redraws.
    options([](CIgra& d) { clickBox(d, QStringLiteral("Анимированные")); });
    EXPECT_EQ(g_announcementStyle, 3);
    EXPECT_TRUE(redrawn());
    EXPECT_EQ(played("Sound\\H1.wav"), 0);
}

TEST_F(OptionCommandsTest, ClearingEmptiesTheStatisticsOfTheLevelAndLengthJustChosen)
{
    folder_.write(QStringLiteral("Stat/stprb.sta"), "ИВАН Выиграл 300 Большая(1001) Новичок\r\n");
    folder_.write(QStringLiteral("Stat/stsrm.sta"), "ИВАН Выиграл 200 Малая(501) Игрок\r\n");
    platform_.messageBox.answer({ true, true });
    options([](CIgra& d) {
        d.m_comboLevel->setCurrentIndex(1);
        clickBox(d, QStringLiteral("Короткая (501)"));
        clickBox(d, QStringLiteral("Очистить"));
    });
    ASSERT_EQ(platform_.messageBox.shown.size(), 2u);
    EXPECT_EQ(platform_.messageBox.shown[1].text, kClearQuestion);
    EXPECT_TRUE(platform_.messageBox.shown[1].question);
    EXPECT_TRUE(QFileInfo::exists(folder_.filePath(QStringLiteral("Stat/stsrm.sta"))));
    EXPECT_EQ(folder_.read(QStringLiteral("Stat/stsrm.sta")), QByteArray());
    EXPECT_EQ(folder_.read(QStringLiteral("Stat/stprb.sta")),
        QByteArray("ИВАН Выиграл 300 Большая(1001) Новичок\r\n"));
}

TEST_F(OptionCommandsTest, AnsweringNoKeepsTheStatisticsButAppliesTheOtherOptions)
{
    folder_.write(QStringLiteral("Stat/stprb.sta"), "ИВАН Выиграл 300 Большая(1001) Новичок\r\n");
    platform_.messageBox.answer({ true, false });
    options([](CIgra& d) {
        clickBox(d, QStringLiteral("Очистить"));
        d.m_comboExtraCards->setCurrentIndex(2);
    });
    EXPECT_EQ(g_extraCards, 5);
    EXPECT_EQ(folder_.read(QStringLiteral("Stat/stprb.sta")),
        QByteArray("ИВАН Выиграл 300 Большая(1001) Новичок\r\n"));
}

TEST_F(OptionCommandsTest, StatisticsThatCannotBeEmptiedAreNamedToThePlayer)
{
    // A folder stands where the file is.
    QDir(folder_.path()).mkpath(QStringLiteral("Stat/stprb.sta"));
    platform_.messageBox.answer({ true, true });
    options([](CIgra& d) { clickBox(d, QStringLiteral("Очистить")); });
    ASSERT_EQ(platform_.messageBox.shown.size(), 3u);
    EXPECT_FALSE(platform_.messageBox.shown[2].question);
    EXPECT_TRUE(platform_.messageBox.shown[2].text.contains(QStringLiteral("stprb.sta")));

    // No file means no games to clear: nothing is created and nothing said.
    platform_.messageBox.answer({ true, true });
    options([](CIgra& d) {
        d.m_comboLevel->setCurrentIndex(2);
        clickBox(d, QStringLiteral("Очистить"));
    });
    EXPECT_EQ(platform_.messageBox.shown.size(), 5u);
    EXPECT_FALSE(QFileInfo::exists(folder_.filePath(QStringLiteral("Stat/stslb.sta"))));
}

TEST_F(OptionCommandsTest, AboutGetsTheCaptionsAndTheButtonSoundSetting)
{
    g_aboutLink1Count = 2;
    g_aboutLink1X[2] = 250;
    g_aboutLink1Y[2] = 90;
    g_aboutLink2Count = 3;
    g_aboutLink2X[3] = 300;
    g_aboutLink2Y[3] = 120;
    g_buttonSounds = 0;
    dialogs_.answerAs<CO_Program>([](CO_Program& d) {
        EXPECT_EQ(d.m_link1Count, 2);
        EXPECT_EQ(std::pair(d.m_link1X[2], d.m_link1Y[2]), std::pair(250, 90));
        EXPECT_EQ(d.m_link2Count, 3);
        EXPECT_EQ(std::pair(d.m_link2X[3], d.m_link2Y[3]), std::pair(300, 120));
        EXPECT_EQ(d.m_buttonSounds, 0);
        return static_cast<int>(QDialog::Rejected);
    });
    table_->OnAbout();
    EXPECT_EQ(dialogs_.answersLeft(), 0u);
    EXPECT_FALSE(redrawn());
}

} // namespace
