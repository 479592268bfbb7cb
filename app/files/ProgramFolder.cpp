#include "app/files/ProgramFolder.h"

#include <QCoreApplication>
#include <QDir>

QString ProgramFolder()
{
    const QString fromEnvironment = qEnvironmentVariable("VERTAN_PROGRAM_DIR");
    const QString folder
        = fromEnvironment.isEmpty() ? QCoreApplication::applicationDirPath() : fromEnvironment;
    QString path = QDir::fromNativeSeparators(QDir(folder).absolutePath());
    if (!path.endsWith(QLatin1Char('/')))
        path += QLatin1Char('/');
    return path;
}
