#include "app/files/SettingsFile.h"
#include "engine/Settings.h"
#include "platform/Cp1251.h"
#include "support/QStringPrinter.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

namespace {

const QByteArray kDefaults = "0 1 0 1 3 1 1 1 1 2 8 1000 1 1 10 2";

class SettingsFileTest : public ::testing::Test {
protected:
    void SetUp() override { ResetSettings(); }
    void TearDown() override { ResetSettings(); }

    TempFolder folder_;
    const QString root_ = folder_.path() + '/';
};

TEST_F(SettingsFileTest, EveryFieldGoesToItsGlobalAndBack)
{
    folder_.write("p.ind", "1 11 16711935 8 6 2 2 0 3 1 20 3000 0 0 20 3");
    platform::COLORREF custom = 0;
    ReadSettingsFile(root_ + "p.ind", custom);
    EXPECT_EQ(custom, 0xff00ffu);
    EXPECT_EQ((std::array { g_maximized, g_loadedBackground, g_loadedCardBack, g_extraCards, g_voice,
                  g_handSort, g_cardSounds, g_level, g_gameLength, g_animDelay, g_trickPause, g_buttonSounds,
                  g_animation, g_animSteps, g_announcementStyle, g_halfAnimSteps, g_halfAnimSteps2 }),
        (std::array { 1, 11, 8, 6, 2, 2, 0, 3, 1, 20, 3000, 0, 0, 20, 3, 10, 10 }));
    // The background and back in force change only once the pictures are ready; the deal
    // keeps its pace whatever the delay.
    EXPECT_EQ(std::tuple(g_background, g_cardBack, g_dealPause), std::tuple(1, 1, 56));
    // The writers store the background and back in force.
    g_background = g_loadedBackground;
    g_cardBack = g_loadedCardBack;
    ASSERT_TRUE(WriteSettingsFile(root_ + "q.ind", custom));
    EXPECT_EQ(folder_.read("q.ind"), folder_.read("p.ind"));
}

TEST_F(SettingsFileTest, TheLastCompleteGroupWinsAndDamagedFieldsTakeTheirDefaults)
{
    // Then blanks and line breaks around the values, a partial group after a complete one,
    // the values of a short file, a word that is no number (it ends the reading instead of
    // looping on it), values one over and one under their ranges, the ends of the ranges and
    // a number too large for any integer.
    const std::pair<QByteArray, QByteArray> rows[] { { kDefaults + "\n1 2 5 3 4 3 2 0 2 1 9 900 0 1 12 1",
                                                         "1 2 5 3 4 3 2 0 2 1 9 900 0 1 12 1" },
        { "  " + kDefaults + "   \r\n\n", kDefaults }, { kDefaults + " 1 5", kDefaults }, { "", kDefaults },
        { "1 5 77", "1 5 77 1 3 1 1 1 1 2 8 1000 1 1 10 2" },
        { "0 3 0 x 3 1 1 1 1 2 8 1000 1 1 10 2", "0 3 0 1 3 1 1 1 1 2 8 1000 1 1 10 2" },
        { "7 12 -1 9 2 4 3 2 4 3 -8 -1 5 2 4 4", kDefaults },
        { "0 0 16777216 0 7 0 0 -1 0 0 0 0 -1 -1 21 -1", "0 1 0 1 3 1 1 1 1 2 0 0 1 1 10 2" },
        { "1 11 16777215 8 6 3 2 1 3 2 1000000 1000000 1 1 20 3",
            "1 11 16777215 8 6 3 2 1 3 2 1000000 1000000 1 1 20 3" },
        { "0 1 0 1 3 1 1 0 1 1 0 0 0 0 5 0", "0 1 0 1 3 1 1 0 1 1 0 0 0 0 5 0" },
        { "99999999999999999999999 1", kDefaults } };
    for (const auto& [text, settings] : rows)
        EXPECT_EQ(FormatSettings(ParseSettings(text)), settings) << text.toStdString();
}

TEST_F(SettingsFileTest, TheLastPlayerIsTheFirstWordIfItIsAName)
{
    EXPECT_EQ(ReadLastPlayer(root_), QString()) << "no file, no last player";
    ASSERT_TRUE(WriteLastPlayer(root_, "ИВАН"));
    EXPECT_EQ(folder_.read("Stat/ig.sta"), platform::ToCp1251("ИВАН")) << "bare text, no line break";
    // At most twelve characters; the no-break space (0xA0) is a blank like any other, not an
    // invisible name; no name that would become a path.
    const std::pair<QByteArray, QString> rows[] { { platform::ToCp1251("ИВАН"), "ИВАН" },
        { "  petr   ivan\n", "petr" }, { "ABCDEFGHIJKLMNOPQ", "ABCDEFGHIJKL" }, { "", "" }, { "\xA0", "" },
        { "\xA0\xC8\xC2\xC0\xCD\xA0\xCF", "ИВАН" }, { "ivan\xA0petr", "ivan" }, { "../etc", "" },
        { "a/b", "" }, { "x.ind", "" }, { "bad\\name", "" } };
    for (const auto& [text, name] : rows) {
        folder_.write("Stat/ig.sta", text);
        EXPECT_EQ(ReadLastPlayer(root_), name) << text.toStdString();
    }
}

} // namespace
