#pragma once

#include "InkRaster.h"

#include <QRect>
#include <QString>

namespace datagen {

/// How a caption sits in its area.
enum class CaptionAlign { Centre, Left };

/// A caption: its text, the bold face it is set in, and how it sits in its area.
struct CaptionStyle {
    const char* family;
    CaptionAlign align;
};

/// `text` set as exactly `count` pixels lying inside `area`: centred or left-aligned across it,
/// its capital letters centred down it. Fails the generator when the text cannot fit.
PixelList captionPixels(const QString& text, int count, const QRect& area, CaptionStyle style);

} // namespace datagen
