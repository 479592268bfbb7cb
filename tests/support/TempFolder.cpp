#include "support/TempFolder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <gtest/gtest.h>

TempFolder::TempFolder()
{
    if (!dir_.isValid())
        ADD_FAILURE() << "cannot create a temporary folder: " << dir_.errorString().toStdString();
}

void TempFolder::write(const QString& name, const QByteArray& content) const
{
    const QString path = filePath(name);
    QFile file(path);
    if (!QFileInfo(path).absoluteDir().mkpath(QStringLiteral(".")) || !file.open(QIODevice::WriteOnly)
        || file.write(content) != content.size())
        ADD_FAILURE() << "cannot write " << path.toStdString();
}

QByteArray TempFolder::read(const QString& name) const
{
    QFile file(filePath(name));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}
