#include "app/Globals.h"
#include "app/files/SavedGameFile.h"
#include "app/files/SavedGameState.h"
#include "app/files/SettingsFile.h"
#include "engine/Settings.h"
#include "fuzz/Fuzz.h"
#include "fuzz/Play.h"
#include "support/DealTable.h"

#include <QFile>

#include <cstdio>

namespace {

/// Games played, the clicks of each, and how often the table is saved.
constexpr int kGames = 6;
constexpr int kClicksPerGame = 400;
constexpr int kClicksPerSave = 10;
/// Seconds between the games' clocks, so that every game deals anew.
constexpr int kSecondsPerGame = 7919;

void WriteSeed(const QByteArray& save, const QString& name, int argc, char** argv)
{
    for (int k = 1; k < argc; ++k) {
        QFile file(QString::fromLocal8Bit(argv[k]) + QLatin1Char('/') + name);
        Require(file.open(QIODevice::WriteOnly) && file.write(save) == save.size(), "a seed is written");
    }
}

} // namespace

/// Writes real saves into each folder named: games played with random clicks from their
/// first deal at every level, deal size and length, saved as the save command saves them.
/// Fails when the reader refuses the position after any click.
int main(int argc, char** argv)
{
    StartQt();
    HeadlessRun& run = Headless();
    Require(LoadGeneratedPictures().ok(), "the generated pictures are read");
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
            // Every position play reaches must read back: a save the game writes and then
            // refuses to load would be lost.
            const QByteArray save = FormatSavedGame(CaptureSavedGame(table));
            if (const SavedGameReading reading = ParseSavedGame(save); !reading.game) {
                std::fprintf(stderr, "game %d, click %d: a save of real play is refused (%s):\n%s\n", game,
                    click, qPrintable(reading.problem), save.constData());
                return 1;
            }
            if (click % kClicksPerSave == 0 || result == ClickResult::kGameLeft)
                WriteSeed(save, QStringLiteral("game%1-click%2").arg(game).arg(click), argc, argv);
            if (result == ClickResult::kGameLeft)
                break;
        }
    }
    return 0;
}
