#include "app/files/StatisticsFile.h"

#include "app/files/StateFile.h"
#include "platform/Cp1251.h"
#include "support/ScriptedMessageBox.h"
#include "support/TempFolder.h"

#include <QDir>

#include <gtest/gtest.h>

namespace {

const StatisticsRecord kGame { "Иван", "Выиграл", 240, "Большая(1001)", "Игрок" };

class StatisticsFileTest : public ::testing::Test {
protected:
    ScriptedMessageBox messages_;
    const platform::ScopedService<platform::MessageBox> guard_ { messages_ };
    TempFolder folder_;
    const QString path_ = folder_.filePath("Stat/stsrb.sta");
};

TEST_F(StatisticsFileTest, AFileThatCannotBeReadIsKeptShowsItsWholeRecordsAndIsNamed)
{
    // Empty or missing, a file holds no games yet.
    EXPECT_TRUE(ReadStatisticsFile(path_)->empty());
    folder_.write("Stat/stsrb.sta", QByteArray());
    EXPECT_TRUE(ReadStatisticsFile(path_)->empty());

    const QByteArray whole = platform::ToCp1251("Анна Выиграл 500 Большая(1001) Игрок\r\n");
    for (const QByteArray& text : { QByteArray("\xFF\xFE\x00garbage\r\n", 12),
             whole + platform::ToCp1251("Анна Выиграл 5x0 Большая(1001) Игрок\r\n"),
             whole + platform::ToCp1251("Petr Ничия 0 Мал") }) {
        folder_.write("Stat/stsrb.sta", text);
        EXPECT_EQ(ReadStatisticsFile(path_)->size(), text.startsWith(whole) ? 1u : 0u) << text.toStdString();
        EXPECT_FALSE(AddGameToStatisticsFile(path_, kGame)) << text.toStdString();
        EXPECT_EQ(folder_.read("Stat/stsrb.sta"), text);
        ASSERT_FALSE(messages_.shown.empty());
        EXPECT_TRUE(messages_.shown.back().text.contains(QDir::toNativeSeparators(path_)));
    }
    // There, but not readable as a file.
    ASSERT_TRUE(QFile::remove(path_) && QDir().mkpath(path_));
    EXPECT_EQ(ReadStatisticsFile(path_), std::nullopt);
    EXPECT_FALSE(AddGameToStatisticsFile(path_, kGame));
    EXPECT_TRUE(QDir(path_).exists());
    ASSERT_EQ(messages_.shown.size(), 4u);
    EXPECT_TRUE(messages_.shown[3].text.contains(QDir::toNativeSeparators(path_)));
}

TEST_F(StatisticsFileTest, ARecordThatWouldNotReadBackIsNotWritten)
{
    for (const char* name : { "", "Иван Петров", "Иван\nПетров" }) {
        StatisticsRecord game = kGame;
        game.name = name;
        EXPECT_FALSE(AddGameToStatisticsFile(path_, game)) << name;
    }
    EXPECT_FALSE(QFileInfo::exists(path_));
    ASSERT_EQ(messages_.shown.size(), 3u);
    EXPECT_EQ(messages_.shown[0].text, NotWrittenMessage(path_));
}

} // namespace
