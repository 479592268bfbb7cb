#pragma once

#include "engine/CardTable.h"
#include "platform/Colour.h"
#include "platform/Rect.h"

#include <array>

/// What the table drawing keeps between repaints: the hand's hit rectangles, where the
/// player's name stands in the panels, and the saved pixels of the deck.

/// Hit rectangles of the human's cards, index 1..g_humanCount: (x, Y, x + 71, Y + 96).
inline std::array<platform::Rect, kMaxHand + 1> g_humanCardRects {};
/// x of the player's name in the deal-result panel and in the score sheet, in pixels.
inline int g_nameHeaderX = 0;
inline int g_nameHeaderX2 = 0;
/// 1 while RedrawTable runs: announcements then draw without sleeping; 0/1.
inline int g_fullRedraw = 0;
/// The card 1..32 being drawn by a flight or a return to the row (0 = none).
inline int g_drawnCard = 0;
/// The table's pixels under the top-left corner of the lowest back of the rest of the deck
/// ((x, y), (x + 1, y), (x, y + 1)), saved when it was laid so that redraws round it the same.
inline platform::COLORREF g_deckCornerPixel1 = 0;
inline platform::COLORREF g_deckCornerPixel2 = 0;
inline platform::COLORREF g_deckCornerPixel3 = 0;

/// Left x of slot k (1-based) of the human's / the computer's row: gap + (k - 1) * (step + gap).
int HumanCardX(int k);
int ComputerCardX(int k);

/// Records g_humanCardRects for cards 1..g_humanCount from the human row's spacing.
void RecordHumanCardRects();

/// Puts the values above and the hover state back to their start values.
void ResetTableDrawing();
