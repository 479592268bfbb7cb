#pragma once

#include "support/FakePause.h"
#include "support/RecordingShell.h"
#include "support/RecordingSound.h"
#include "support/ScriptedClock.h"
#include "support/ScriptedMessageBox.h"
#include "support/ScriptedRand.h"

#include "platform/Service.h"

/// Every platform service replaced by its test double for the lifetime of this object:
/// instant pauses that move the scripted clock, recorded sounds and pages, scripted random
/// numbers and message box answers. Tests reach each double through its member.
class HeadlessPlatform {
public:
    HeadlessPlatform() { pause.clock = &clock; }
    HeadlessPlatform(const HeadlessPlatform&) = delete;
    HeadlessPlatform& operator=(const HeadlessPlatform&) = delete;

    FakePause pause;
    RecordingSound sound;
    ScriptedClock clock;
    ScriptedRand rand;
    ScriptedMessageBox messageBox;
    RecordingShell shell;

private:
    // Declared after the doubles, so that they are installed after construction and the
    // real services are back before the doubles are destroyed.
    platform::ScopedService<platform::Pause> pauseGuard_ { pause };
    platform::ScopedService<platform::Sound> soundGuard_ { sound };
    platform::ScopedService<platform::Clock> clockGuard_ { clock };
    platform::ScopedService<platform::RandomSource> randGuard_ { rand };
    platform::ScopedService<platform::MessageBox> messageBoxGuard_ { messageBox };
    platform::ScopedService<platform::Shell> shellGuard_ { shell };
};
