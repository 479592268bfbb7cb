#pragma once

#include <QImage>

#include <vector>

namespace datagen {

/// Card backs the player chooses from.
constexpr int kCardBackCount = 8;

/// The eight upright backs, 71 x 96 with a crisp edge; element i is back i + 1.
std::vector<QImage> renderBacks();

} // namespace datagen
