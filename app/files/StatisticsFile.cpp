#include "app/files/StatisticsFile.h"

#include "app/files/ProgramFolder.h"
#include "app/files/StateFile.h"
#include "platform/Cp1251.h"
#include "platform/Files.h"
#include "platform/MessageBox.h"

#include <QDir>
#include <QFileInfo>

QString StatisticsFilePath(const QString& programDir, int level, int gameLength)
{
    const std::string name = StatisticsFileName(level, gameLength);
    return name.empty() ? QString() : FileInFolder(programDir, QString::fromStdString(name));
}

namespace {

/// Said when a statistics file is kept rather than rewritten; %1 is the file.
const QString kUnreadableMessage
    = QStringLiteral("Партия не записана в статистику: файл %1 не удалось прочитать, он оставлен как есть.");

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

bool AddGameToStatisticsFile(const QString& path, const StatisticsRecord& record)
{
    // Only a level or length out of range has no file; the settings never hold one.
    if (path.isEmpty())
        return false;
    if (!IsWholeRecord(record)) {
        TellNotWritten(path);
        return false;
    }
    const std::optional<std::string> old = ReadStatisticsText(path);
    if (!old || !HoldsOnlyRecords(*old)) {
        platform::Tell(kUnreadableMessage.arg(QDir::toNativeSeparators(path)));
        return false;
    }
    const std::string text = FormatStatistics(AddToStatistics(ParseStatistics(*old), record));
    return WriteStateFile(path, platform::ToCp1251(QString::fromStdString(text)));
}
