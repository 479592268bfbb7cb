#include "platform/Sound.h"

#include "platform/Files.h"
#include "platform/PaintingWait.h"
#include "platform/SoundFile.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QPointer>
#include <QSoundEffect>
#include <QUrl>

namespace platform {

namespace {

/// How much longer than the file's own length a wait may last, in ms: the sound starts
/// only once its file has been loaded.
constexpr int kStartLatencyAllowanceMs = 500;

class EffectSound final : public Sound {
public:
    void play(const std::string& relativePath, bool waitForEnd) override
    {
        const QString path = SoundFilePath(relativePath);
        if (!QFileInfo(path).isFile() || !QCoreApplication::instance())
            return;
        QSoundEffect& channel = effect();
        channel.stop();
        channel.setSource(QUrl::fromLocalFile(path));
        channel.play();
        if (waitForEnd)
            waitUntilEnded(channel, WavDurationMs(ReadWholeFile(path).value_or(QByteArray())));
    }

private:
    /// The one channel, created on first use and owned by the application object.
    QSoundEffect& effect()
    {
        if (!effect_)
            effect_ = new QSoundEffect(QCoreApplication::instance());
        return *effect_;
    }

    /// Returns when the sound has played to its end. A sound that never starts (no audio
    /// device, a file the decoder refuses) still takes as long as the file says it lasts,
    /// so the game keeps its pace; a sound that does play is waited for a little longer.
    static void waitUntilEnded(const QSoundEffect& channel, int durationMs)
    {
        QElapsedTimer elapsed;
        elapsed.start();
        bool started = false;
        WaitKeepingPaint(durationMs + kStartLatencyAllowanceMs, [&] {
            const bool playing = channel.isPlaying();
            started = started || playing;
            return started ? !playing : elapsed.elapsed() >= durationMs;
        });
    }

    QPointer<QSoundEffect> effect_;
};

} // namespace

template <>
Sound& ServiceSlot<Sound>::real()
{
    static EffectSound sound;
    return sound;
}

} // namespace platform
