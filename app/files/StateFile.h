#pragma once

#include <QByteArray>
#include <QString>

/// The files the game keeps its state in (settings, profiles, the last player, saved games,
/// statistics) are replaced whole or not at all, and one that could not be written is never
/// passed over in silence: the player learns which file it was.

/// What the player is told about a state file that could not be written; names the file.
QString NotWrittenMessage(const QString& path);
/// Tells the player that a state file could not be written.
void TellNotWritten(const QString& path);

/// Writes a state file whole. When any write or the flush fails the old file stays as it was
/// and the player is told which file could not be written. True when written.
bool WriteStateFile(const QString& path, const QByteArray& content);
