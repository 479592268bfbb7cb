#pragma once

#include <QString>

#include <ostream>

/// Shows a QString in test failures as its text rather than as UTF-16 units.
inline void PrintTo(const QString& text, std::ostream* out)
{
    *out << '"' << text.toStdString() << '"';
}
