#include "engine/Statistics.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

StatisticsRecord Record(const std::string& name, long long margin, const std::string& result = "Выиграл")
{
    return { name, result, margin, "Малая(501)", "Игрок" };
}

std::vector<std::string> Names(const std::vector<StatisticsRecord>& records)
{
    std::vector<std::string> names;
    for (const StatisticsRecord& r : records)
        names.push_back(r.name);
    return names;
}

TEST(StatisticsTest, OneFileAndOneSetOfTextsPerLevelAndLength)
{
    EXPECT_EQ(StatisticsFileName(1, 1), "Stat/stprm.sta");
    EXPECT_EQ(StatisticsFileName(1, 2), "Stat/stprb.sta");
    EXPECT_EQ(StatisticsFileName(2, 1), "Stat/stsrm.sta");
    EXPECT_EQ(StatisticsFileName(2, 2), "Stat/stsrb.sta");
    EXPECT_EQ(StatisticsFileName(3, 1), "Stat/stslm.sta");
    EXPECT_EQ(StatisticsFileName(3, 2), "Stat/stslb.sta");
    EXPECT_EQ(StatisticsFileName(0, 1), "");
    EXPECT_EQ(StatisticsFileName(3, 3), "");
    EXPECT_EQ(LevelText(1), "Новичок");
    EXPECT_EQ(LevelText(3), "Профи");
    EXPECT_EQ(LevelText(4), "");
    EXPECT_EQ(GameText(1), "Малая(501)");
    EXPECT_EQ(GameText(2), "Большая(1001)");
}

TEST(StatisticsTest, RecordsMakeALineEachAndReadBack)
{
    const std::vector<StatisticsRecord> records { { "Иван", "Выиграл", 120, "Малая(501)", "Новичок" },
        { "Абвгдеёжзийк", "Ничия", 0, "Большая(1001)", "Профи" },
        { "Petr", "Проиграл", -345, "Большая(1001)", "Игрок" } };
    const std::string text = FormatStatistics(records);
    EXPECT_EQ(text.substr(0, text.find('\n') + 1), "Иван Выиграл 120 Малая(501) Новичок\r\n");
    EXPECT_EQ(ParseStatistics(text), records);
    EXPECT_TRUE(ParseStatistics("").empty());
    // Any white space separates the words of a line; a last line without its break is whole.
    EXPECT_EQ(ParseStatistics("  Petr\tПроиграл  -345 Большая(1001)   Игрок"), (std::vector { records[2] }));
}

TEST(StatisticsTest, TheBestFifteenByMarginWithTheNewGameAlwaysIn)
{
    std::vector<StatisticsRecord> full;
    for (int i = 0; i < 15; ++i)
        full.push_back(Record("p" + std::to_string(i), 300 - 10 * i));
    // The new game is written even with the smallest margin; the old 15th goes.
    const auto added = AddToStatistics(full, Record("new", -500, "Проиграл"));
    ASSERT_EQ(added.size(), 15u);
    EXPECT_EQ(added[13].name, "p13");
    EXPECT_EQ(added[14].name, "new");

    // An equal margin comes after the older record; a better one moves up.
    EXPECT_EQ(Names(AddToStatistics({ Record("a", 50), Record("b", 20) }, Record("c", 20))),
        (std::vector<std::string> { "a", "b", "c" }));
    EXPECT_EQ(Names(AddToStatistics({ Record("a", 50), Record("b", 20) }, Record("c", 60))),
        (std::vector<std::string> { "c", "a", "b" }));
    EXPECT_EQ(AddToStatistics({}, Record("a", 5)).size(), 1u);

    // A file with more records than it may hold, out of order, keeps its best 14.
    std::vector<StatisticsRecord> crowded;
    for (int i = 0; i < 20; ++i)
        crowded.push_back(Record("q" + std::to_string(i), i));
    const auto trimmed = AddToStatistics(crowded, Record("new", 100));
    ASSERT_EQ(trimmed.size(), 15u);
    EXPECT_EQ(trimmed[0].name, "new");
    EXPECT_EQ(trimmed[1].name, "q19");
    EXPECT_EQ(trimmed[14].name, "q6");
}

TEST(StatisticsTest, DamagedLinesAreSkippedAndWholeRecordsKept)
{
    const std::string good = "Иван Выиграл 120 Малая(501) Новичок\r\n";
    const std::string damaged[] {
        "Иван Выиграл 120 Малая(501)\r\n", // a word short
        "Иван Выиграл 120 Малая(501) Новичок лишнее\r\n", // a word too many
        "Иван Выиграл 12x Малая(501) Новичок\r\n", // not a number
        "Иван Выиграл +12 Малая(501) Новичок\r\n", // not as the game writes numbers
        "Иван Выиграл 99999999999999999999 Малая(501) Новичок\r\n", // beyond any margin
        "Иван Победил 120 Малая(501) Новичок\r\n", // no result of the game
        "Иван Выиграл 120 Средняя(700) Новичок\r\n", // no game of the game
        "Иван Выиграл 120 Малая(501) Мастер\r\n", // no level of the game
        "Абвгдеёжзийкл Выиграл 120 Малая(501) Новичок\r\n", // a name of 13 characters
        "Иван\u00A0Петров Выиграл 120 Малая(501) Новичок\r\n", // two words: a no-break space is a blank
        std::string("\0\x01\xff garbage \r\r\n", 15),
        "\r\n",
    };
    for (const std::string& line : damaged) {
        const auto records = ParseStatistics(good + line + good);
        EXPECT_EQ(records.size(), 2u) << line;
        // Only a blank line leaves the file as the game writes it.
        EXPECT_EQ(HoldsOnlyRecords(good + line + good), line == "\r\n") << line;
    }
    EXPECT_TRUE(HoldsOnlyRecords(""));
    // A file cut in its last record keeps the records before it.
    EXPECT_EQ(ParseStatistics(good + "Иван Выиграл 1").size(), 1u);
    EXPECT_FALSE(HoldsOnlyRecords(good + "Иван Выиграл 1"));
}

} // namespace
