#include "Output.h"

#include "Failure.h"

#include <QBuffer>
#include <QFileInfo>
#include <QImageWriter>
#include <QSaveFile>

namespace datagen {

void Output::write(const QString& relativePath, const QByteArray& content) const
{
    const QString target = path(relativePath);
    if (!QFileInfo(target).dir().mkpath(QStringLiteral(".")))
        failGeneration(QStringLiteral("cannot create the folder of %1").arg(target));
    QSaveFile file(target);
    if (!file.open(QIODevice::WriteOnly) || file.write(content) != content.size() || !file.commit())
        failGeneration(QStringLiteral("cannot write %1: %2").arg(target, file.errorString()));
}

void Output::writePng(const QString& relativePath, const QImage& image) const
{
    // Qt's PNG writer adds text chunks only for text the image carries (ours carry none) and never a
    // time chunk, so the bytes are the same from build to build.
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, "png");
    if (!writer.write(image))
        failGeneration(QStringLiteral("cannot encode %1: %2").arg(relativePath, writer.errorString()));
    write(relativePath, bytes);
}

} // namespace datagen
