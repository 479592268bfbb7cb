#include "app/files/StatisticsFile.h"
#include "engine/ScoreSheet.h"
#include "fuzz/Fuzz.h"

#include <algorithm>

/// Any statistics file gives whole records only; a game added to it keeps at most the
/// fifteen best by margin, in order, and the file written reads back as exactly those.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QString name = QString::fromStdString(StatisticsFileName(1, 1));
    const QString path = ScratchFolder() + name;
    WriteScratch(name, Bytes(data, size));
    const std::optional<std::vector<StatisticsRecord>> old = ReadStatisticsFile(path);
    Require(old.has_value(), "a statistics file that is there is read");
    Require(std::ranges::all_of(*old, IsWholeRecord), "only whole records are read");

    // The margin of the new game follows the input, so that it lands anywhere in the list.
    const StatisticsRecord game { "ИГРОК", ResultWord(GameOutcome::HumanWins),
        static_cast<long long>(size % 1024) - 512, GameText(1), LevelText(1) };
    Require(AddGameToStatisticsFile(path, game), "a finished game is added");
    const std::optional<std::vector<StatisticsRecord>> added = ReadStatisticsFile(path);
    Require(added == AddToStatistics(*old, game), "the file written reads back as the records kept");
    Require(
        added->size() <= kMaxStatRecords && std::ranges::count(*added, game) >= 1, "the new game is kept");
    Require(std::ranges::is_sorted(*added, std::ranges::greater {}, &StatisticsRecord::margin),
        "the best game comes first");
    return 0;
}
