#include "app/files/StatisticsFile.h"

#include "app/files/StateFile.h"
#include "platform/Cp1251.h"
#include "platform/Files.h"

#include <QFileInfo>

QString StatisticsFilePath(const QString& programDir, int level, int gameLength)
{
    const std::string name = StatisticsFileName(level, gameLength);
    return name.empty() ? QString() : programDir + QString::fromStdString(name);
}

std::optional<std::vector<StatisticsRecord>> ReadStatisticsFile(const QString& path)
{
    if (!QFileInfo::exists(path))
        return std::vector<StatisticsRecord> {};
    const std::optional<QByteArray> bytes = platform::ReadWholeFile(path);
    if (!bytes)
        return std::nullopt;
    return ParseStatistics(platform::FromCp1251(*bytes).toStdString());
}

bool AddGameToStatisticsFile(const QString& path, const StatisticsRecord& record)
{
    if (path.isEmpty())
        return false;
    std::optional<std::vector<StatisticsRecord>> old = ReadStatisticsFile(path);
    if (!old || !IsWholeRecord(record)) {
        TellNotWritten(path);
        return false;
    }
    const std::string text = FormatStatistics(AddToStatistics(std::move(*old), record));
    return WriteStateFile(path, platform::ToCp1251(QString::fromStdString(text)));
}
