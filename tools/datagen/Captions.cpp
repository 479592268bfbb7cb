#include "Captions.h"

#include "Failure.h"

#include <QStringList>

#include <algorithm>
#include <cmath>
#include <optional>

namespace datagen {
namespace {

/// Font sizes tried, in pixels per em.
constexpr double kSmallestCaptionSize = 8.0;
constexpr double kLargestCaptionSize = 48.0;
/// Step of the search down for a size that fits, in pixels per em; a capital letter changes by
/// about a fiftieth of a pixel from one step to the next.
constexpr double kSizeStep = 1.0 / 32;

/// The caption's exact pixels at `size`, its baseline on y = 0; none when its words touch fewer
/// pixels than its count or the ink is larger than its area.
std::optional<PixelList> fittedAt(const QFont& font, const Caption& caption, double size)
{
    const QPainterPath outline = textOutline(font, caption.text, size);
    if (touchedPixels(outline) < caption.count)
        return std::nullopt;
    PixelList pixels = strongestPixels(outline, caption.count);
    const QRect ink = boundsOf(pixels);
    if (ink.width() > caption.area.width() || ink.height() > caption.area.height())
        return std::nullopt;
    return pixels;
}

/// `pixels` moved into the caption's area as `style` sets it, for capitals `capHeight` pixels high.
PixelList placed(const PixelList& pixels, const Caption& caption, CaptionStyle style, double capHeight)
{
    const QRect ink = boundsOf(pixels);
    const QRect& area = caption.area;
    const int dx = style.align == CaptionAlign::Left
        ? area.left() - ink.left()
        : area.left() + (area.width() - ink.width()) / 2 - ink.left();
    // Centre the band of the capitals, baseline y = 0, so accents and descenders do not pull the
    // line up or down; then keep the whole ink inside the area.
    int dy = static_cast<int>(std::lround(area.top() + area.height() / 2.0 + capHeight / 2));
    dy = std::clamp(dy, area.top() - ink.top(), area.bottom() - ink.bottom());
    return shifted(pixels, dx, dy);
}

} // namespace

std::vector<PixelList> captionSetPixels(const std::vector<Caption>& captions, CaptionStyle style)
{
    const QFont font = requireBoldFont(QString::fromLatin1(style.family));
    // Above the largest size a caption takes alone, every caption of the set would only get lighter.
    double largest = kSmallestCaptionSize;
    for (const Caption& caption : captions) {
        const auto outline = [&](double size) { return textOutline(font, caption.text, size); };
        largest = std::max(
            largest, renderExactly(outline, caption.count, kSmallestCaptionSize, kLargestCaptionSize).size);
    }
    // Whole steps down from there, so the search stops on the same size on every build.
    for (int step = 0; largest - step * kSizeStep >= kSmallestCaptionSize; ++step) {
        const double size = largest - step * kSizeStep;
        const double capHeight = capHeightAt(font, size);
        std::vector<PixelList> set;
        for (const Caption& caption : captions) {
            const std::optional<PixelList> pixels = fittedAt(font, caption, size);
            if (!pixels)
                break;
            set.push_back(placed(*pixels, caption, style, capHeight));
        }
        if (set.size() == captions.size())
            return set;
    }
    QStringList texts;
    for (const Caption& caption : captions)
        texts.append(QStringLiteral("\"%1\" (%2 pixels in %3 x %4)")
                         .arg(caption.text)
                         .arg(caption.count)
                         .arg(caption.area.width())
                         .arg(caption.area.height()));
    failGeneration(QStringLiteral("no letter size fits %1").arg(texts.join(QStringLiteral(", "))));
}

PixelList captionPixels(const Caption& caption, CaptionStyle style)
{
    return captionSetPixels({ caption }, style).front();
}

} // namespace datagen
