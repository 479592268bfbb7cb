#pragma once

#include <QImage>
#include <QRect>

namespace datagen {

/// The three pictures of the about box (566 x 182 client pixels): a fan of the four jacks on the
/// left, the title above the link captions' black band and the four suits below it.
struct AboutPictures {
    /// 238 x 182, shown at client (0, 0).
    QImage fan;
    /// 337 x 83, shown at client (229, 0); holds the close box.
    QImage title;
    /// 335 x 56, shown at client (231, 125).
    QImage suits;
};

/// The close box drawn in the title picture, in its own pixels: at client (544, 6)..(561, 23),
/// where the dialog tests for a click on it.
constexpr QRect kAboutCloseBox(315, 6, 18, 18);

AboutPictures paintAboutPictures();

} // namespace datagen
