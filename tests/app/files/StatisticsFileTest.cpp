#include "app/files/StatisticsFile.h"

#include "platform/Cp1251.h"
#include "support/TempFolder.h"

#include <QDir>
#include <QFileInfo>

#include <gtest/gtest.h>

namespace {

const QString kFile = QStringLiteral("Stat/stsrb.sta");

QByteArray Cp1251(const char* utf8)
{
    return platform::ToCp1251(QString::fromUtf8(utf8));
}

const StatisticsRecord kGame { "Иван", "Выиграл", 240, "Большая(1001)", "Игрок" };

TEST(StatisticsFileTest, AGameJoinsTheRecordsInWindows1251)
{
    TempFolder folder;
    const QString path = folder.filePath(kFile);
    // No file yet: the new game alone.
    ASSERT_EQ(AddGameToStatisticsFile(path, kGame), StatisticsWrite::kWritten);
    EXPECT_EQ(folder.read(kFile), Cp1251("Иван Выиграл 240 Большая(1001) Игрок\r\n"));

    ASSERT_EQ(AddGameToStatisticsFile(path, { "Петр", "Проиграл", -30, "Большая(1001)", "Игрок" }),
        StatisticsWrite::kWritten);
    ASSERT_EQ(AddGameToStatisticsFile(path, { "Анна", "Выиграл", 500, "Большая(1001)", "Игрок" }),
        StatisticsWrite::kWritten);
    EXPECT_EQ(folder.read(kFile),
        Cp1251("Анна Выиграл 500 Большая(1001) Игрок\r\n"
               "Иван Выиграл 240 Большая(1001) Игрок\r\n"
               "Петр Проиграл -30 Большая(1001) Игрок\r\n"));
    EXPECT_EQ(ReadStatisticsFile(path)->size(), 3u);
    // Written through a temporary file: nothing else is left in the folder.
    EXPECT_EQ(QDir(folder.filePath(QStringLiteral("Stat"))).entryList(QDir::Files | QDir::Hidden),
        QStringList({ QStringLiteral("stsrb.sta") }));
}

TEST(StatisticsFileTest, AFileThatIsNotAllRecordsIsKeptAndShowsItsWholeOnes)
{
    const QByteArray whole = Cp1251("Анна Выиграл 500 Большая(1001) Игрок\r\n");
    const QByteArray damaged[] {
        QByteArray("\xFF\xFE\x00garbage\r\n", 12),
        whole + Cp1251("Анна Выиграл 5x0 Большая(1001) Игрок\r\n"),
        whole + Cp1251("Petr Ничия 0 Мал"),
    };
    for (const QByteArray& text : damaged) {
        TempFolder folder;
        const QString path = folder.filePath(kFile);
        folder.write(kFile, text);
        EXPECT_EQ(ReadStatisticsFile(path)->size(), text.startsWith(whole) ? 1u : 0u) << text.toStdString();
        EXPECT_EQ(AddGameToStatisticsFile(path, kGame), StatisticsWrite::kFileUnreadable)
            << text.toStdString();
        EXPECT_EQ(folder.read(kFile), text);
    }

    // There, but not readable as a file.
    TempFolder folder;
    ASSERT_TRUE(QDir(folder.path()).mkpath(kFile));
    const QString path = folder.filePath(kFile);
    EXPECT_EQ(ReadStatisticsFile(path), std::nullopt);
    EXPECT_EQ(AddGameToStatisticsFile(path, kGame), StatisticsWrite::kFileUnreadable);
    EXPECT_TRUE(QDir(path).exists());

    // Empty or missing, a file holds no games yet.
    folder.write(QStringLiteral("Stat/empty.sta"), QByteArray());
    EXPECT_TRUE(ReadStatisticsFile(folder.filePath(QStringLiteral("Stat/empty.sta")))->empty());
    EXPECT_TRUE(ReadStatisticsFile(folder.filePath(QStringLiteral("Stat/missing.sta")))->empty());
}

TEST(StatisticsFileTest, ARecordThatWouldNotReadBackIsNotWritten)
{
    TempFolder folder;
    const QString path = folder.filePath(kFile);
    for (const char* name : { "", "Иван Петров", "Иван\nПетров" }) {
        StatisticsRecord game = kGame;
        game.name = name;
        EXPECT_EQ(AddGameToStatisticsFile(path, game), StatisticsWrite::kNotWritten) << name;
    }
    EXPECT_FALSE(QFileInfo::exists(path));
    EXPECT_EQ(AddGameToStatisticsFile(QString(), kGame), StatisticsWrite::kNotWritten);
}

} // namespace
