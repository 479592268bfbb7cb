#include "Output.h"
#include "VoicePhrases.h"
#include "Wav.h"
#include "Writers.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <numbers>
#include <vector>

namespace datagen {
namespace {

constexpr int kSampleRate = 22050; ///< samples per second of every effect
/// Loudest sample of an effect, as a share of full scale; the button sounds stay quieter.
constexpr double kCardPeak = 0.7;
constexpr double kButtonPeak = 0.35;
constexpr double kFullScale = 32767.0;
/// Fixed seed of the noise, so every build writes the same sounds.
constexpr std::uint32_t kNoiseSeed = 0x2545F491u;

using Wave = std::vector<double>;

/// Repeatable white noise in -1..1 (xorshift32).
class Noise {
public:
    explicit Noise(std::uint32_t seed)
        : state_(seed)
    {
    }
    double next()
    {
        state_ ^= state_ << 13;
        state_ ^= state_ >> 17;
        state_ ^= state_ << 5;
        return static_cast<double>(state_) / 2147483648.0 - 1.0;
    }

private:
    std::uint32_t state_;
};

int samplesIn(double seconds)
{
    return static_cast<int>(seconds * kSampleRate);
}
double timeOf(int sample)
{
    return static_cast<double>(sample) / kSampleRate;
}

/// A sharp rise over `attack` seconds, then an exponential fall with time constant `decay`.
double envelope(double t, double attack, double decay)
{
    return (1.0 - std::exp(-t / attack)) * std::exp(-t / decay);
}

double sine(double hertz, double t)
{
    return std::sin(2.0 * std::numbers::pi * hertz * t);
}

/// A burst of bright noise at `start`: the edge of a card brushing another.
void addFlick(Wave& wave, Noise& noise, double start, double amplitude, double decay)
{
    double previous = 0.0;
    const int first = samplesIn(start);
    for (int i = first; i < static_cast<int>(wave.size()); ++i) {
        const double t = timeOf(i - first);
        const double white = noise.next();
        // Differencing keeps the hiss and drops the rumble.
        wave[static_cast<std::size_t>(i)] += amplitude * envelope(t, 0.001, decay) * (white - 0.7 * previous);
        previous = white;
    }
}

Wave cardFlick(Noise& noise)
{
    Wave wave(static_cast<std::size_t>(samplesIn(0.09)));
    addFlick(wave, noise, 0.0, 1.0, 0.016);
    return wave;
}

/// A run of flicks, quick and uneven, as the deck is riffled and dealt.
Wave shuffle(Noise& noise)
{
    constexpr int kFlicks = 16;
    constexpr double kSpacing = 0.042; ///< seconds between flicks
    constexpr double kJitter = 0.006; ///< seconds either way
    Wave wave(static_cast<std::size_t>(samplesIn(0.78)));
    for (int k = 0; k < kFlicks; ++k) {
        const double start = 0.01 + k * kSpacing + kJitter * noise.next();
        addFlick(wave, noise, start, 0.6 + 0.4 * std::abs(noise.next()), 0.007);
    }
    return wave;
}

/// A soft thump with a little slap of paper: a card landing on the cloth.
Wave cardOnTable(Noise& noise)
{
    Wave wave(static_cast<std::size_t>(samplesIn(0.16)));
    double smoothed = 0.0;
    for (std::size_t i = 0; i < wave.size(); ++i) {
        const double t = timeOf(static_cast<int>(i));
        smoothed += 0.25 * (noise.next() - smoothed);
        wave[i] = envelope(t, 0.0015, 0.03) * smoothed + 0.6 * envelope(t, 0.002, 0.02) * sine(150.0, t);
    }
    return wave;
}

/// Two falling, reedy beeps.
Wave error()
{
    constexpr double kBeep = 0.11; ///< seconds
    constexpr double kGap = 0.05;
    constexpr double kPitch[] = { 196.0, 147.0 };
    Wave wave(static_cast<std::size_t>(samplesIn(2 * kBeep + kGap)));
    for (int beep = 0; beep < 2; ++beep) {
        const int first = samplesIn(beep * (kBeep + kGap));
        for (int i = 0; i < samplesIn(kBeep); ++i) {
            const double t = timeOf(i);
            const double level = std::min({ 1.0, t / 0.005, (kBeep - t) / 0.02 });
            const double f = kPitch[beep];
            wave[static_cast<std::size_t>(first + i)]
                = level * (sine(f, t) + sine(3 * f, t) / 3 + sine(5 * f, t) / 5);
        }
    }
    return wave;
}

/// A faint high tick as the pointer comes onto a button.
Wave hover()
{
    Wave wave(static_cast<std::size_t>(samplesIn(0.04)));
    for (std::size_t i = 0; i < wave.size(); ++i) {
        const double t = timeOf(static_cast<int>(i));
        wave[i] = envelope(t, 0.0005, 0.009) * sine(1760.0, t);
    }
    return wave;
}

/// A short two-note click of a pressed button.
Wave click(Noise& noise)
{
    Wave wave(static_cast<std::size_t>(samplesIn(0.08)));
    for (std::size_t i = 0; i < wave.size(); ++i) {
        const double t = timeOf(static_cast<int>(i));
        wave[i] = envelope(t, 0.0005, 0.018) * (sine(1046.5, t) + 0.5 * sine(1568.0, t))
            + 0.5 * envelope(t, 0.0002, 0.002) * noise.next();
    }
    return wave;
}

/// The wave scaled so that its loudest sample is `peak` of full scale.
PcmSound toPcm(const Wave& wave, double peak)
{
    double loudest = 0.0;
    for (const double v : wave)
        loudest = std::max(loudest, std::abs(v));
    PcmSound sound { kSampleRate, {} };
    sound.samples.reserve(wave.size());
    for (const double v : wave)
        sound.samples.push_back(static_cast<std::int16_t>(std::lround(v / loudest * peak * kFullScale)));
    return sound;
}

} // namespace

void writeSounds(const Output& out)
{
    Noise noise(kNoiseSeed);
    out.write(QStringLiteral("Sound/H.wav"), encodeWav(toPcm(shuffle(noise), kCardPeak)));
    out.write(QStringLiteral("Sound/H1.wav"), encodeWav(toPcm(cardFlick(noise), kCardPeak)));
    out.write(QStringLiteral("Sound/Hh.wav"), encodeWav(toPcm(cardOnTable(noise), kCardPeak)));
    out.write(QStringLiteral("Sound/Er.wav"), encodeWav(toPcm(error(), kCardPeak)));
    out.write(QStringLiteral("Sound/Knop.wav"), encodeWav(toPcm(hover(), kButtonPeak)));
    out.write(QStringLiteral("Sound/Naj_kn.wav"), encodeWav(toPcm(click(noise), kButtonPeak)));
    writeVoicePhrases(out);
}

} // namespace datagen
