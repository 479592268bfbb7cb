#pragma once

#include "platform/Colour.h"

/// The colours the table's texts take on a background, chosen to stand out from it.
struct BackgroundColours {
    /// Announcements.
    platform::COLORREF announcement = 0;
    /// Captions of the on-table buttons, plain and under the pointer.
    platform::COLORREF caption = 0;
    platform::COLORREF hover = 0;
};

/// The colours for background 1..11; background 11 derives them from the custom table
/// colour (red in the low byte, 0..0xFFFFFF).
BackgroundColours ColoursForBackground(int background, platform::COLORREF customColour);
