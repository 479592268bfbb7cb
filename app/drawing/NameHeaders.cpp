#include "app/drawing/NameHeaders.h"

#include "app/Globals.h"
#include "app/Layout.h"
#include "app/drawing/TableDrawing.h"

namespace {

/// Distances of the names left of the centre, in pixels, and the width of two characters.
constexpr int kResultPanelOffset = 95;
constexpr int kScoreSheetOffset = 77;
constexpr int kTwoCharacters = 8;

} // namespace

void PlaceNameHeaders()
{
    const int centre = static_cast<int>(g_centreX);
    const int shift = static_cast<int>(g_playerName.length()) / 2 * kTwoCharacters;
    g_nameHeaderX = centre - kResultPanelOffset - shift;
    g_nameHeaderX2 = centre - kScoreSheetOffset - shift;
}
