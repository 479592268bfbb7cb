#include "platform/Files.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSaveFile>

#include <algorithm>

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

bool WriteFileAtomically(const QString& path, const QByteArray& content)
{
    if (!QFileInfo(path).absoluteDir().mkpath(QStringLiteral(".")))
        return false;
    // QSaveFile writes a temporary file beside the target and renames it over the target
    // on commit; a failed write (a full disk too) makes commit remove the temporary file
    // and leave the target as it was.
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    file.write(content);
    return file.commit();
}

} // namespace platform
