#pragma once

#include <QByteArray>
#include <QString>

#include <cstddef>
#include <cstdint>

/// What every fuzz target shares: the application object, a scratch folder, and the stop
/// that turns a broken property into a finding.

/// Ends the run with the property's name when it does not hold; libFuzzer keeps the input.
void Require(bool holds, const char* property);

/// The input as the bytes of a file.
inline QByteArray Bytes(const std::uint8_t* data, std::size_t size)
{
    return QByteArray(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
}

/// Creates the application object once, on Qt's offscreen platform; it lives until the
/// process ends.
void StartQt();

/// A folder of the run's own ("/"-terminated), removed at exit.
const QString& ScratchFolder();

/// Writes a file into the scratch folder, making its sub-folders; the run stops when it cannot.
void WriteScratch(const QString& name, const QByteArray& content);

/// What a target prepares once, after the application object exists; none unless it defines one.
void PrepareTarget();
