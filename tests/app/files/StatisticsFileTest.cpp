#include "app/files/StatisticsFile.h"

#include "app/files/StateFile.h"
#include "platform/Cp1251.h"
#include "support/ScriptedMessageBox.h"
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
    ASSERT_TRUE(AddGameToStatisticsFile(path, kGame));
    EXPECT_EQ(folder.read(kFile), Cp1251("Иван Выиграл 240 Большая(1001) Игрок\r\n"));

    ASSERT_TRUE(AddGameToStatisticsFile(path, { "Петр", "Проиграл", -30, "Большая(1001)", "Игрок" }));
    ASSERT_TRUE(AddGameToStatisticsFile(path, { "Анна", "Выиграл", 500, "Большая(1001)", "Игрок" }));
    EXPECT_EQ(folder.read(kFile),
        Cp1251("Анна Выиграл 500 Большая(1001) Игрок\r\n"
               "Иван Выиграл 240 Большая(1001) Игрок\r\n"
               "Петр Проиграл -30 Большая(1001) Игрок\r\n"));
    EXPECT_EQ(ReadStatisticsFile(path)->size(), 3u);
    // Written through a temporary file: nothing else is left in the folder.
    EXPECT_EQ(QDir(folder.filePath(QStringLiteral("Stat"))).entryList(QDir::Files | QDir::Hidden),
        QStringList({ QStringLiteral("stsrb.sta") }));
}

TEST(StatisticsFileTest, AFileThatCannotBeReadIsKeptShowsItsWholeRecordsAndIsNamed)
{
    ScriptedMessageBox messages;
    const platform::ScopedService<platform::MessageBox> guard(messages);
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
        EXPECT_FALSE(AddGameToStatisticsFile(path, kGame)) << text.toStdString();
        EXPECT_EQ(folder.read(kFile), text);
    }

    // There, but not readable as a file.
    TempFolder folder;
    ASSERT_TRUE(QDir(folder.path()).mkpath(kFile));
    const QString path = folder.filePath(kFile);
    EXPECT_EQ(ReadStatisticsFile(path), std::nullopt);
    EXPECT_FALSE(AddGameToStatisticsFile(path, kGame));
    EXPECT_TRUE(QDir(path).exists());
    ASSERT_EQ(messages.shown.size(), 4u);
    EXPECT_TRUE(messages.shown[3].text.contains(QDir::toNativeSeparators(path)));

    // Empty or missing, a file holds no games yet.
    folder.write(QStringLiteral("Stat/empty.sta"), QByteArray());
    EXPECT_TRUE(ReadStatisticsFile(folder.filePath(QStringLiteral("Stat/empty.sta")))->empty());
    EXPECT_TRUE(ReadStatisticsFile(folder.filePath(QStringLiteral("Stat/missing.sta")))->empty());
}

TEST(StatisticsFileTest, ARecordThatWouldNotReadBackIsNotWritten)
{
    ScriptedMessageBox messages;
    const platform::ScopedService<platform::MessageBox> guard(messages);
    TempFolder folder;
    const QString path = folder.filePath(kFile);
    for (const char* name : { "", "Иван Петров", "Иван\nПетров" }) {
        StatisticsRecord game = kGame;
        game.name = name;
        EXPECT_FALSE(AddGameToStatisticsFile(path, game)) << name;
    }
    EXPECT_FALSE(QFileInfo::exists(path));
    ASSERT_EQ(messages.shown.size(), 3u);
    EXPECT_EQ(messages.shown[0].text, NotWrittenMessage(path));
}

} // namespace
