#pragma once

#include <QImage>
#include <QPainter>
#include <QRectF>
#include <QString>
#include <QSvgRenderer>

#include <memory>

namespace datagen {

/// Opens the packaged SVG card deck in `folder` of the card-deck collection (file `file`);
/// ends the generator with a message when it is missing or unreadable.
std::unique_ptr<QSvgRenderer> openDeck(const QString& folder, const QString& file);
/// Draws element `id` of `deck` into `target` with the painter's transform; fails the generator
/// when the deck has no such element.
void paintElement(QPainter& painter, QSvgRenderer& deck, const QString& id, const QRectF& target);
/// Renders element `id` of `deck` antialiased into `target` of `image`, clipped to `clip`.
void renderElement(
    QSvgRenderer& deck, const QString& id, QImage& image, const QRectF& target, const QRectF& clip);

} // namespace datagen
