#include "app/files/ProgramFolder.h"

#include <QCoreApplication>
#include <QDir>

namespace {

/// A folder's absolute path with "/" separators, ending in "/".
QString FolderPath(const QString& folder)
{
    QString path = QDir::fromNativeSeparators(QDir(folder).absolutePath());
    if (!path.endsWith(QLatin1Char('/')))
        path += QLatin1Char('/');
    return path;
}

} // namespace

QString ProgramFolder()
{
    const QString fromEnvironment = qEnvironmentVariable("VERTAN_PROGRAM_DIR");
    return FolderPath(fromEnvironment.isEmpty() ? QCoreApplication::applicationDirPath() : fromEnvironment);
}

QString FileInFolder(const QString& folder, const QString& name)
{
    return FolderPath(folder) + name;
}
