#include "platform/Sound.h"
#include "platform/Files.h"
#include "platform/SoundFile.h"

#include "support/TempFolder.h"

#include <QDir>
#include <QtEndian>

#include <gtest/gtest.h>

using namespace platform;

namespace {

constexpr quint32 kSampleRate = 22050;

QByteArray Le32(quint32 value)
{
    QByteArray bytes(4, '\0');
    qToLittleEndian(value, bytes.data());
    return bytes;
}

QByteArray Chunk(const char* id, const QByteArray& data)
{
    QByteArray chunk = QByteArray(id) + Le32(static_cast<quint32>(data.size())) + data;
    if (data.size() % 2)
        chunk.append('\0');
    return chunk;
}

/// A mono 16-bit WAV file of silence; an odd-sized chunk may stand before the samples.
QByteArray Wav(int samples, const QByteArray& extraChunk = QByteArray(), quint32 byteRate = kSampleRate * 2)
{
    QByteArray format;
    format += QByteArray::fromHex("01000100"); // PCM, one channel
    format += Le32(kSampleRate) + Le32(byteRate);
    format += QByteArray::fromHex("02001000"); // 2 bytes a frame, 16 bits a sample
    const QByteArray body = QByteArray("WAVE") + Chunk("fmt ", format) + extraChunk
        + Chunk("data", QByteArray(samples * 2, '\0'));
    return QByteArray("RIFF") + Le32(static_cast<quint32>(body.size())) + body;
}

} // namespace

TEST(SoundFile, BackslashesSeparateFoldersFromTheCurrentOne)
{
    EXPECT_EQ(SoundFilePath("Sound\\Myj\\3.wav"), QDir::currentPath() + QStringLiteral("/Sound/Myj/3.wav"));
    EXPECT_EQ(SoundFilePath("Sound/H.wav"), QDir::currentPath() + QStringLiteral("/Sound/H.wav"));
}

TEST(SoundFile, DurationComesFromTheFormatAndDataChunks)
{
    EXPECT_EQ(WavDurationMs(Wav(kSampleRate / 2)), 500);
    EXPECT_EQ(WavDurationMs(Wav(kSampleRate, Chunk("LIST", "odd"))), 1000);
    // A file cut short plays only what it holds.
    EXPECT_EQ(WavDurationMs(Wav(kSampleRate).left(44 + kSampleRate)), 500);
}

TEST(SoundFile, AnythingButAWavFileLastsNothing)
{
    EXPECT_EQ(WavDurationMs(QByteArray()), 0);
    EXPECT_EQ(WavDurationMs("RIFF"), 0);
    EXPECT_EQ(WavDurationMs(QByteArray(1000, '\xFF')), 0);
    EXPECT_EQ(WavDurationMs(Wav(100, QByteArray(), 0)), 0);
    const QByteArray noFormat = QByteArray("RIFF") + Le32(12) + "WAVE" + Chunk("data", QByteArray(64, '\0'));
    EXPECT_EQ(WavDurationMs(noFormat), 0);
    // A chunk claiming more bytes than the file holds ends the search.
    const QByteArray huge = QByteArray("RIFF") + Le32(12) + "WAVE" + "JUNK" + Le32(0xFFFFFFF0u);
    EXPECT_EQ(WavDurationMs(huge), 0);
}

TEST(Sound, PlayingReturnsForShortBrokenAndMissingFiles)
{
    TempFolder folder;
    folder.write(QStringLiteral("Sound/Knop.wav"), Wav(kSampleRate / 50));
    folder.write(QStringLiteral("Sound/Er.wav"), QByteArray(300, 'x'));
    const QString before = QDir::currentPath();
    ASSERT_TRUE(SetCurrentFolder(folder.path()));
    PlaySound("Sound\\Knop.wav", true);
    PlaySound("Sound\\Knop.wav", false);
    PlaySound("Sound\\Er.wav", true);
    PlaySound("Sound\\Missing.wav", true);
    PlaySound("", true);
    SetCurrentFolder(before);
}
