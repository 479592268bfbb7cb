#pragma once

#include <QString>

/// The folder the game's data and state files live in, with "/" separators and a trailing
/// "/": the executable's folder, or the folder named by the environment variable
/// VERTAN_PROGRAM_DIR (tests and the end-to-end run use it to play in a fresh folder).
QString ProgramFolder();

/// The file of a name inside a folder: the folder's absolute path, one "/" and the name as
/// it stands, which may hold sub-folders ("Stat/ig.sta"). Every file the game opens by
/// name is found through here, so that no name is ever a path on its own: Qt would take a
/// name that begins with ":" for one of its resources and never reach the folder's file.
QString FileInFolder(const QString& folder, const QString& name);
