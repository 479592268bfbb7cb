#include "platform/SoundFile.h"

#include <QDir>
#include <QtEndian>

#include <algorithm>
#include <climits>

namespace platform {

namespace {

/// "RIFF", the file size and "WAVE" precede the first chunk.
constexpr qsizetype kRiffHeaderBytes = 12;
/// Every chunk starts with a 4-byte identifier and a 32-bit little-endian size.
constexpr qsizetype kChunkHeaderBytes = 8;
/// Offset of the average byte rate inside the "fmt " chunk's data, and the least size
/// of that data.
constexpr qsizetype kByteRateOffset = 8;
constexpr qsizetype kFormatBytes = 16;
constexpr qint64 kMsPerSecond = 1000;

quint32 readUint32(const QByteArray& bytes, qsizetype offset)
{
    return qFromLittleEndian<quint32>(bytes.constData() + offset);
}

} // namespace

QString SoundFilePath(const std::string& relativePath)
{
    return QDir::current().filePath(QString::fromStdString(relativePath).replace(u'\\', u'/'));
}

int WavDurationMs(const QByteArray& wavFile)
{
    if (wavFile.size() < kRiffHeaderBytes || !wavFile.startsWith("RIFF") || wavFile.mid(8, 4) != "WAVE")
        return 0;
    quint32 byteRate = 0;
    qsizetype chunk = kRiffHeaderBytes;
    while (chunk + kChunkHeaderBytes <= wavFile.size()) {
        const QByteArray id = wavFile.mid(chunk, 4);
        const qsizetype size = readUint32(wavFile, chunk + 4);
        const qsizetype data = chunk + kChunkHeaderBytes;
        const qsizetype present = std::min(size, wavFile.size() - data);
        if (id == "fmt " && present >= kFormatBytes) {
            byteRate = readUint32(wavFile, data + kByteRateOffset);
        } else if (id == "data") {
            if (byteRate == 0)
                return 0;
            return static_cast<int>(std::min<qint64>(present * kMsPerSecond / byteRate, INT_MAX));
        }
        // Chunks are padded to an even length.
        chunk = data + size + (size & 1);
    }
    return 0;
}

} // namespace platform
