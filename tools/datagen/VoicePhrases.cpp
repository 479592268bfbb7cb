#include "VoicePhrases.h"

#include "AnnouncementTexts.h"
#include "Failure.h"
#include "Output.h"
#include "Wav.h"

#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdlib>
#include <memory>
#include <vector>

namespace datagen {
namespace {

constexpr const char* kSpeaker = "espeak-ng";
/// How long one phrase may take to speak, in ms; espeak-ng needs a few tens.
constexpr int kSpeakTimeout = 30000;
/// A sample quieter than this (of 32767) counts as silence at the ends of a phrase.
constexpr int kSilence = 200;
/// Silence kept before and after the words, in ms, so the phrase does not start with a click.
constexpr int kKeptSilence = 20;

struct Voice {
    const char* folder; ///< under "Sound/"
    const char* espeakVoice;
};
constexpr Voice kVoices[] = { { "Myj", "ru" }, { "Jen", "ru+f3" } };

/// The game waits for a phrase to end, so the silence espeak-ng leaves around the words goes.
PcmSound trimmed(const PcmSound& sound)
{
    const auto loud = [](std::int16_t s) { return std::abs(s) >= kSilence; };
    const auto first = std::find_if(sound.samples.begin(), sound.samples.end(), loud);
    const auto last = std::find_if(sound.samples.rbegin(), sound.samples.rend(), loud).base();
    if (first >= last)
        return sound;
    const auto keep = static_cast<std::ptrdiff_t>(sound.sampleRate * kKeptSilence / 1000);
    const auto from = first - std::min(keep, first - sound.samples.begin());
    const auto to = last + std::min(keep, sound.samples.end() - last);
    return { sound.sampleRate, { from, to } };
}

/// One phrase being spoken into its own scratch file.
struct Utterance {
    QString text;
    QString scratchFile;
    QString target; ///< relative path in the program folder
    std::unique_ptr<QProcess> process;
};

void start(Utterance& u, const QString& speaker, const char* espeakVoice)
{
    u.process = std::make_unique<QProcess>();
    u.process->start(speaker,
        { QStringLiteral("-v"), QString::fromLatin1(espeakVoice), QStringLiteral("-w"), u.scratchFile,
            u.text });
}

QByteArray finish(Utterance& u)
{
    QProcess& process = *u.process;
    if (!process.waitForFinished(kSpeakTimeout) || process.exitStatus() != QProcess::NormalExit
        || process.exitCode() != 0)
        failGeneration(QStringLiteral("espeak-ng could not speak \"%1\": %2")
                           .arg(u.text, QString::fromLocal8Bit(process.readAllStandardError()).trimmed()));
    QFile file(u.scratchFile);
    if (!file.open(QIODevice::ReadOnly))
        failGeneration(QStringLiteral("espeak-ng wrote no sound for \"%1\"").arg(u.text));
    const auto sound = decodeWav(file.readAll());
    if (!sound)
        failGeneration(QStringLiteral("espeak-ng wrote an unexpected WAV for \"%1\"").arg(u.text));
    return encodeWav(trimmed(*sound));
}

} // namespace

void writeVoicePhrases(const Output& out)
{
    const QString speaker = QStandardPaths::findExecutable(QString::fromLatin1(kSpeaker));
    if (speaker.isEmpty())
        failGeneration(QStringLiteral("espeak-ng is not installed (Debian package espeak-ng); it speaks the "
                                      "voiced announcements"));
    QTemporaryDir scratch;
    if (!scratch.isValid())
        failGeneration(QStringLiteral("no temporary folder for espeak-ng: %1").arg(scratch.errorString()));
    // The phrases are spoken side by side: each espeak-ng run is short and mostly start-up.
    std::vector<Utterance> utterances;
    for (const Voice& voice : kVoices) {
        for (const int n : kVoicedImages) {
            const QString folder = QString::fromLatin1(voice.folder);
            Utterance& u = utterances.emplace_back(
                Utterance { QString::fromUtf8(kAnnouncementText[static_cast<std::size_t>(n)]),
                    scratch.filePath(QStringLiteral("%1%2.wav").arg(folder).arg(n)),
                    QStringLiteral("Sound/%1/%2.wav").arg(folder).arg(n), nullptr });
            start(u, speaker, voice.espeakVoice);
        }
    }
    for (Utterance& u : utterances)
        out.write(u.target, finish(u));
}

} // namespace datagen
