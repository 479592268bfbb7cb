#pragma once

#include <QString>

/// Opens a page in the player's browser: a web address with a scheme as it is, anything
/// else as a file. When the desktop cannot open it (no browser or launcher installed) the
/// player is told so, with the file's full path or the address, to open it himself.
void OpenPageOrTell(const QString& addressOrPath);
