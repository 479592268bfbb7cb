#include "support/SavedGameSample.h"
#include "support/TableFixture.h"

#include "app/Globals.h"
#include "app/dialogs/Individym.h"
#include "app/dialogs/Save.h"
#include "app/dialogs/Vvod_imy.h"
#include "app/files/StateFile.h"
#include "app/files/StatisticsFile.h"
#include "engine/Settings.h"
#include "platform/Cp1251.h"
#include "support/FailingWriter.h"
#include "support/FullDisk.h"
#include "support/QStringPrinter.h"
#include "support/ScriptedDialogs.h"

#include <QDirIterator>

#include <gtest/gtest.h>

namespace {

/// A game in play whose program folder holds an old copy of every state file, with the
/// dialogs and questions answered by script.
class WriteFailureTest : public TableTest {
protected:
    /// Runs every writer of a state file as the player runs it, once `breakDisk` has made
    /// writing fail: each file keeps its old content, the player is told which file could
    /// not be written, and no temporary file is left behind.
    void expectEveryWriterKeepsItsFileAndTells(
        const TempFolder& folder, const std::function<void()>& breakDisk)
    {
        g_programDir = folder.path() + QLatin1Char('/');
        PutMidDealOnTable(*table_);
        g_settingsFile = QStringLiteral("ИВАН.ind");
        const QString statistics = StatisticsFilePath(QString(), g_level, g_gameLength);
        const std::vector<std::pair<QString, std::function<void()>>> writers {
            { g_settingsFile,
                [this] {
                    platform_.messageBox.answer({ true }); // replace the profile
                    run<CIndividym>(&CVertanDlg::OnPlayers, &CIndividym::OnAdd);
                } },
            { QStringLiteral("ИГРА.svv"),
                [this] {
                    run<CSave>(&CVertanDlg::OnSaveGame, [](CSave& d) { d.m_name = QStringLiteral("ИГРА"); });
                } },
            { kLastPlayerFile, [this] { run<CVvod_imy>(&CVertanDlg::OnChangePlayer); } },
            { statistics,
                [statistics] {
                    AddGameToStatisticsFile(
                        g_programDir + statistics, { "ИВАН", "Выиграл", 12, "Большая(1001)", "Профи" });
                } },
            { g_settingsFile, [this] { table_->OnExit(); } },
        };
        // Old contents the game can read, so that only the write can fail.
        const auto old = [&statistics](const QString& file) {
            return file == statistics
                ? platform::ToCp1251(QStringLiteral("Анна Выиграл 5 Большая(1001) Профи\r\n"))
                : "old " + file.toUtf8();
        };
        QStringList files { QStringLiteral("filler") };
        for (const auto& [file, write] : writers) {
            folder.write(file, old(file));
            files.append(file);
        }
        breakDisk();
        for (const auto& [file, write] : writers) {
            SCOPED_TRACE(file.toStdString());
            write();
            ASSERT_FALSE(platform_.messageBox.shown.empty());
            EXPECT_EQ(platform_.messageBox.shown.back().text, NotWrittenMessage(g_programDir + file));
            EXPECT_EQ(folder.read(file), old(file));
        }
        for (QDirIterator it(folder.path(), QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
             it.hasNext();)
            EXPECT_TRUE(files.contains(QDir(folder.path()).relativeFilePath(it.next()))) << "left behind";
    }

    /// Runs a command whose dialog the player leaves with OK after an action in it.
    template <class Dialog> void run(void (CVertanDlg::*command)(), std::function<void(Dialog&)> action = {})
    {
        dialogs_.answerAs<Dialog>([action](Dialog& dialog) {
            if (action)
                action(dialog);
            return int(QDialog::Accepted);
        });
        (table_.get()->*command)();
    }

    ScriptedDialogs dialogs_;
    platform::ScopedService<platform::DialogRunner> runner_ { dialogs_ };
};

TEST_F(WriteFailureTest, WithAWriterThatFailsEveryWriterKeepsItsFileAndTells)
{
    FailingWriter writer;
    const platform::ScopedService<platform::FileWriter> failing(writer);
    const TempFolder folder;
    expectEveryWriterKeepsItsFileAndTells(folder, [] {});
}

TEST_F(WriteFailureTest, OnAFullDiskEveryWriterKeepsItsFileAndTells)
{
    const FullDisk disk;
    if (!disk.refusal.isEmpty())
        GTEST_SKIP() << disk.refusal.toStdString();
    expectEveryWriterKeepsItsFileAndTells(disk.folder(), [&disk] { disk.fill(); });
}

} // namespace
