#pragma once

#include "engine/Statistics.h"

#include <QString>

#include <optional>
#include <vector>

/// The statistics files on disk: their text in Windows-1251, written whole through a
/// temporary file so that no file is ever left half-written.

/// The statistics file of a level and game length in the program folder; empty when the
/// level or length is out of range.
QString StatisticsFilePath(const QString& programDir, int level, int gameLength);

/// The whole records of a file, in file order. A missing file holds none; nothing when the
/// file is there but cannot be read.
std::optional<std::vector<StatisticsRecord>> ReadStatisticsFile(const QString& path);

/// What became of a finished game's record.
enum class StatisticsWrite {
    kWritten,
    /// The file is there but could not be read, or holds lines that are no records of the
    /// game: it is left as it is, so that nothing in it is lost.
    kFileUnreadable,
    /// The record would not read back, or the file could not be written.
    kNotWritten,
};

/// Adds a finished game to a file, keeping the best games by margin.
StatisticsWrite AddGameToStatisticsFile(const QString& path, const StatisticsRecord& record);
