#pragma once

#include <QImage>
#include <QPoint>

#include <vector>

namespace datagen {

/// Size of an upright card, in pixels; a sideways card is the same turned a quarter.
constexpr int kCardWidth = 71;
constexpr int kCardHeight = 96;

/// True for the three pixels cut off at each corner of a `width` x `height` card, which the game
/// paints in the table colour so the card looks rounded.
bool isCardCorner(int x, int y, int width, int height);
/// The points of a `width` x `height` card row by row, left to right, corners left out.
std::vector<QPoint> cardPoints(int width, int height);
/// Gives a rendered card a crisp one-pixel edge in `edge` that follows the cut corners, and
/// `paper` on the pixels just inside the cut, where the artwork's own rounded outline would blur it.
void frameCard(QImage& card, QRgb edge, QRgb paper);

} // namespace datagen
