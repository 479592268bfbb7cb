#include "app/files/SettingsFile.h"
#include "engine/Settings.h"
#include "platform/Cp1251.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

const QByteArray kDefaultsText = "0 1 0 1 3 1 1 1 1 2 8 1000 1 1 10 2";

void writeFile(const QString& path, const QByteArray& content)
{
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(content);
}

QByteArray readFile(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

class SettingsFileTest : public ::testing::Test {
protected:
    void SetUp() override { ResetSettings(); }
    void TearDown() override { ResetSettings(); }

    QString folder() const { return dir_.path() + QLatin1Char('/'); }

    QTemporaryDir dir_;
};

TEST_F(SettingsFileTest, DefaultsAreWrittenInTheFileFormat)
{
    platform::COLORREF custom = 12345;
    ReadSettingsFile(folder() + "config.krt", custom);
    EXPECT_EQ(custom, 0u);
    // The writers store the background and back in force, not the staged values.
    g_background = g_loadedBackground;
    g_cardBack = g_loadedCardBack;
    ASSERT_TRUE(WriteSettingsFile(folder() + "config.krt", custom));
    EXPECT_EQ(readFile(folder() + "config.krt"), kDefaultsText);
}

TEST_F(SettingsFileTest, ReadsEveryFieldIntoItsGlobal)
{
    writeFile(folder() + "p.ind", "1 11 16711935 8 6 2 2 0 3 1 20 3000 0 0 20 3");
    platform::COLORREF custom = 0;
    ReadSettingsFile(folder() + "p.ind", custom);
    EXPECT_EQ(g_maximized, 1);
    EXPECT_EQ(g_loadedBackground, 11);
    EXPECT_EQ(custom, 0xff00ffu);
    EXPECT_EQ(g_loadedCardBack, 8);
    EXPECT_EQ(g_background, 1) << "the background in force changes only once the pictures are ready";
    EXPECT_EQ(g_cardBack, 1);
    EXPECT_EQ(g_extraCards, 6);
    EXPECT_EQ(g_voice, 2);
    EXPECT_EQ(g_handSort, 2);
    EXPECT_EQ(g_cardSounds, 0);
    EXPECT_EQ(g_level, 3);
    EXPECT_EQ(g_gameLength, 1);
    EXPECT_EQ(g_animDelay, 20);
    EXPECT_EQ(g_trickPause, 3000);
    EXPECT_EQ(g_buttonSounds, 0);
    EXPECT_EQ(g_animation, 0);
    EXPECT_EQ(g_animSteps, 20);
    EXPECT_EQ(g_announcementStyle, 3);
    EXPECT_EQ(g_halfAnimSteps, 10);
    EXPECT_EQ(g_halfAnimSteps2, 10);
    EXPECT_EQ(g_dealPause, 56) << "the deal keeps its pace whatever the delay";
}

TEST_F(SettingsFileTest, GroupsBlanksAndLineBreaks)
{
    // The last complete group wins.
    const SettingsRecord two
        = ParseSettings("0 1 0 1 3 1 1 1 1 2 8 1000 1 1 10 2\n1 2 5 3 4 3 2 0 2 1 9 900 0 1 12 1");
    EXPECT_EQ(FormatSettings(two), "1 2 5 3 4 3 2 0 2 1 9 900 0 1 12 1");
    // A trailing line break or blanks change nothing.
    EXPECT_EQ(FormatSettings(ParseSettings(kDefaultsText + "\r\n")), kDefaultsText);
    EXPECT_EQ(FormatSettings(ParseSettings("  " + kDefaultsText + "   \n\n")), kDefaultsText);
    // A partial group after a complete one is not taken.
    EXPECT_EQ(FormatSettings(ParseSettings(kDefaultsText + " 1 5")), kDefaultsText);
}

TEST_F(SettingsFileTest, DamagedFilesFallBackFieldByField)
{
    // Empty: all defaults.
    EXPECT_EQ(FormatSettings(ParseSettings("")), kDefaultsText);
    // Short: the fields read, then defaults.
    EXPECT_EQ(FormatSettings(ParseSettings("1 5 77")), "1 5 77 1 3 1 1 1 1 2 8 1000 1 1 10 2");
    // A token that is not a number ends the reading instead of looping on it.
    EXPECT_EQ(FormatSettings(ParseSettings("0 3 0 x 3 1 1 1 1 2 8 1000 1 1 10 2")),
        "0 3 0 1 3 1 1 1 1 2 8 1000 1 1 10 2");
    // Values no dialog can produce take the defaults.
    EXPECT_EQ(FormatSettings(ParseSettings("7 12 -1 9 2 4 3 2 4 3 -8 -1 5 2 4 4")), kDefaultsText);
    EXPECT_EQ(FormatSettings(ParseSettings("0 0 16777216 0 7 0 0 -1 0 0 0 0 -1 -1 21 -1")),
        "0 1 0 1 3 1 1 1 1 2 0 0 1 1 10 2");
    // Numbers too large for any integer.
    EXPECT_EQ(FormatSettings(ParseSettings("99999999999999999999999 1")), kDefaultsText);
}

TEST_F(SettingsFileTest, ProfileIsChosenIgnoringLetterCase)
{
    writeFile(folder() + "IVAN.indx", kDefaultsText);
    writeFile(folder() + "notes.txt", "");
    EXPECT_EQ(FindProfile(folder(), "ivan"), QString()) << "IVAN.indx is listed but is not ivan's";
    writeFile(folder() + "IVAN.ind", kDefaultsText);
    EXPECT_EQ(FindProfile(folder(), "ivan"), "IVAN.ind") << "spelled as on disk";
    writeFile(folder() + "Пётр.ind", kDefaultsText);
    EXPECT_EQ(FindProfile(folder(), "ПЁТР"), "Пётр.ind");
    EXPECT_EQ(FindProfile(folder(), ""), QString());
    EXPECT_EQ(FindProfile(folder(), "iva"), QString());
}

TEST_F(SettingsFileTest, LastPlayerFile)
{
    EXPECT_EQ(ReadLastPlayer(folder()), QString()) << "no file, no last player";
    ASSERT_TRUE(WriteLastPlayer(folder(), "ИВАН"));
    EXPECT_EQ(readFile(folder() + "Stat/ig.sta"), platform::ToCp1251("ИВАН")) << "bare text, no line break";
    EXPECT_EQ(ReadLastPlayer(folder()), "ИВАН");
    const std::vector<std::pair<QByteArray, QString>> cases {
        { "  petr   ivan\n", "petr" }, // the first word
        { "ABCDEFGHIJKLMNOPQ", "ABCDEFGHIJKL" }, // at most twelve characters
        { "", "" },
        // The no-break space (0xA0) is a blank like any other, not an invisible name.
        { "\xA0", "" },
        { "\xA0\xC8\xC2\xC0\xCD\xA0\xCF", "ИВАН" },
        { "ivan\xA0petr", "ivan" },
        // Names that would become paths.
        { "../etc", "" },
        { "a/b", "" },
        { "x.ind", "" },
        { "bad\\name", "" },
    };
    for (const auto& [text, name] : cases) {
        writeFile(folder() + "Stat/ig.sta", text);
        EXPECT_EQ(ReadLastPlayer(folder()), name) << text.toStdString();
    }
}

} // namespace
