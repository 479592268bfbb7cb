#pragma once

#include "platform/Service.h"

namespace platform {

/// A sleep during which the window keeps painting but takes no input.
class Pause {
public:
    virtual ~Pause() = default;
    virtual void sleep(int milliseconds) = 0;
};

/// The implementation the program runs with, defined in Pause.cpp.
template <> Pause& ServiceSlot<Pause>::real();

inline void Sleep(int milliseconds)
{
    ServiceSlot<Pause>::get().sleep(milliseconds);
}

} // namespace platform
