#pragma once

#include <QByteArray>
#include <QDir>
#include <QImage>
#include <QString>

namespace datagen {

/// The program folder being written. Every writer names its files relative to it.
class Output {
public:
    explicit Output(const QString& root)
        : root_(root)
    {
    }

    /// Writes a file (creating its folders); exits the generator with a message on failure.
    void write(const QString& relativePath, const QByteArray& content) const;
    /// Writes a PNG with no time stamp or other varying chunk, so builds repeat byte for byte.
    void writePng(const QString& relativePath, const QImage& image) const;
    QString path(const QString& relativePath) const { return root_.filePath(relativePath); }

private:
    QDir root_;
};

} // namespace datagen
