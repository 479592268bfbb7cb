#include "app/dialogs/DialogTemplate.h"

#include <QFontMetrics>

#include <algorithm>

namespace {

/// The letters whose mean width is the font's average character width.
constexpr char kAlphabet[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz";
constexpr int kAlphabetLength = sizeof(kAlphabet) - 1;
/// Dialog units per average character width and per character height.
constexpr int kUnitsPerBaseWidth = 4;
constexpr int kUnitsPerBaseHeight = 8;

/// value * multiplier / divisor for values >= 0, rounded to the nearest integer, halves up.
int scaleRounded(int value, int multiplier, int divisor)
{
    return static_cast<int>((static_cast<long long>(value) * multiplier + divisor / 2) / divisor);
}

} // namespace

DialogUnits::DialogUnits(const QFont& font)
{
    const QFontMetrics metrics(font);
    const int alphabetWidth = metrics.horizontalAdvance(QString::fromLatin1(kAlphabet));
    baseWidth_ = std::max(1, scaleRounded(alphabetWidth, 1, kAlphabetLength));
    baseHeight_ = std::max(1, metrics.height());
}

DialogUnits::DialogUnits(int baseWidth, int baseHeight)
    : baseWidth_(std::max(1, baseWidth))
    , baseHeight_(std::max(1, baseHeight))
{
}

QRect DialogUnits::rect(const TemplateRect& place) const
{
    return { scaleRounded(place.x, baseWidth_, kUnitsPerBaseWidth),
        scaleRounded(place.y, baseHeight_, kUnitsPerBaseHeight),
        scaleRounded(place.width, baseWidth_, kUnitsPerBaseWidth),
        scaleRounded(place.height, baseHeight_, kUnitsPerBaseHeight) };
}

QSize DialogUnits::size(int width, int height) const
{
    return rect({ 0, 0, width, height }).size();
}
