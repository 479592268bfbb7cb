#include "support/TableFixture.h"

#include "app/Sounds.h"
#include "app/dialogs/Igra.h"
#include "app/dialogs/O_Program.h"
#include "app/dialogs/Zvyk.h"
#include "platform/Cp1251.h"

#include <QDir>
#include <QFileInfo>

namespace {

/// The option commands at the table of ИВАН, level 1, long game.
class OptionCommandsTest : public TableCommandTest {
protected:
    void SetUp() override
    {
        TableCommandTest::SetUp();
        g_playerName = QStringLiteral("ИВАН");
        markWindow();
    }
    /// Runs the game options; `choose` plays the person, and the dialog ends with `result`.
    void options(const std::function<void(CIgra&)>& choose, int result = QDialog::Accepted)
    {
        dialogs_.answerAs<CIgra>([&](CIgra& d) {
            choose(d);
            return result;
        });
        table_->OnGameOptions();
    }
};

TEST_F(OptionCommandsTest, SoundTakesItsThreeSettingsAndTheVoiceWithoutARedraw)
{
    g_voicePhrase.fill({});
    const struct {
        int voice, cards, buttons, result;
        std::string folder; // of the phrases afterwards
    } rows[] = {
        { 2, 0, 1, QDialog::Accepted, "Sound\\Jen\\" },
        { 3, 1, 0, QDialog::Accepted, "Sound\\Jen\\" }, // no voice keeps the last one's paths
        { 1, 0, 0, QDialog::Accepted, "Sound\\Myj\\" },
        { 2, 1, 1, QDialog::Rejected, "Sound\\Myj\\" },
    };
    std::tuple shown(1, 1, 1);
    for (const auto& row : rows) {
        dialogs_.answerAs<CZvyk>([&](CZvyk& d) {
            EXPECT_EQ(std::tuple(d.m_voice, d.m_cardSounds, d.m_buttonSounds), shown);
            std::tie(d.m_voice, d.m_cardSounds, d.m_buttonSounds)
                = std::tuple(row.voice, row.cards, row.buttons);
            return row.result;
        });
        table_->OnSound();
        if (row.result == QDialog::Accepted)
            shown = std::tuple(row.voice, row.cards, row.buttons);
        EXPECT_EQ(std::tuple(g_voice, g_cardSounds, g_buttonSounds), shown);
        for (const std::size_t n : { 1, 13, 15, 26, 36, 37 })
            EXPECT_EQ(g_voicePhrase[n], row.folder + std::to_string(n) + ".wav");
    }
    EXPECT_EQ(g_voicePhrase[14] + g_voicePhrase[27] + g_voicePhrase[35], "") << "images with no phrase";
    EXPECT_FALSE(redrawn());
}

TEST_F(OptionCommandsTest, GameOptionsTakeTheNineSettingsRetitleAndRedrawOnlyForANewOrderOrStyle)
{
    std::tie(g_extraCards, g_trickPause, g_animDelay, g_animSteps, g_announcementStyle)
        = std::tuple(4, 1500, 20, 12, 1);
    options([](CIgra& d) {
        EXPECT_EQ(std::tuple(d.m_extraCards, d.m_gameLength, d.m_handSort, d.m_level, d.m_trickPause,
                      d.m_animDelay, d.m_animation, d.m_animSteps, d.m_announcementStyle),
            std::tuple(4, 2, 1, 1, 1500, 20, 1, 12, 1));
        std::tie(d.m_extraCards, d.m_gameLength, d.m_level, d.m_trickPause, d.m_animDelay, d.m_animation,
            d.m_animSteps)
            = std::tuple(6, 1, 3, 900, 30, 0, 7);
    });
    EXPECT_EQ(std::tuple(g_extraCards, g_gameLength, g_handSort, g_level, g_trickPause, g_animDelay,
                  g_animation, g_animSteps, g_announcementStyle, g_halfAnimSteps),
        std::tuple(6, 1, 1, 3, 900, 30, 0, 7, 1, 3));
    EXPECT_EQ(table_->windowTitle(), QStringLiteral("Вертан   -   ИВАН,   Профи,   Короткая партия."));
    EXPECT_EQ(std::tuple(redrawn(), messages().size()), std::tuple(false, 0u));
    options([](CIgra& d) { d.m_gameLength = 2; }, QDialog::Rejected);
    EXPECT_EQ(g_gameLength, 1);

    const int ace = CardOf(kRankAce, 2), seven = CardOf(kRankSeven, 3), king = CardOf(kRankKing, 2);
    g_trumpSuit = 1;
    SetCardValues();
    const struct {
        std::vector<int> hand;
        int cardSounds, sort, style;
        std::vector<int> after;
        int sounds; // so far
        bool redrawn;
    } rows[] = {
        { { ace, seven, king }, 1, 2, 1, { seven, king, ace }, 1, true },
        { { ace, seven, king }, 0, 1, 1, { king, ace, seven }, 1, true }, // silent without card sounds
        { { ace }, 1, 2, 3, { ace }, 1, false }, // one card: the setting only, even with a new style
        { { ace }, 1, 2, 1, { ace }, 1, true }, // a new style alone redraws
    };
    for (const auto& row : rows) {
        g_humanCount = static_cast<int>(row.hand.size());
        std::ranges::copy(row.hand, g_humanHand.begin() + 1);
        g_cardSounds = row.cardSounds;
        markWindow();
        options([&](CIgra& d) {
            std::tie(d.m_handSort, d.m_announcementStyle) = std::tuple(row.sort, row.style);
        });
        EXPECT_EQ(std::tuple(g_handSort, g_announcementStyle, played("Sound\\H1.wav"), redrawn()),
            std::tuple(row.sort, row.style, row.sounds, row.redrawn));
        EXPECT_EQ(std::vector(g_humanHand.begin() + 1, g_humanHand.begin() + 1 + g_humanCount), row.after);
    }
}

TEST_F(OptionCommandsTest, ClearingEmptiesTheStatisticsOfTheLevelAndLengthJustChosen)
{
    const QByteArray record
        = platform::ToCp1251(QStringLiteral("ИВАН Выиграл 300 Большая(1001) Новичок\r\n"));
    folder_.write(QStringLiteral("Stat/stprb.sta"), record);
    folder_.write(QStringLiteral("Stat/stsrm.sta"), record);
    QDir(folder_.path()).mkpath(QStringLiteral("Stat/stslb.sta")); // a folder stands where the file is
    const struct {
        int level, length;
        bool yes;
        QString file;
        std::optional<QByteArray> after; // none: not there
        bool told; // a notice follows the question
    } rows[] = {
        { 2, 1, true, "Stat/stsrm.sta", "", false },
        { 1, 2, false, "Stat/stprb.sta", record, false }, // No keeps it; the other options stay applied
        { 3, 2, true, "Stat/stslb.sta", "", true },
        { 3, 1, true, "Stat/stslm.sta", {}, false }, // no file holds no games: none is made
    };
    for (const auto& row : rows) {
        const std::size_t before = messages().size();
        platform_.messageBox.answer({ row.yes });
        options([&](CIgra& d) {
            std::tie(d.m_level, d.m_gameLength, d.m_clearStatistics) = std::tuple(row.level, row.length, 1);
        });
        EXPECT_EQ(std::tuple(g_level, g_gameLength), std::tuple(row.level, row.length));
        const auto& shown = platform_.messageBox.shown;
        ASSERT_EQ(shown.size(), before + 1 + row.told) << row.file.toStdString();
        EXPECT_EQ(std::tuple(shown[before].text, shown[before].question),
            std::tuple(QStringLiteral("Вы действительно хотите очистить статиситку?"), true));
        EXPECT_TRUE(!row.told || (!shown.back().question && shown.back().text.contains(row.file)));
        EXPECT_EQ(std::tuple(QFileInfo::exists(folder_.filePath(row.file)), folder_.read(row.file)),
            std::tuple(row.after.has_value(), row.after.value_or("")));
    }
}

TEST_F(OptionCommandsTest, AboutGetsTheCaptionsAndTheButtonSoundSetting)
{
    std::tie(g_aboutLink1Count, g_aboutLink1X[2], g_aboutLink1Y[2], g_buttonSounds)
        = std::tuple(2, 250, 90, 0);
    std::tie(g_aboutLink2Count, g_aboutLink2X[3], g_aboutLink2Y[3]) = std::tuple(3, 300, 120);
    dialogs_.answerAs<CO_Program>([](CO_Program& d) {
        EXPECT_EQ(std::tuple(d.m_link1Count, d.m_link1X[2], d.m_link1Y[2], d.m_link2Count, d.m_link2X[3],
                      d.m_link2Y[3], d.m_buttonSounds),
            std::tuple(2, 250, 90, 3, 300, 120, 0));
        return int(QDialog::Rejected);
    });
    table_->OnAbout();
    EXPECT_FALSE(redrawn());
}

} // namespace
