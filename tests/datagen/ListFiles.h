#pragma once

#include <QFile>
#include <QImage>
#include <QPoint>
#include <QSize>
#include <QString>

#include <cstdlib>
#include <vector>

/// Reading back the point and colour lists the generator wrote into the program folder.

/// The absolute path of a file of the program folder.
inline QString programFile(const QString& relativePath)
{
    return QStringLiteral(VERTAN_PROGRAM_DIR "/") + relativePath;
}

/// Every whitespace-separated decimal number of a program-folder file, in order; empty when the
/// file cannot be read.
inline std::vector<long long> readNumbers(const QString& relativePath)
{
    QFile file(programFile(relativePath));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    const QByteArray text = file.readAll();
    std::vector<long long> numbers;
    const char* next = text.constData();
    char* end = nullptr;
    for (long long value = std::strtoll(next, &end, 10); end != next; value = std::strtoll(next, &end, 10)) {
        numbers.push_back(value);
        next = end;
    }
    return numbers;
}

/// A point list read back as the game reads it: the sheet origin subtracted.
inline std::vector<QPoint> readPoints(const QString& relativePath, QPoint origin)
{
    const std::vector<long long> numbers = readNumbers(relativePath);
    std::vector<QPoint> points;
    for (std::size_t i = 0; i + 1 < numbers.size(); i += 2)
        points.emplace_back(
            static_cast<int>(numbers[i]) - origin.x(), static_cast<int>(numbers[i + 1]) - origin.y());
    return points;
}

/// Image `block` (0-based) of a colour list painted at the points of its point list, as the game
/// paints its bitmaps; pixels no point reaches stay transparent.
inline QImage paintBlock(
    const std::vector<QPoint>& points, const std::vector<long long>& colours, int block, QSize size)
{
    QImage image(size, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    const std::size_t first = static_cast<std::size_t>(block) * points.size();
    for (std::size_t j = 0; j < points.size() && first + j < colours.size(); ++j) {
        const long long colour = colours[first + j];
        image.setPixel(points[j], qRgb(colour & 0xff, (colour >> 8) & 0xff, (colour >> 16) & 0xff));
    }
    return image;
}

/// True for a pixel a reader would call red: strong red, little green and blue.
inline bool isStrongRed(QRgb pixel)
{
    return qRed(pixel) > 150 && qGreen(pixel) < 100 && qBlue(pixel) < 100;
}

/// Mean over all opaque pixels of the channel-summed difference between two same-sized images.
inline double meanDifference(const QImage& a, const QImage& b)
{
    double sum = 0;
    int count = 0;
    for (int y = 0; y < a.height(); ++y) {
        for (int x = 0; x < a.width(); ++x) {
            const QRgb p = a.pixel(x, y);
            const QRgb q = b.pixel(x, y);
            if (qAlpha(p) == 0 || qAlpha(q) == 0)
                continue;
            sum += std::abs(qRed(p) - qRed(q)) + std::abs(qGreen(p) - qGreen(q))
                + std::abs(qBlue(p) - qBlue(q));
            ++count;
        }
    }
    return count == 0 ? 0 : sum / count;
}
