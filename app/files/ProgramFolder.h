#pragma once

#include <QString>

/// The folder the game's data and state files live in, with "/" separators and a trailing
/// "/": the executable's folder, or the folder named by the environment variable
/// VERTAN_PROGRAM_DIR (tests and the end-to-end run use it to play in a fresh folder).
QString ProgramFolder();
