#pragma once

#include "platform/Colour.h"

#include <QByteArray>
#include <QString>

#include <array>

/// The settings file ("config.krt" or a player's profile "<name>.ind"): the sixteen
/// settings as decimal numbers, one blank between them, nothing after the last.

/// Values of the settings record.
constexpr int kSettingsCount = 16;
/// The settings file of players without a profile, and the file naming the last player,
/// both relative to the program folder.
inline const QString kSharedSettingsFile = QStringLiteral("config.krt");
/// A player's profile is his name plus this extension.
inline const QString kProfileExtension = QStringLiteral(".ind");
inline const QString kLastPlayerFile = QStringLiteral("Stat/ig.sta");
/// Longest player name, in characters.
constexpr int kMaxNameLength = 12;

/// The sixteen values in file order (field 3, the custom colour, as an unsigned number).
using SettingsRecord = std::array<long long, kSettingsCount>;

/// Reads the text of a settings file. Groups of sixteen numbers follow one another and the
/// last complete group wins; a file with no complete group gives the values it has for
/// the first fields. Reading stops at anything that is not a number. A field that was not
/// read, or holds a value no option dialog can produce, takes its default.
SettingsRecord ParseSettings(const QByteArray& text);
QByteArray FormatSettings(const SettingsRecord& record);

/// True when a value of settings field 1..16 is one the option dialogs can produce.
bool SettingInRange(int field, long long value);

/// The settings in force, as the writers store them.
SettingsRecord CurrentSettings(platform::COLORREF customColour);
/// Puts a record into the settings globals; fields 2 and 4 go to g_loadedBackground and
/// g_loadedCardBack, since the background and back in force change only once the
/// pictures are ready.
void ApplySettings(const SettingsRecord& record, platform::COLORREF& customColour);

/// Reads a settings file into the globals; a file that cannot be read gives the defaults.
void ReadSettingsFile(const QString& path, platform::COLORREF& customColour);
/// Writes the settings in force; false when the file cannot be written: the old file stays
/// as it was and the player is told.
bool WriteSettingsFile(const QString& path, platform::COLORREF customColour);

/// The profile in a folder whose name is the player's name plus ".ind", letter case
/// ignored, spelled as on disk; empty when the player has none. Every search for a player's
/// profile goes through here.
QString FindProfile(const QString& folder, const QString& playerName);
/// The settings file of a player in a folder: his profile, or "config.krt" when he has none.
QString SettingsFileOf(const QString& folder, const QString& playerName);

/// The first word of the last-player file, at most 12 characters; empty when missing or
/// when the word is not a name the name dialog would take.
QString ReadLastPlayer(const QString& folder);
/// Writes the last-player file; false when it cannot be written: the old file stays as it
/// was and the player is told.
bool WriteLastPlayer(const QString& folder, const QString& playerName);
