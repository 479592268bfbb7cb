#pragma once

#include "support/HeadlessPlatform.h"
#include "support/ScriptedDialogs.h"

#include <random>

class CVertanDlg;

/// The platform doubles of a run that plays on the table, made once: instant pauses,
/// recorded sounds, scripted answers and dialogs answered by script.
struct HeadlessRun {
    /// Puts the clock, the random numbers and the records back to their start, so that an
    /// input plays the same whatever ran before it.
    void restart();

    HeadlessPlatform platform;
    ScriptedDialogs dialogs;
    platform::ScopedService<platform::DialogRunner> dialogGuard { dialogs };
};
HeadlessRun& Headless();

/// One click as a person might make it: a random live button of the prompt in force, else a
/// random card of the hand (one the rules refuse included), with "Да" to a question it
/// brings. False when neither a button nor a card waits.
bool PlayOneClick(CVertanDlg& table, std::mt19937& choices);
