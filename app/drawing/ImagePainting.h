#pragma once

#include "platform/MemoryDC.h"

/// Painting the card backs and the card corners from the loaded picture tables
/// (app/files/ImageData.h) into the window's memory bitmaps.

/// The colour the table shows under background 1..11: its point 200, which the card
/// corners take so that the cards look rounded on the table.
platform::COLORREF TableColour(int background);

/// Draws card back 1..8 into the upright (71 x 96) and the sideways (96 x 71) bitmap,
/// every pixel but the corners.
void PaintCardBack(platform::MemoryDC& upright, platform::MemoryDC& sideways, int back);

/// Paints the 12 corner pixels of the 32 faces and of both backs in the table colour.
/// The sideways back lies on the deck, so its top-left corner takes the back's own
/// point 95 and the pale card edge (200, 196, 200) instead.
void PaintCardCorners(platform::MemoryDC& faces, platform::MemoryDC& upright, platform::MemoryDC& sideways,
    int back, platform::COLORREF tableColour);
/// Gives the sideways back's top-left corner the shade of back 1..8 (its point 95).
void PaintSideBackShade(platform::MemoryDC& sideways, int back);

/// Background 11 is one colour over the whole tile: the custom table colour.
void FillCustomBackground(platform::COLORREF colour);
