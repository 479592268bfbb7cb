#include "ProgramPictures.h"

#include "CardFaces.h"
#include "CardShape.h"

#include <QPainter>
#include <QPainterPath>
#include <QTransform>

namespace datagen {

namespace {

constexpr int kIconSize = 64;
constexpr int kCursorSize = 32;
/// Ace of hearts and ace of spades: identifiers of rank index 7, suits 1 and 3.
constexpr int kAceOfHearts = 29;
constexpr int kAceOfSpades = 31;
/// Card scale in the icon and the turn of the back and the front card (degrees).
constexpr double kIconCardScale = 0.5;
constexpr double kBackCardTurn = -18;
constexpr double kFrontCardTurn = 14;

QImage transparent(int size)
{
    QImage image(size, size, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    return image;
}

QPainterPath roundedRect(double left, double top, double width, double height, double radius)
{
    QPainterPath path;
    path.addRoundedRect(QRectF(left, top, width, height), radius, radius);
    return path;
}

} // namespace

QImage paintApplicationIcon()
{
    QImage icon = transparent(kIconSize);
    QPainter painter(&icon);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    const auto deck = openFaceDeck();
    const QRectF card(-kCardWidth * kIconCardScale / 2, -kCardHeight * kIconCardScale / 2,
        kCardWidth * kIconCardScale, kCardHeight * kIconCardScale);
    const auto place = [&](int identifier, QPointF centre, double turn) {
        painter.save();
        painter.translate(centre);
        painter.rotate(turn);
        deck->render(&painter, faceElement(identifier), card);
        painter.restore();
    };
    place(kAceOfHearts, QPointF(22, 31), kBackCardTurn);
    place(kAceOfSpades, QPointF(42, 34), kFrontCardTurn);
    return icon;
}

QImage paintHandCursor()
{
    // A pointing hand: the index finger up, three fingers folded into the palm, the thumb aside.
    QPainterPath hand = roundedRect(9, 0.5, 5, 18, 2.5);
    hand = hand.united(roundedRect(13.5, 10, 4.5, 10, 2.2));
    hand = hand.united(roundedRect(17.5, 11, 4.5, 10, 2.2));
    hand = hand.united(roundedRect(21.5, 12.5, 4.5, 10, 2.2));
    hand = hand.united(roundedRect(9, 15, 17, 14, 4));
    hand = hand.united(QTransform().translate(10, 21).rotate(-40).map(roundedRect(-8, -2.5, 10, 5, 2.5)));
    QImage cursor = transparent(kCursorSize);
    QPainter painter(&cursor);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(Qt::black, 1.2));
    painter.setBrush(Qt::white);
    painter.drawPath(hand);
    painter.setPen(QPen(Qt::black, 0.8));
    for (const double x : { 13.75, 17.75, 21.75 })
        painter.drawLine(QPointF(x, 16.5), QPointF(x, 20.5));
    return cursor;
}

} // namespace datagen
