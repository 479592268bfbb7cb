#include "app/files/NamedFiles.h"

#include "platform/Files.h"

std::vector<NamedFile> ListNamedFiles(const QString& folder, const QString& extension)
{
    std::vector<NamedFile> entries;
    for (const QString& file : platform::ListFolder(folder, QLatin1Char('*') + extension))
        if (file.size() > extension.size())
            entries.push_back({ file.chopped(extension.size()), file });
    return entries;
}

QString FindNamedFile(
    const QString& folder, const QString& extension, const QString& name, Qt::CaseSensitivity letterCase)
{
    for (const NamedFile& entry : ListNamedFiles(folder, extension))
        if (entry.name.compare(name, letterCase) == 0)
            return entry.file;
    return {};
}
