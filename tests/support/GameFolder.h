#pragma once

#include "app/Globals.h"

#include <QString>

/// Makes the generated program folder (pictures, sounds, pages) the game's folder for the
/// life of this object, and puts the old one back afterwards.
class GameFolder {
public:
    GameFolder() { g_programDir = QStringLiteral(VERTAN_PROGRAM_DIR "/"); }
    ~GameFolder() { g_programDir = saved_; }
    GameFolder(const GameFolder&) = delete;
    GameFolder& operator=(const GameFolder&) = delete;

private:
    QString saved_ = g_programDir;
};
