#pragma once

#include "InkRaster.h"

#include <QRect>
#include <QString>

#include <vector>

namespace datagen {

/// How a caption sits in its area.
enum class CaptionAlign { Centre, Left };

/// A caption: its text, the bold face it is set in, and how it sits in its area.
struct CaptionStyle {
    const char* family;
    CaptionAlign align;
};

/// A caption to set: its words, its exact pixel count and the area its pixels must lie in.
struct Caption {
    QString text;
    int count; ///< pixels, > 0
    QRect area; ///< relative to the caption's anchor
};

/// `captions` set in one letter size, each as exactly its `count` pixels inside its `area`:
/// centred or left-aligned across it, its capital letters centred down it. The size is the largest
/// at which every caption fits, but no larger than the largest any of them takes alone; a caption
/// with more or fewer pixels than its words have ink at that size comes out bolder or lighter.
/// Fails the generator when no size lets every caption fit.
std::vector<PixelList> captionSetPixels(const std::vector<Caption>& captions, CaptionStyle style);

/// One caption set alone: at the size whose ink comes closest to its count, or smaller if it must.
PixelList captionPixels(const Caption& caption, CaptionStyle style);

} // namespace datagen
