#include "Wav.h"

#include <QtEndian>

namespace datagen {
namespace {

constexpr int kFormatChunkSize = 16;
constexpr std::uint16_t kPcmFormat = 1;
constexpr std::uint16_t kMonoChannels = 1;
constexpr std::uint16_t kBitsPerSample = 16;
constexpr int kBytesPerSample = kBitsPerSample / 8;
/// "RIFF" size field + "WAVE" + 8-byte header of each chunk.
constexpr int kRiffHeaderSize = 12;
constexpr int kChunkHeaderSize = 8;

void append16(QByteArray& out, std::uint16_t value)
{
    char bytes[2];
    qToLittleEndian(value, bytes);
    out.append(bytes, 2);
}

void append32(QByteArray& out, std::uint32_t value)
{
    char bytes[4];
    qToLittleEndian(value, bytes);
    out.append(bytes, 4);
}

std::uint32_t read32(const QByteArray& in, qsizetype at)
{
    return qFromLittleEndian<std::uint32_t>(in.constData() + at);
}
std::uint16_t read16(const QByteArray& in, qsizetype at)
{
    return qFromLittleEndian<std::uint16_t>(in.constData() + at);
}

} // namespace

QByteArray encodeWav(const PcmSound& sound)
{
    const auto dataBytes = static_cast<std::uint32_t>(sound.samples.size() * kBytesPerSample);
    QByteArray out;
    out.reserve(
        kRiffHeaderSize + 2 * kChunkHeaderSize + kFormatChunkSize + static_cast<qsizetype>(dataBytes));
    out += "RIFF";
    append32(out, 4 + kChunkHeaderSize + kFormatChunkSize + kChunkHeaderSize + dataBytes);
    out += "WAVEfmt ";
    append32(out, kFormatChunkSize);
    append16(out, kPcmFormat);
    append16(out, kMonoChannels);
    append32(out, static_cast<std::uint32_t>(sound.sampleRate));
    append32(out, static_cast<std::uint32_t>(sound.sampleRate * kBytesPerSample));
    append16(out, kBytesPerSample);
    append16(out, kBitsPerSample);
    out += "data";
    append32(out, dataBytes);
    for (const std::int16_t sample : sound.samples)
        append16(out, static_cast<std::uint16_t>(sample));
    return out;
}

std::optional<PcmSound> decodeWav(const QByteArray& file)
{
    if (file.size() < kRiffHeaderSize || !file.startsWith("RIFF") || file.mid(8, 4) != "WAVE")
        return std::nullopt;
    std::optional<int> sampleRate;
    for (qsizetype at = kRiffHeaderSize; at + kChunkHeaderSize <= file.size();) {
        const QByteArray id = file.mid(at, 4);
        const qsizetype size = read32(file, at + 4);
        const qsizetype body = at + kChunkHeaderSize;
        if (size > file.size() - body)
            return std::nullopt;
        if (id == "fmt ") {
            if (size < kFormatChunkSize || read16(file, body) != kPcmFormat
                || read16(file, body + 2) != kMonoChannels || read16(file, body + 14) != kBitsPerSample)
                return std::nullopt;
            sampleRate = static_cast<int>(read32(file, body + 4));
        } else if (id == "data" && sampleRate) {
            PcmSound sound { *sampleRate, {} };
            sound.samples.reserve(static_cast<std::size_t>(size / kBytesPerSample));
            for (qsizetype i = 0; i + kBytesPerSample <= size; i += kBytesPerSample)
                sound.samples.push_back(static_cast<std::int16_t>(read16(file, body + i)));
            return sound;
        }
        at = body + size + (size & 1); // chunks are padded to an even length
    }
    return std::nullopt;
}

} // namespace datagen
