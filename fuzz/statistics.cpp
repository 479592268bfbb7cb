#include "app/files/StatisticsFile.h"
#include "engine/ScoreSheet.h"
#include "fuzz/Fuzz.h"
#include "fuzz/Play.h"
#include "platform/Cp1251.h"
#include "platform/Files.h"

#include <algorithm>

/// Any statistics file gives whole records only. A file of records only takes a finished
/// game, keeps at most the fifteen best by margin, in order, and reads back as exactly those;
/// any other file is kept byte for byte and the player is told.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    ScriptedMessageBox& messages = Headless().platform.messageBox;
    messages.shown.clear();
    const QString name = QString::fromStdString(StatisticsFileName(1, 1));
    const QString path = ScratchFolder() + name;
    const QByteArray input = Bytes(data, size);
    WriteScratch(name, input);
    const std::optional<std::vector<StatisticsRecord>> old = ReadStatisticsFile(path);
    Require(old.has_value(), "a statistics file that is there is read");
    Require(std::ranges::all_of(*old, IsWholeRecord), "only whole records are read");

    // The margin of the new game follows the input, so that it lands anywhere in the list.
    const StatisticsRecord game { "ИГРОК", ResultWord(GameOutcome::HumanWins),
        static_cast<long long>(size % 1024) - 512, GameText(1), LevelText(1) };
    const bool added = AddGameToStatisticsFile(path, game);
    Require(added == HoldsOnlyRecords(platform::FromCp1251(input).toStdString()),
        "a game is added exactly to a file of records only");
    if (!added) {
        Require(platform::ReadWholeFile(path) == input, "a file that is not all records is kept as it was");
        Require(messages.shown.size() == 1, "the player is told why the game is not recorded");
        return 0;
    }
    const std::optional<std::vector<StatisticsRecord>> after = ReadStatisticsFile(path);
    Require(after == AddToStatistics(*old, game), "the file written reads back as the records kept");
    Require(
        after->size() <= kMaxStatRecords && std::ranges::count(*after, game) >= 1, "the new game is kept");
    Require(std::ranges::is_sorted(*after, std::ranges::greater {}, &StatisticsRecord::margin),
        "the best game comes first");
    return 0;
}
