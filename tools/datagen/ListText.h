#pragma once

#include <QByteArray>
#include <QImage>
#include <QPoint>

#include <vector>

namespace datagen {

/// The text of a point list or colour list: decimal integers separated by white space, one pair or
/// one colour a line. Built in one preallocated buffer because the lists run to hundreds of
/// thousands of values.
class ListText {
public:
    /// Reserves room for about `lines` lines.
    explicit ListText(qsizetype lines);

    /// Appends the pair "x y" of `point` moved by `origin`, the sheet origin the reader subtracts.
    void appendPoint(QPoint point, QPoint origin);
    /// Appends the colour of every point of `points` in `image`, in list order, as Windows colour values.
    void appendColours(const QImage& image, const std::vector<QPoint>& points);

    const QByteArray& bytes() const { return text_; }

private:
    void appendNumber(long long value, char separator);

    QByteArray text_;
};

/// A Windows colour value (0x00BBGGRR, red in the low byte) of a Qt colour.
constexpr unsigned windowsColour(QRgb colour)
{
    return static_cast<unsigned>(qRed(colour)) | (static_cast<unsigned>(qGreen(colour)) << 8)
        | (static_cast<unsigned>(qBlue(colour)) << 16);
}

} // namespace datagen
