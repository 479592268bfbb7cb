#include "app/Sounds.h"

#include "engine/Settings.h"
#include "platform/Sound.h"

namespace {

/// Settings field 6, the announcement voice.
/// The computer's trump pair is announced while the play goes on.
constexpr int kPhraseComputerPair = 26;

const char* fileOf(Effect effect)
{
    switch (effect) {
    case Effect::Deal:
        return "Sound\\H.wav";
    case Effect::CardFlick:
        return "Sound\\H1.wav";
    case Effect::CardOnTable:
        return "Sound\\Hh.wav";
    case Effect::Error:
        return "Sound\\Er.wav";
    case Effect::ButtonHover:
        return "Sound\\Knop.wav";
    case Effect::ButtonClick:
        return "Sound\\Naj_kn.wav";
    }
    return "";
}

bool isButtonEffect(Effect effect)
{
    return effect == Effect::ButtonHover || effect == Effect::ButtonClick;
}

bool hasPhrase(int n)
{
    return (n >= 1 && n <= 13) || (n >= 15 && n <= 26) || n == 36 || n == 37;
}

} // namespace

void PlayEffect(Effect effect, Wait wait)
{
    const int gate = isButtonEffect(effect) ? g_buttonSounds : g_cardSounds;
    if (gate == 1)
        platform::PlaySound(fileOf(effect), wait == Wait::UntilEnd);
}

void PlayEffectUngated(Effect effect)
{
    platform::PlaySound(fileOf(effect), false);
}

void AssignVoicePhrases()
{
    const char* folder = g_voice == kVoiceMale ? "Sound\\Myj\\"
        : g_voice == kVoiceFemale              ? "Sound\\Jen\\"
                                               : nullptr;
    if (!folder)
        return;
    for (int n = 1; n < static_cast<int>(g_voicePhrase.size()); ++n)
        if (hasPhrase(n))
            g_voicePhrase[static_cast<std::size_t>(n)] = folder + std::to_string(n) + ".wav";
}

void PlayVoicePhrase(int n)
{
    if (g_voice == kVoiceOff || !hasPhrase(n))
        return;
    const std::string& path = g_voicePhrase[static_cast<std::size_t>(n)];
    if (!path.empty())
        platform::PlaySound(path, n != kPhraseComputerPair);
}
