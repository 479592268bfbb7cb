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

/// Adds a finished game to a file, keeping the best games by margin. A file that is there
/// but cannot be read is left alone, so that its records are not lost, and a record that
/// could not be read back is not written; false then and when the file cannot be written,
/// and the player is told that the file could not be written.
bool AddGameToStatisticsFile(const QString& path, const StatisticsRecord& record);
