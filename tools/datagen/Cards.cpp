#include "CardBacks.h"
#include "CardFaces.h"
#include "CardShape.h"
#include "ListText.h"
#include "Output.h"
#include "Writers.h"

#include <QTransform>

namespace datagen {

namespace {

/// Sheet origins the game subtracts from the upright and the sideways card points.
constexpr QPoint kUprightOrigin(454, 358);
constexpr QPoint kSidewaysOrigin(442, 370);
/// Degrees a back is turned to lie sideways.
constexpr int kSidewaysTurn = 90;

QByteArray pointList(const std::vector<QPoint>& points, QPoint origin)
{
    ListText text(static_cast<qsizetype>(points.size()));
    for (const QPoint point : points)
        text.appendPoint(point, origin);
    return text.bytes();
}

QByteArray colourList(const std::vector<QImage>& images, const std::vector<QPoint>& points)
{
    ListText text(static_cast<qsizetype>(images.size() * points.size()));
    for (const QImage& image : images)
        text.appendColours(image, points);
    return text.bytes();
}

/// A back as the card-back dialog shows it: the corners cut off see through to the dialog.
QImage backThumbnail(const QImage& back)
{
    QImage thumbnail = back.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < thumbnail.height(); ++y)
        for (int x = 0; x < thumbnail.width(); ++x)
            if (isCardCorner(x, y, thumbnail.width(), thumbnail.height()))
                thumbnail.setPixel(x, y, qRgba(0, 0, 0, 0));
    return thumbnail;
}

} // namespace

void writeCards(const Output& out)
{
    const std::vector<QPoint> upright = cardPoints(kCardWidth, kCardHeight);
    const std::vector<QPoint> sideways = cardPoints(kCardHeight, kCardWidth);
    out.write(QStringLiteral("Karta/Karta0.krt"), pointList(upright, kUprightOrigin));
    out.write(QStringLiteral("Ryb/R90gr.rbk"), pointList(sideways, kSidewaysOrigin));
    out.write(QStringLiteral("Karta/Karta.krt"), colourList(renderFaces(), upright));

    const std::vector<QImage> backs = renderBacks();
    std::vector<QImage> turned;
    turned.reserve(backs.size());
    for (const QImage& back : backs)
        turned.push_back(back.transformed(QTransform().rotate(kSidewaysTurn)));
    out.write(QStringLiteral("Ryb/Ryb0.rbk"), colourList(backs, upright));
    out.write(QStringLiteral("Ryb/Ryb90.rbk"), colourList(turned, sideways));
    for (int b = 1; b <= kCardBackCount; ++b)
        out.writePng(QStringLiteral("Pictures/back%1.png").arg(b), backThumbnail(backs[b - 1]));
}

} // namespace datagen
