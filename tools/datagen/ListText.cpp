#include "ListText.h"

#include <charconv>

namespace datagen {

namespace {

/// Bytes reserved per line: a pair of three-digit numbers or an eight-digit colour with separators.
constexpr qsizetype kBytesPerLine = 10;

} // namespace

ListText::ListText(qsizetype lines)
{
    text_.reserve(lines * kBytesPerLine);
}

void ListText::appendPoint(QPoint point, QPoint origin)
{
    appendNumber(point.x() + origin.x(), ' ');
    appendNumber(point.y() + origin.y(), '\n');
}

void ListText::appendColours(const QImage& image, const std::vector<QPoint>& points)
{
    for (const QPoint point : points)
        appendNumber(windowsColour(image.pixel(point)), '\n');
}

void ListText::appendNumber(long long value, char separator)
{
    char digits[24];
    const auto end = std::to_chars(digits, digits + sizeof digits - 1, value).ptr;
    *end = separator;
    text_.append(digits, end - digits + 1);
}

} // namespace datagen
