#pragma once

#include <QByteArray>

#include <cstdint>
#include <optional>
#include <vector>

namespace datagen {

/// Mono 16-bit PCM sound.
struct PcmSound {
    int sampleRate = 0; ///< samples per second
    std::vector<std::int16_t> samples;
};

/// The sound as a canonical WAV file: a RIFF header, a 16-byte "fmt " chunk and the "data" chunk.
QByteArray encodeWav(const PcmSound& sound);

/// The samples of a WAV file holding mono 16-bit PCM, whatever other chunks it carries;
/// nothing for any other file.
std::optional<PcmSound> decodeWav(const QByteArray& file);

} // namespace datagen
