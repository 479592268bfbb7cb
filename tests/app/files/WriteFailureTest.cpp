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
#include "platform/Files.h"
#include "support/QStringPrinter.h"
#include "support/ScriptedDialogs.h"
#include "support/TempFolder.h"

#include <QDirIterator>
#include <QRegularExpression>

#include <sys/mount.h>

#include <cerrno>
#include <cstring>

namespace {

/// A disk that takes no write: every write fails and leaves the files as they were.
class FailingWriter final : public platform::FileWriter {
public:
    bool write(const QString&, const QByteArray&) override { return false; }
};

/// A real full disk: a small tmpfs mounted on a fresh folder (room enough for the files a
/// test puts there), which fill() fills to the last byte. Where mounting is refused,
/// `refusal` says why and the test skips with it; a process that holds the right to mount
/// (CAP_SYS_ADMIN, bit 21: root on the machine that runs the tests) fails instead.
class FullDisk {
public:
    FullDisk()
    {
        if (::mount("vertan-test", QFile::encodeName(folder.path()).constData(), "tmpfs",
                MS_NOSUID | MS_NODEV, "size=256k")
            == 0)
            return;
        refusal = QStringLiteral("no tmpfs could be mounted for a real full disk (%1): that needs the right "
                                 "to mount, as root holds it")
                      .arg(QString::fromLocal8Bit(std::strerror(errno)));
        QFile status(QStringLiteral("/proc/self/status"));
        const QRegularExpressionMatch caps
            = QRegularExpression(QStringLiteral("CapEff:\\s*([0-9a-f]+)"))
                  .match(
                      status.open(QIODevice::ReadOnly) ? QString::fromLatin1(status.readAll()) : QString());
        if (caps.hasMatch() && (caps.captured(1).toULongLong(nullptr, 16) >> 21 & 1U) != 0)
            ADD_FAILURE() << refusal.toStdString();
    }
    ~FullDisk()
    {
        if (refusal.isEmpty())
            ::umount2(QFile::encodeName(folder.path()).constData(), MNT_DETACH);
    }
    void fill() const
    {
        QFile filler(folder.filePath(QStringLiteral("filler")));
        ASSERT_TRUE(filler.open(QIODevice::WriteOnly | QIODevice::Unbuffered));
        while (filler.write(QByteArray(4096, 'x')) > 0) { }
    }

    TempFolder folder;
    QString refusal;
};

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
        const QString statistics = QString::fromStdString(StatisticsFileName(g_level, g_gameLength));
        const std::pair<QString, std::function<void()>> writers[] {
            { g_settingsFile,
                [this] {
                    platform_.messageBox.answer({ true }); // replace the profile
                    run<CIndividym>(&CVertanDlg::OnPlayers, [](CIndividym& d) { d.OnAdd(); });
                } },
            { "ИГРА.svv",
                [this] { run<CSave>(&CVertanDlg::OnSaveGame, [](CSave& d) { d.m_name = "ИГРА"; }); } },
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
            return file == statistics ? platform::ToCp1251("Анна Выиграл 5 Большая(1001) Профи\r\n")
                                      : "old " + file.toUtf8();
        };
        QStringList files { "filler" };
        for (const auto& [file, write] : writers) {
            folder.write(file, old(file));
            files.append(file);
        }
        breakDisk();
        for (const auto& [file, write] : writers) {
            write();
            ASSERT_FALSE(platform_.messageBox.shown.empty()) << file.toStdString();
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
    expectEveryWriterKeepsItsFileAndTells(TempFolder(), [] {});
}

TEST_F(WriteFailureTest, OnAFullDiskEveryWriterKeepsItsFileAndTells)
{
    const FullDisk disk;
    if (!disk.refusal.isEmpty())
        GTEST_SKIP() << disk.refusal.toStdString();
    expectEveryWriterKeepsItsFileAndTells(disk.folder, [&disk] { disk.fill(); });
}

} // namespace
