#pragma once

#include "platform/MemoryDC.h"

#include <QString>

/// Room for a text on a panel, in client pixels: from `left` up to, not including, `right`.
struct TextRoom {
    int left = 0;
    int right = 0;
};

/// Draws a text at (x, y) in the DC's font when it lies within the room. One that would run
/// past either end moves inward just far enough; one wider than the whole room is drawn
/// from its left in a horizontally condensed font of the same height, so that it never
/// runs into the text or the rule beside it.
void TextOutWithin(platform::MemoryDC& dc, int x, int y, const QString& text, TextRoom room);
