#include "Deck.h"

#include "Failure.h"

namespace datagen {

namespace {

/// Where Debian's card-deck package puts its SVG decks.
const QString kDeckRoot = QStringLiteral("/usr/share/carddecks/");

} // namespace

std::unique_ptr<QSvgRenderer> openDeck(const QString& folder, const QString& file)
{
    const QString path = kDeckRoot + folder + QLatin1Char('/') + file;
    auto deck = std::make_unique<QSvgRenderer>(path);
    if (!deck->isValid())
        failGeneration(
            QStringLiteral("cannot read the card deck %1 (package kdegames-card-data-kf5)").arg(path));
    return deck;
}

void paintElement(QPainter& painter, QSvgRenderer& deck, const QString& id, const QRectF& target)
{
    if (!deck.elementExists(id))
        failGeneration(QStringLiteral("the card deck has no element %1").arg(id));
    deck.render(&painter, id, target);
}

void renderElement(
    QSvgRenderer& deck, const QString& id, QImage& image, const QRectF& target, const QRectF& clip)
{
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.setClipRect(clip);
    paintElement(painter, deck, id, target);
}

} // namespace datagen
