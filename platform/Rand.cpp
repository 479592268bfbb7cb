#include "platform/Rand.h"

namespace platform {

template <> RandomSource& ServiceSlot<RandomSource>::real()
{
    static Lcg15 generator;
    return generator;
}

} // namespace platform
