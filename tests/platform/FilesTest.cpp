#include "platform/Files.h"

#include "support/TempFolder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <gtest/gtest.h>

using namespace platform;

TEST(ListFolder, PatternIgnoresLetterCaseAndListsFilesOnlyInOrder)
{
    TempFolder folder;
    for (const char* name : { "x.indx", "IVAN.IND", "a.txt", "b.Ind", "ind", "c.ind.bak" })
        folder.write(QString::fromLatin1(name), "1");
    QDir(folder.path()).mkdir(QStringLiteral("dir.ind"));

    EXPECT_EQ(ListFolder(folder.path(), QStringLiteral("*.ind*")),
        QStringList({ "b.Ind", "c.ind.bak", "IVAN.IND", "x.indx" }));
    EXPECT_EQ(ListFolder(folder.path(), QStringLiteral("*.IND")), QStringList({ "b.Ind", "IVAN.IND" }));
    EXPECT_EQ(ListFolder(folder.path(), QStringLiteral("*.svv")), QStringList());
    EXPECT_EQ(ListFolder(folder.filePath(QStringLiteral("missing")), QStringLiteral("*")), QStringList());
}

TEST(ListFolder, NamesDifferingOnlyInCaseKeepOneOrder)
{
    TempFolder folder;
    for (const char* name : { "anna.ind", "Anna.ind", "ANNA.ind", "boris.ind" })
        folder.write(QString::fromLatin1(name), "1");
    EXPECT_EQ(ListFolder(folder.path(), QStringLiteral("*.ind")),
        QStringList({ "ANNA.ind", "Anna.ind", "anna.ind", "boris.ind" }));
}

TEST(ReadWholeFile, GivesEveryByteOrNothing)
{
    TempFolder folder;
    const QByteArray content("a\0b\r\n\xFF", 6);
    folder.write(QStringLiteral("data.krt"), content);
    folder.write(QStringLiteral("empty.krt"), QByteArray());

    EXPECT_EQ(ReadWholeFile(folder.filePath(QStringLiteral("data.krt"))), content);
    EXPECT_EQ(ReadWholeFile(folder.filePath(QStringLiteral("empty.krt"))), QByteArray());
    EXPECT_EQ(ReadWholeFile(folder.filePath(QStringLiteral("missing.krt"))), std::nullopt);
    EXPECT_EQ(ReadWholeFile(folder.path()), std::nullopt);
}

TEST(WriteFileAtomically, WritesTheContentAndMakesTheFolders)
{
    TempFolder folder;
    const QString path = folder.filePath(QStringLiteral("Stat/deep/stprm.sta"));
    ASSERT_TRUE(WriteFileAtomically(path, QByteArray("first\r\n")));
    EXPECT_EQ(folder.read(QStringLiteral("Stat/deep/stprm.sta")), QByteArray("first\r\n"));

    ASSERT_TRUE(WriteFileAtomically(path, QByteArray("2")));
    EXPECT_EQ(folder.read(QStringLiteral("Stat/deep/stprm.sta")), QByteArray("2"));
    EXPECT_EQ(QDir(folder.filePath(QStringLiteral("Stat/deep"))).entryList(QDir::Files | QDir::Hidden),
        QStringList({ "stprm.sta" }));
}

TEST(WriteFileAtomically, FailureLeavesTheOldFileWhole)
{
    TempFolder folder;
    // A file standing where a folder is needed.
    folder.write(QStringLiteral("Stat"), "not a folder");
    EXPECT_FALSE(WriteFileAtomically(folder.filePath(QStringLiteral("Stat/ig.sta")), "Ivan"));
    EXPECT_EQ(folder.read(QStringLiteral("Stat")), QByteArray("not a folder"));

    // A name so long that no temporary name beside it fits the file system's limit: the
    // write fails at the rename, even for a user who may write anywhere.
    const QString longName(250, u'n');
    folder.write(longName, "old");
    EXPECT_FALSE(WriteFileAtomically(folder.filePath(longName), "new content"));
    EXPECT_EQ(folder.read(longName), QByteArray("old"));
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files | QDir::Hidden).size(), 2);

    // A folder the user may not write into, where the file system enforces it.
    folder.write(QStringLiteral("locked/config.krt"), "old");
    const QString locked = folder.filePath(QStringLiteral("locked"));
    QFile::setPermissions(locked, QFile::ReadOwner | QFile::ExeOwner);
    if (!QFileInfo(locked).isWritable()) {
        EXPECT_FALSE(WriteFileAtomically(folder.filePath(QStringLiteral("locked/config.krt")), "new"));
        EXPECT_EQ(folder.read(QStringLiteral("locked/config.krt")), QByteArray("old"));
    }
    QFile::setPermissions(locked, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}

TEST(SetCurrentFolder, ChangesFolderOnlyWhenItExists)
{
    TempFolder folder;
    const QString before = QDir::currentPath();
    EXPECT_FALSE(SetCurrentFolder(folder.filePath(QStringLiteral("missing"))));
    EXPECT_EQ(QDir::currentPath(), before);
    ASSERT_TRUE(SetCurrentFolder(folder.path()));
    EXPECT_EQ(QDir::current().canonicalPath(), QDir(folder.path()).canonicalPath());
    SetCurrentFolder(before);
}
