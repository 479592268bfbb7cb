#include "app/Globals.h"
#include "app/dialogs/Vvod_imy.h"
#include "app/files/SavedGameFile.h"
#include "app/files/SavedGameState.h"
#include "app/files/SettingsFile.h"
#include "engine/Settings.h"
#include "fuzz/Fuzz.h"
#include "fuzz/Play.h"
#include "support/DealTable.h"

#include <QFile>

#include <cstdio>
#include <cstdlib>

namespace {

/// Games played, the clicks of each, and how often the table is saved.
constexpr int kGames = 6;
constexpr int kClicksPerGame = 400;
constexpr int kClicksPerSave = 10;
/// One game in this many is left at its final panel by LeaveEndedGame.
constexpr int kGamesLeftPerEnd = 4;
/// Seconds between the games' clocks, so that every game deals anew.
constexpr int kSecondsPerGame = 7919;

/// Where the seeds go: the folders named on the command line.
struct SeedFolders {
    int count;
    char** paths;
};

/// The table as the save command writes it, written as a seed when asked. Every position
/// play reaches must read back: a save the game writes and then refuses to load would be
/// lost, so a refused one stops the run.
void Save(const CVertanDlg& table, const QString& name, bool seed, SeedFolders folders)
{
    const QByteArray save = FormatSavedGame(CaptureSavedGame(table));
    if (const SavedGameReading reading = ParseSavedGame(save); !reading.game) {
        std::fprintf(stderr, "%s: a save of real play is refused (%s):\n%s\n", qPrintable(name),
            qPrintable(reading.problem), save.constData());
        std::exit(1);
    }
    for (int k = 0; seed && k < folders.count; ++k) {
        QFile file(QString::fromLocal8Bit(folders.paths[k]) + QLatin1Char('/') + name);
        Require(file.open(QIODevice::WriteOnly) && file.write(save) == save.size(), "a seed is written");
    }
}

/// Another player is asked for at the final panel and no new game wanted: the ended game's
/// score is cleared under the panel. Its button then gets "Нет" to a new game too, which
/// leaves the empty table after the game. Each position is written as a seed.
void LeaveEndedGame(HeadlessRun& run, CVertanDlg& table, const QString& name, SeedFolders folders)
{
    run.dialogs.answerAs<CVvod_imy>([](CVvod_imy& dialog) {
        dialog.m_name = QStringLiteral("ПЁТР");
        return int(QDialog::Accepted);
    });
    run.platform.messageBox.answer({ false });
    table.OnChangePlayer();
    Save(table, name + QStringLiteral("-cleared"), true, folders);
    run.platform.messageBox.answer({ false });
    ClickButton(table, table.m_rcButton1);
    Save(table, name + QStringLiteral("-left"), true, folders);
}

} // namespace

/// Writes real saves into each folder named: games played with random clicks from their
/// first deal at every level, deal size and length, saved as the save command saves them,
/// every few clicks and at each game's final panel; one game in kGamesLeftPerEnd is left at
/// its final panel as LeaveEndedGame leaves it. Fails when the reader refuses the position
/// after any click.
int main(int argc, char** argv)
{
    StartQt();
    HeadlessRun& run = Headless();
    Require(LoadGeneratedPictures().ok(), "the generated pictures are read");
    const SeedFolders folders { argc - 1, argv + 1 };
    for (int game = 0; game < kGames; ++game) {
        CVertanDlg& table = run.restart();
        run.platform.clock.nowSeconds += static_cast<std::time_t>(game) * kSecondsPerGame;
        g_programDir = ScratchFolder();
        // As a first start leaves them: the settings file's defaults.
        ApplySettings(ParseSettings({}), table.m_customColour);
        g_playerName = QStringLiteral("ИГРОК");
        g_level = 1 + game % 3;
        g_gameLength = 1 + game % 2;
        g_extraCards = 3 + game % 4;
        g_animation = game % 2;
        RandomPlayer player(static_cast<unsigned>(game));
        table.StartDeal();
        for (int click = 1; click <= kClicksPerGame; ++click) {
            const ClickResult result = player.click(table);
            if (result == ClickResult::kNothingWaits)
                break;
            const QString name = QStringLiteral("game%1-click%2").arg(game).arg(click);
            const bool finalPanel = g_gameOver == 1;
            Save(table, name, click % kClicksPerSave == 0 || result == ClickResult::kGameLeft || finalPanel,
                folders);
            if (finalPanel && game % kGamesLeftPerEnd == 0) {
                LeaveEndedGame(run, table, name, folders);
                break;
            }
            if (result == ClickResult::kGameLeft)
                break;
        }
    }
    return 0;
}
