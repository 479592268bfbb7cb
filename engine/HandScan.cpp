#include "engine/HandScan.h"

#include "engine/GameState.h"
#include "engine/Settings.h"

namespace {

/// The lead the computer lets the human keep before it plays for points, in game points.
constexpr int kShortGameMargin = 30;
constexpr int kLongGameMargin = 60;

} // namespace

bool HumanAheadBeyondMargin(int shortGameLimit, int longGameLimit)
{
    const bool shortGame = g_gameLength == kShortGame;
    const int limit = shortGame ? shortGameLimit : longGameLimit;
    const int margin = g_humanTotal > limit ? 0 : shortGame ? kShortGameMargin : kLongGameMargin;
    return g_humanTotal - g_computerTotal > margin;
}
