#include "platform/Pause.h"

#include "platform/PaintingWait.h"

namespace platform {

namespace {

class PaintingPause final : public Pause {
public:
    void sleep(int milliseconds) override
    {
        WaitKeepingPaint(milliseconds, [] { return false; });
    }
};

} // namespace

template <> Pause& ServiceSlot<Pause>::real()
{
    static PaintingPause pause;
    return pause;
}

} // namespace platform
