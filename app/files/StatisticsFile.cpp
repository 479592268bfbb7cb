#include "app/files/StatisticsFile.h"

#include "platform/Cp1251.h"
#include "platform/Files.h"

#include <QFileInfo>

QString StatisticsFilePath(const QString& programDir, int level, int gameLength)
{
    const std::string name = StatisticsFileName(level, gameLength);
    return name.empty() ? QString() : programDir + QString::fromStdString(name);
}

namespace {

/// A file's text: empty for a missing file, nothing when it is there but cannot be read.
std::optional<std::string> ReadStatisticsText(const QString& path)
{
    if (!QFileInfo::exists(path))
        return std::string();
    const std::optional<QByteArray> bytes = platform::ReadWholeFile(path);
    if (!bytes)
        return std::nullopt;
    return platform::FromCp1251(*bytes).toStdString();
}

} // namespace

std::optional<std::vector<StatisticsRecord>> ReadStatisticsFile(const QString& path)
{
    const std::optional<std::string> text = ReadStatisticsText(path);
    if (!text)
        return std::nullopt;
    return ParseStatistics(*text);
}

StatisticsWrite AddGameToStatisticsFile(const QString& path, const StatisticsRecord& record)
{
    if (path.isEmpty() || !IsWholeRecord(record))
        return StatisticsWrite::kNotWritten;
    const std::optional<std::string> old = ReadStatisticsText(path);
    if (!old || !HoldsOnlyRecords(*old))
        return StatisticsWrite::kFileUnreadable;
    const std::string text = FormatStatistics(AddToStatistics(ParseStatistics(*old), record));
    return platform::WriteFileAtomically(path, platform::ToCp1251(QString::fromStdString(text)))
        ? StatisticsWrite::kWritten
        : StatisticsWrite::kNotWritten;
}
