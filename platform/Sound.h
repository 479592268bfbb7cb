#pragma once

#include "platform/Service.h"

#include <string>

namespace platform {

/// One channel of WAV playback: a new sound cuts the one still playing.
class Sound {
public:
    virtual ~Sound() = default;
    /// Plays a WAV file named relative to the current folder; '\' and '/' both separate
    /// folders. With waitForEnd the call returns when the sound has ended. A missing file
    /// plays nothing.
    virtual void play(const std::string& relativePath, bool waitForEnd) = 0;
};

/// The implementation the program runs with, defined in Sound.cpp.
template <> Sound& ServiceSlot<Sound>::real();

inline void PlaySound(const std::string& relativePath, bool waitForEnd)
{
    ServiceSlot<Sound>::get().play(relativePath, waitForEnd);
}

} // namespace platform
