#pragma once

#include "engine/Statistics.h"

#include <QString>

#include <optional>
#include <vector>

/// The statistics files on disk: their text in Windows-1251, written whole or not at all.

/// The statistics file of a level and game length in the program folder; empty when the
/// level or length is out of range.
QString StatisticsFilePath(const QString& programDir, int level, int gameLength);

/// The whole records of a file, in file order. A missing file holds none; nothing when the
/// file is there but cannot be read.
std::optional<std::vector<StatisticsRecord>> ReadStatisticsFile(const QString& path);

/// Adds a finished game to a file, keeping the best games by margin. True when written;
/// otherwise the player is told why the game is missing from the file. A file that is there
/// but cannot be read, or holds lines that are no records of the game, is kept as it is so
/// that nothing in it is lost; a record that would not read back is not written.
bool AddGameToStatisticsFile(const QString& path, const StatisticsRecord& record);
