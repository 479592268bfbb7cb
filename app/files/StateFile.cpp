#include "app/files/StateFile.h"

#include "platform/Files.h"
#include "platform/MessageBox.h"

#include <QDir>

namespace {

/// %1: the file's full path.
const QString kNotWrittenMessage = QStringLiteral(
    "Не удалось записать файл «%1».\nПроверьте, есть ли место на диске и можно ли писать в папку игры.");

} // namespace

QString NotWrittenMessage(const QString& path)
{
    return kNotWrittenMessage.arg(QDir::toNativeSeparators(path));
}

void TellNotWritten(const QString& path)
{
    platform::Tell(NotWrittenMessage(path));
}

bool WriteStateFile(const QString& path, const QByteArray& content)
{
    if (platform::WriteFileAtomically(path, content))
        return true;
    TellNotWritten(path);
    return false;
}
