#pragma once

#include "platform/Service.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <optional>

namespace platform {

/// File names (not paths) in a folder that match a pattern such as "*.ind"; letter case
/// is ignored. Sorted by name so that every run walks them in the same order.
QStringList ListFolder(const QString& folder, const QString& pattern);

/// Makes a folder the process's current directory; false when it cannot.
bool SetCurrentFolder(const QString& folder);

/// The whole content of a file, or nothing when it cannot be read.
std::optional<QByteArray> ReadWholeFile(const QString& path);

/// Writes whole files. The program writes through a temporary file that a rename puts in
/// the old file's place; tests install a writer that fails.
class FileWriter {
public:
    virtual ~FileWriter() = default;
    /// Writes `content` as the whole file at `path`, making missing parent folders. True only
    /// when every write and the flush succeeded and the new file took the old one's place;
    /// otherwise the old file stays as it was and no temporary file is left.
    virtual bool write(const QString& path, const QByteArray& content) = 0;
};

/// The implementation the program runs with, defined in Files.cpp.
template <> FileWriter& ServiceSlot<FileWriter>::real();

inline bool WriteFileAtomically(const QString& path, const QByteArray& content)
{
    return ServiceSlot<FileWriter>::get().write(path, content);
}

} // namespace platform
