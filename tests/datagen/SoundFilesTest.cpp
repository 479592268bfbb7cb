#include "ListFiles.h"

#include "platform/SoundFile.h"

#include <QtEndian>

#include <gtest/gtest.h>

#include <vector>

namespace {

/// What is wrong with a sound file for the game's player: it must be a plain 16-bit mono PCM
/// WAV whose data chunk runs to the end of the file, and not silent.
std::string faultsOfWav(const QString& relativePath)
{
    QFile file(programFile(relativePath));
    if (!file.open(QIODevice::ReadOnly))
        return "missing";
    const QByteArray wav = file.readAll();
    constexpr qsizetype kHeader = 44;
    if (wav.size() <= kHeader || !wav.startsWith("RIFF") || wav.mid(8, 8) != "WAVEfmt "
        || wav.mid(36, 4) != "data")
        return "not a canonical WAV";
    const std::vector<uchar> bytes(wav.begin(), wav.end());
    const auto u16 = [&](qsizetype at) { return qFromLittleEndian<quint16>(bytes.data() + at); };
    const auto u32 = [&](qsizetype at) { return qFromLittleEndian<quint32>(bytes.data() + at); };
    if (u16(20) != 1 || u16(22) != 1 || u16(34) != 16)
        return "not 16-bit mono PCM";
    if (u32(4) != wav.size() - 8 || u32(40) != wav.size() - kHeader)
        return "chunk sizes do not match the file";
    int loudest = 0;
    for (qsizetype at = kHeader; at + 1 < wav.size(); at += 2)
        loudest = std::max(loudest, std::abs(static_cast<int>(qFromLittleEndian<qint16>(bytes.data() + at))));
    return loudest > 1000 ? "" : "silent";
}

int durationMs(const QString& relativePath)
{
    QFile file(programFile(relativePath));
    return file.open(QIODevice::ReadOnly) ? platform::WavDurationMs(file.readAll()) : 0;
}

} // namespace

TEST(SoundFiles, EffectsAreShortPlayableWavs)
{
    for (const char* name : { "H", "H1", "Hh", "Er", "Knop", "Naj_kn" }) {
        const QString path = QStringLiteral("Sound/%1.wav").arg(QLatin1String(name));
        EXPECT_EQ(faultsOfWav(path), "") << name;
        // Effects are played without waiting and cut each other off, so they must be brief.
        EXPECT_GT(durationMs(path), 20) << name;
        EXPECT_LT(durationMs(path), 1000) << name;
    }
}

TEST(SoundFiles, EveryVoicedPhraseExistsInBothVoices)
{
    const std::vector<int> phrases { 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 15, 16, 17, 18, 19, 20, 21,
        22, 23, 24, 25, 26, 36, 37 };
    for (const char* voice : { "Myj", "Jen" }) {
        for (const int n : phrases) {
            const QString path = QStringLiteral("Sound/%1/%2.wav").arg(QLatin1String(voice)).arg(n);
            EXPECT_EQ(faultsOfWav(path), "") << path.toStdString();
            // The game waits for a phrase to end: long enough for a word, short enough not to stall play.
            EXPECT_GT(durationMs(path), 150) << path.toStdString();
            EXPECT_LT(durationMs(path), 3000) << path.toStdString();
        }
    }
    // The two voices differ.
    QFile male(programFile(QStringLiteral("Sound/Myj/1.wav")));
    QFile female(programFile(QStringLiteral("Sound/Jen/1.wav")));
    ASSERT_TRUE(male.open(QIODevice::ReadOnly) && female.open(QIODevice::ReadOnly));
    EXPECT_NE(male.readAll(), female.readAll());
}
