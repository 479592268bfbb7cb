#include "Deck.h"

#include "Failure.h"

#include <QPainter>

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
        failGeneration(QStringLiteral("cannot read the card deck %1 (package kdegames-card-data-kf5)").arg(path));
    return deck;
}

void renderElement(QSvgRenderer& deck, const QString& id, QImage& image, const QRectF& target, const QRectF& clip)
{
    if (!deck.elementExists(id))
        failGeneration(QStringLiteral("the card deck has no element %1").arg(id));
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.setClipRect(clip);
    deck.render(&painter, id, target);
}

} // namespace datagen
