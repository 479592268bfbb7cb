#pragma once

#include <QByteArray>
#include <QString>

#include <string>

namespace platform {

/// The file a sound name such as "Sound\Myj\3.wav" refers to: '\' becomes '/', and a
/// relative name is taken from the current folder.
QString SoundFilePath(const std::string& relativePath);

/// How long a WAV file plays, in ms, from its "fmt " and "data" chunks; a data chunk cut
/// short by the end of the file counts only the bytes present. 0 when the bytes are not a
/// WAV file with a non-zero byte rate.
int WavDurationMs(const QByteArray& wavFile);

} // namespace platform
