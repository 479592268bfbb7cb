#include "platform/Sound.h"

#include "platform/Files.h"
#include "platform/PaintingWait.h"
#include "platform/SoundFile.h"

#include <QAudioDevice>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QMediaDevices>
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
        // Without an audio device a sound effect reports "playing" for ever, so it is not
        // started at all; a wait still takes as long as the file lasts.
        const bool audible = !QMediaDevices::defaultAudioOutput().isNull();
        if (audible) {
            QSoundEffect& channel = effect();
            channel.stop();
            channel.setSource(QUrl::fromLocalFile(path));
            channel.play();
        }
        if (waitForEnd)
            waitUntilEnded(audible, WavDurationMs(ReadWholeFile(path).value_or(QByteArray())));
    }

private:
    /// The channel, created on first use.
    QSoundEffect& effect()
    {
        if (!effect_)
            effect_ = new QSoundEffect(QCoreApplication::instance());
        return *effect_;
    }

    /// Returns when the sound has played to its end. A sound that never starts (no audio
    /// device, a file the decoder refuses) still takes as long as the file says it lasts,
    /// so the game keeps its pace; one that starts late is waited for a little longer.
    void waitUntilEnded(bool audible, int durationMs)
    {
        QElapsedTimer elapsed;
        elapsed.start();
        bool started = false;
        WaitKeepingPaint(durationMs + kStartLatencyAllowanceMs, [&] {
            const bool playing = audible && effect_ && effect_->isPlaying();
            started = started || playing;
            return started ? !playing : elapsed.elapsed() >= durationMs;
        });
    }

    /// The one channel, owned by the application object: null before the first sound and
    /// after the application object is gone.
    QPointer<QSoundEffect> effect_;
};

} // namespace

template <> Sound& ServiceSlot<Sound>::real()
{
    static EffectSound sound;
    return sound;
}

} // namespace platform
