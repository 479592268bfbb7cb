#pragma once

#include "platform/Sound.h"

#include <string>
#include <vector>

/// Plays nothing; remembers every sound asked for, in order.
class RecordingSound final : public platform::Sound {
public:
    struct Played {
        /// The name as the game passed it, separators untouched.
        std::string path;
        /// True when the game waited for the end of the sound.
        bool waitForEnd = false;
        bool operator==(const Played&) const = default;
    };

    void play(const std::string& relativePath, bool waitForEnd) override
    {
        played.push_back({ relativePath, waitForEnd });
    }

    /// Every call of play, oldest first.
    std::vector<Played> played;
};
