#pragma once

#include <array>
#include <string>

/// The game's sounds: six effects, each behind its setting, and the voiced announcements.

enum class Effect {
    Deal, ///< "Sound\H.wav": dealing and exchanging cards
    CardFlick, ///< "Sound\H1.wav": a hand drawn or a card put back into its row
    CardOnTable, ///< "Sound\Hh.wav": a card reaches the trick
    Error, ///< "Sound\Er.wav": an illegal card
    ButtonHover, ///< "Sound\Knop.wav": the pointer comes onto a live button
    ButtonClick, ///< "Sound\Naj_kn.wav": a click on a live button
};

enum class Wait { No, UntilEnd };

/// Plays an effect when its setting allows: card effects while g_cardSounds is 1, button
/// effects while g_buttonSounds is 1.
void PlayEffect(Effect effect, Wait wait = Wait::No);
/// Plays an effect without waiting, whatever the settings: the about box keeps its own
/// switch for the hover sound and sounds its clicks always.
void PlayEffectUngated(Effect effect);

/// Relative path of voice phrase n, for n in 1..13, 15..26, 36, 37; empty until assigned.
inline std::array<std::string, 38> g_voicePhrase;

/// Fills the phrase paths for the voice in force: "Sound\Myj\" for 1, "Sound\Jen\" for 2;
/// any other voice leaves them as they are.
void AssignVoicePhrases();
/// Speaks phrase n unless the voice is off, waiting for its end; the computer's trump
/// pair (26) does not wait, so the play goes on while it is spoken.
void PlayVoicePhrase(int n);
