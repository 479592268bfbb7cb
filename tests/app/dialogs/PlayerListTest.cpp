#include "app/dialogs/Spis_imy.h"
#include "support/QStringPrinter.h"
#include "support/ScriptedDialogs.h"
#include "support/TempFolder.h"
#include "support/WidgetInput.h"

#include <QDir>
#include <QPushButton>

#include <gtest/gtest.h>

namespace {

/// The player list over a folder of profiles, run through the dialog runner.
class PlayerListTest : public ::testing::Test {
protected:
    /// Runs the list for a current player; the answer plays the person.
    int run(const QString& current, std::function<int(CSpis_imy&)> answer)
    {
        dialogs_.answerAs<CSpis_imy>(std::move(answer));
        list_.m_current = current;
        list_.m_directory = folder_.path();
        return platform::RunModal(list_);
    }
    void addProfiles(const QStringList& files)
    {
        for (const QString& file : files)
            folder_.write(file, "0 1 0 1 3 1 1 1 1 2 8 1000 1 1 10 2");
    }
    QStringList entries() const
    {
        QStringList texts;
        for (int row = 0; row < list_.m_list.count(); ++row)
            texts.append(list_.m_list.item(row)->text());
        return texts;
    }
    /// Clicks an entry as a person does; the list's result.
    static int click(CSpis_imy& list, int row)
    {
        ClickAt(*list.m_list.viewport(), list.m_list.visualItemRect(list.m_list.item(row)).center());
        return list.result();
    }
    static QString blanks(int count) { return QString(count, QLatin1Char(' ')); }

    TempFolder folder_;
    ScriptedDialogs dialogs_;
    platform::ScopedService<platform::DialogRunner> runner_ { dialogs_ };
    CSpis_imy list_;
};

TEST_F(PlayerListTest, EntriesAreCentredByTwentyBlanksLessHalfTheLength)
{
    const std::vector<std::pair<QString, int>> cases {
        { QStringLiteral("IVAN"), 18 },
        { QStringLiteral("ПЕТР"), 18 }, // characters, not UTF-8 bytes
        { QStringLiteral("ABCDEFGHIJKL"), 14 },
        { QStringLiteral("ABCDEFGHIJKLM"), 14 },
        { QString(), 20 },
        // Longer than the centre: no blanks rather than a negative count.
        { QString(50, QLatin1Char('X')), 0 },
    };
    for (const auto& [name, expected] : cases) {
        SCOPED_TRACE(name.toStdString());
        run(name, [](CSpis_imy&) { return int(QDialog::Rejected); });
        EXPECT_EQ(entries(), QStringList { blanks(expected) + name });
    }
}

TEST_F(PlayerListTest, CurrentPlayerComesFirstAndOnceWhateverTheLetterCase)
{
    addProfiles({ QStringLiteral("IVAN.ind"), QStringLiteral("ПЕТР.ind"), QStringLiteral("Ivan.indx"),
        QStringLiteral("ПЕТР.ind.aB12cd"), QStringLiteral("notes.txt") });
    folder_.write(QStringLiteral("config.krt"), "0");
    run(QStringLiteral("ivan"), [](CSpis_imy&) { return int(QDialog::Rejected); });
    EXPECT_EQ(entries(),
        (QStringList { blanks(18) + QStringLiteral("ivan"), blanks(18) + QStringLiteral("ПЕТР") }));
    EXPECT_EQ(list_.m_names[1], QStringLiteral("ivan"));
    EXPECT_EQ(list_.m_names[2], QStringLiteral("ПЕТР"));
    EXPECT_EQ(list_.m_names[3], QString());

    // Cyrillic letters of another case are the same player too.
    run(QStringLiteral("петр"), [](CSpis_imy&) { return int(QDialog::Rejected); });
    EXPECT_EQ(entries(),
        (QStringList { blanks(18) + QStringLiteral("петр"), blanks(18) + QStringLiteral("IVAN") }));
}

TEST_F(PlayerListTest, ClickOnAnEntryChoosesItsPlayer)
{
    addProfiles({ QStringLiteral("ПЕТР.ind") });
    EXPECT_EQ(run(QStringLiteral("ivan"), [](CSpis_imy& list) { return click(list, 1); }), QDialog::Accepted);
    EXPECT_EQ(list_.m_current, QStringLiteral("ПЕТР"));

    EXPECT_EQ(run(QStringLiteral("ivan"), [](CSpis_imy& list) { return click(list, 0); }), QDialog::Accepted);
    EXPECT_EQ(list_.m_current, QStringLiteral("ivan"));
}

TEST_F(PlayerListTest, ButtonAndEscapeCloseTheListWithoutAChoice)
{
    addProfiles({ QStringLiteral("ПЕТР.ind") });
    const int byButton = run(QStringLiteral("ivan"), [](CSpis_imy& list) {
        list.findChild<QPushButton*>()->click();
        return list.result();
    });
    const int byEscape = run(QStringLiteral("ivan"), [](CSpis_imy& list) {
        PressKey(list.m_list, Qt::Key_Escape);
        return list.result();
    });
    EXPECT_EQ(byButton, QDialog::Rejected);
    EXPECT_EQ(byEscape, QDialog::Rejected);
    EXPECT_EQ(list_.m_current, QStringLiteral("ivan"));
}

TEST_F(PlayerListTest, MoreProfilesThanSlotsShowTheFirstSeven)
{
    QStringList files;
    for (char letter = 'A'; letter <= 'J'; ++letter)
        files.append(QString(3, QLatin1Char(letter)) + QStringLiteral(".ind"));
    addProfiles(files);
    run(QStringLiteral("ZED"), [](CSpis_imy& list) { return click(list, 7); });
    ASSERT_EQ(list_.m_list.count(), 8);
    EXPECT_EQ(list_.m_names[8], QStringLiteral("GGG"));
    EXPECT_EQ(list_.m_current, QStringLiteral("GGG"));
}

TEST_F(PlayerListTest, EmptyFolderListsTheCurrentFolderAndStaysThere)
{
    addProfiles({ QStringLiteral("ПЕТР.ind") });
    const QString before = QDir::currentPath();
    ASSERT_TRUE(QDir::setCurrent(folder_.path()));
    dialogs_.answerAs<CSpis_imy>([](CSpis_imy&) { return int(QDialog::Rejected); });
    list_.m_current = QStringLiteral("ivan");
    platform::RunModal(list_);
    EXPECT_EQ(QDir::currentPath(), QDir(folder_.path()).canonicalPath());
    EXPECT_EQ(entries().size(), 2);

    const TempFolder other;
    list_.m_directory = other.path();
    dialogs_.answerAs<CSpis_imy>([](CSpis_imy&) { return int(QDialog::Rejected); });
    platform::RunModal(list_);
    EXPECT_EQ(QDir::currentPath(), QDir(folder_.path()).canonicalPath())
        << "a named folder is listed by path";
    EXPECT_EQ(entries().size(), 1);
    QDir::setCurrent(before);
}

} // namespace
