#pragma once

#include <QImage>
#include <QString>
#include <QSvgRenderer>

#include <memory>
#include <vector>

namespace datagen {

/// Cards of the deck; card identifier = 4 x rank index + suit (1..32), rank index 0..7 = 7, 8, 9,
/// 10, jack, queen, king, ace.
constexpr int kCardCount = 32;
constexpr int kSuitCount = 4;

/// The packaged deck the faces are drawn from.
std::unique_ptr<QSvgRenderer> openFaceDeck();
/// The element of the face deck that shows card `identifier` (1..32).
QString faceElement(int identifier);
/// The 32 upright faces, 71 x 96 on white with a crisp edge; element i is card identifier i + 1.
std::vector<QImage> renderFaces();

} // namespace datagen
