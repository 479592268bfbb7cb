#pragma once

#include <QString>

#include <vector>

/// The files that stand for the entries of the game's lists: players' profiles "<name>.ind"
/// and saved games "<name>.svv". A file is an entry only when its name ends in the
/// extension, in any letter case, after a name; the entry's name is the file name less the
/// extension. Anything else is no entry, to be neither listed, nor counted against a limit,
/// nor deleted: a user's "notes.index", or the copy an interrupted write can leave beside a
/// file ("ИВАН.ind.aB12cd").

/// One entry: its name, and its file as on disk.
struct NamedFile {
    QString name;
    QString file;
};

/// The entries of a folder, ordered as platform::ListFolder orders file names.
std::vector<NamedFile> ListNamedFiles(const QString& folder, const QString& extension);

/// The file, as on disk, of the first entry whose name equals `name` under the letter case
/// rule given; empty when there is none.
QString FindNamedFile(
    const QString& folder, const QString& extension, const QString& name, Qt::CaseSensitivity letterCase);
