#pragma once

#include <QByteArray>
#include <QString>
#include <QTemporaryDir>

/// A fresh empty folder for one test, removed with everything in it afterwards.
class TempFolder {
public:
    TempFolder();

    /// The folder's absolute path, without a trailing '/'.
    QString path() const { return dir_.path(); }
    /// The absolute path of a name inside the folder; the name may hold sub-folders. Joined
    /// as text, so that a name Qt would take for a path of its own (":A.svv") still names a
    /// file of this folder.
    QString filePath(const QString& name) const { return dir_.path() + QLatin1Char('/') + name; }

    /// Creates or replaces a file inside the folder, making its sub-folders; fails the
    /// test when it cannot.
    void write(const QString& name, const QByteArray& content) const;
    /// A file's content, empty when it does not exist.
    QByteArray read(const QString& name) const;

private:
    QTemporaryDir dir_;
};
