#pragma once

#include <QString>

/// The rules a player's name must meet. A name becomes part of file names (the player's
/// profile "<name>.ind") and is written into Windows-1251 text files, so it must be one
/// word that can be neither a path nor lose a character on the way to the file.

/// What the name dialog says about a name holding a character no file name may hold.
inline const QString kBadCharacterMessage = QStringLiteral("Недопустимый символ");

/// True when a text holds a character that would make a file name a path or change its
/// extension: a path separator, a dot or a control character.
bool HoldsForbiddenCharacter(const QString& text);

/// The text before the first blank (or other white space); all of it when there is none.
QString FirstWord(const QString& text);

/// A name's length in characters (not bytes, not UTF-16 units).
int CharacterCount(const QString& text);

/// The text in upper case letter by letter, keeping its length.
QString UpperCaseLetters(QString text);

/// Why a word cannot be a player's name, as the message the name dialog shows; empty when
/// it can: not empty, at most 12 characters, no blank, no path separator, no dot, no
/// control character, nothing Windows-1251 cannot hold.
QString NameRefusal(const QString& word);
