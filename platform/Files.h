#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <optional>

namespace platform {

/// File names (not paths) in a folder that match a pattern such as "*.ind*"; letter case
/// is ignored. Sorted by name so that every run walks them in the same order.
QStringList ListFolder(const QString& folder, const QString& pattern);

/// Makes a folder the process's current directory; false when it cannot.
bool SetCurrentFolder(const QString& folder);

/// The whole content of a file, or nothing when it cannot be read.
std::optional<QByteArray> ReadWholeFile(const QString& path);

/// Writes a file through a temporary file and a rename, so that an interrupted write
/// never leaves a broken file; creates missing parent folders. False when it cannot.
bool WriteFileAtomically(const QString& path, const QByteArray& content);

} // namespace platform
