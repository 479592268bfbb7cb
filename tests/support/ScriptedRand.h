#pragma once

#include "platform/Rand.h"

#include <deque>
#include <initializer_list>
#include <vector>

/// Returns the values a test scripts, in order, then carries on with the real generator
/// (seeded as the game seeds it); remembers every seed.
class ScriptedRand final : public platform::RandomSource {
public:
    void seed(unsigned value) override;
    int next() override;

    /// Appends values (0..kRandMax) to be returned before the generator's own.
    void script(std::initializer_list<int> values);

    /// Every value passed to seed, oldest first.
    std::vector<unsigned> seeds;

private:
    /// Scripted values not yet returned.
    std::deque<int> scripted_;
    /// The generator used once the script has run out.
    platform::Lcg15 fallback_;
};
