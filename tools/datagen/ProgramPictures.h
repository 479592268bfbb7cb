#pragma once

#include <QImage>
#include <QPoint>

namespace datagen {

/// The hand cursor's hot spot, the tip of its pointing finger, in its own pixels.
constexpr QPoint kHandHotSpot(11, 1);

/// The application icon, 64 x 64 with transparency: two fanned cards.
QImage paintApplicationIcon();
/// The hand cursor shown over the about box's links, 32 x 32 with transparency.
QImage paintHandCursor();

} // namespace datagen
