#include "Captions.h"

#include "Failure.h"

#include <algorithm>
#include <cmath>

namespace datagen {
namespace {

/// Font sizes tried, in pixels per em.
constexpr double kSmallestCaptionSize = 8.0;
constexpr double kLargestCaptionSize = 48.0;
/// A caption that does not fit is shrunk by its overflow and this much more, a few times at most.
constexpr double kShrinkStep = 0.99;
constexpr int kShrinkAttempts = 8;

bool fits(const QRect& ink, const QRect& area)
{
    return ink.width() <= area.width() && ink.height() <= area.height();
}

} // namespace

PixelList captionPixels(const QString& text, int count, const QRect& area, CaptionStyle style)
{
    const QFont font = requireBoldFont(QString::fromLatin1(style.family));
    const auto outline = [&](double size) { return textOutline(font, text, size); };
    Rendering rendering = renderExactly(outline, count, kSmallestCaptionSize, kLargestCaptionSize);
    QRect ink = boundsOf(rendering.pixels);
    // A text too wide at its natural weight is set smaller and bolder with the same pixel count.
    for (int attempt = 0; attempt < kShrinkAttempts && !fits(ink, area); ++attempt) {
        const double overflow = std::max(static_cast<double>(ink.width()) / area.width(),
            static_cast<double>(ink.height()) / area.height());
        rendering.size *= kShrinkStep / std::max(1.0, overflow);
        rendering.pixels = strongestPixels(outline(rendering.size), count);
        ink = boundsOf(rendering.pixels);
    }
    if (!fits(ink, area))
        failGeneration(QStringLiteral("caption \"%1\" of %2 pixels needs %3 x %4, has %5 x %6")
                           .arg(text)
                           .arg(count)
                           .arg(ink.width())
                           .arg(ink.height())
                           .arg(area.width())
                           .arg(area.height()));

    const int dx = style.align == CaptionAlign::Left
        ? area.left() - ink.left()
        : area.left() + (area.width() - ink.width()) / 2 - ink.left();
    // Centre the band of the capitals, baseline y = 0, so accents and descenders do not pull the
    // line up or down; then keep the whole ink inside the area.
    const double capHeight = capHeightAt(font, rendering.size);
    int dy = static_cast<int>(std::lround(area.top() + area.height() / 2.0 + capHeight / 2));
    dy = std::clamp(dy, area.top() - ink.top(), area.bottom() - ink.bottom());
    return shifted(rendering.pixels, dx, dy);
}

} // namespace datagen
