#include "platform/Files.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSaveFile>

#include <algorithm>

#include <unistd.h>

#include <cerrno>

namespace platform {

QStringList ListFolder(const QString& folder, const QString& pattern)
{
    const QRegularExpression match(
        QRegularExpression::wildcardToRegularExpression(pattern), QRegularExpression::CaseInsensitiveOption);
    QStringList names;
    for (const QString& name : QDir(folder).entryList(QDir::Files)) {
        if (match.match(name).hasMatch())
            names.append(name);
    }
    // Letter case decides only between names that are otherwise equal, so the order is total.
    std::sort(names.begin(), names.end(), [](const QString& a, const QString& b) {
        const int folded = a.compare(b, Qt::CaseInsensitive);
        return folded != 0 ? folded < 0 : a < b;
    });
    return names;
}

bool SetCurrentFolder(const QString& folder)
{
    return QDir::setCurrent(folder);
}

std::optional<QByteArray> ReadWholeFile(const QString& path)
{
    QFile file(path);
    if (!QFileInfo(path).isFile() || !file.open(QIODevice::ReadOnly))
        return std::nullopt;
    QByteArray content = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return std::nullopt;
    return content;
}

namespace {

class SaveFileWriter final : public FileWriter {
public:
    bool write(const QString& path, const QByteArray& content) override
    {
        if (!QFileInfo(path).absoluteDir().mkpath(QStringLiteral(".")))
            return false;
        // QSaveFile renames its temporary file over the target on commit. It keeps small
        // writes in a buffer, and its commit takes no note of a flush that fails, so a full
        // disk would put an empty file in the old one's place: every step is checked here,
        // the writing to the disk included, and anything short of all of them is cancelled.
        QSaveFile file(path);
        if (!file.open(QIODevice::WriteOnly))
            return false;
        const bool whole = file.write(content) == content.size() && file.flush() && synced(file)
            && file.error() == QFileDevice::NoError;
        if (!whole) {
            file.cancelWriting();
            return false;
        }
        return file.commit();
    }

private:
    /// True when the file's data reached the disk, or the file system has no such step; a
    /// disk that runs out of room only when it writes back says so here.
    static bool synced(const QSaveFile& file) { return ::fsync(file.handle()) == 0 || errno == EINVAL; }
};

} // namespace

template <> FileWriter& ServiceSlot<FileWriter>::real()
{
    static SaveFileWriter writer;
    return writer;
}

} // namespace platform
