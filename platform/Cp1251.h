#pragma once

#include <QByteArray>
#include <QString>

namespace platform {

/// Text inside the game's files is Windows-1251; the program works in Unicode.
QString FromCp1251(const QByteArray& bytes);
/// Characters with no Windows-1251 code become '?'.
QByteArray ToCp1251(const QString& text);

} // namespace platform
