#pragma once

#include "platform/Service.h"

namespace platform {

/// The largest value Rand() returns.
constexpr int kRandMax = 32767;

/// The game's pseudo-random numbers: 0 to kRandMax, reseeded by Srand.
class RandomSource {
public:
    virtual ~RandomSource() = default;
    virtual void seed(unsigned value) = 0;
    virtual int next() = 0;
};

/// A linear congruential generator with 15-bit results; the same seed gives the same run.
class Lcg15 : public RandomSource {
public:
    void seed(unsigned value) override { state_ = value; }
    int next() override
    {
        state_ = state_ * 214013u + 2531011u;
        return static_cast<int>((state_ >> 16) & 0x7fffu);
    }

private:
    /// The last value of the recurrence; seed() sets it, so equal seeds give equal runs.
    unsigned state_ = 1;
};

/// The implementation the program runs with, defined in Rand.cpp.
template <> RandomSource& ServiceSlot<RandomSource>::real();

inline void Srand(unsigned value)
{
    ServiceSlot<RandomSource>::get().seed(value);
}
inline int Rand()
{
    return ServiceSlot<RandomSource>::get().next();
}

} // namespace platform
