#include "CardBacks.h"

#include "CardShape.h"
#include "Deck.h"

#include <QPainter>
#include <QPainterPath>

#include <array>

namespace datagen {

namespace {

/// A back taken from a packaged deck's "back" element.
struct DeckBack {
    const char* folder;
    const char* file;
    /// Pixels by which the art is drawn beyond the paper margin on each side, so that the art's
    /// own frame and shadow fall outside the card instead of doubling ours (0..10).
    QMarginsF bleed;
};

/// White paper around the art, in pixels from the card's edge.
constexpr int kPaperMargin = 3;

constexpr std::array<DeckBack, kCardBackCount - 1> kDeckBacks{{
    {"svg-standard", "standard.svgz", QMarginsF(3, 3, 3, 3)},
    {"svg-nicu-ornamental", "ornamental.svgz", QMarginsF(7, 7, 7, 7)},
    {"svg-dondorf", "dondorf.svgz", QMarginsF(4, 4, 4, 4)},
    {"svg-oxygen", "oxygen.svgz", QMarginsF(4, 4, 4, 4)},
    {"svg-oxygen-air", "oxygen-air.svgz", QMarginsF(3, 3, 3, 3)},
    {"svg-jolly-royal", "jolly-royal.svgz", QMarginsF(9, 7, 7, 9)},
    {"svg-xskat-french", "french.svgz", QMarginsF(6, 6, 6, 6)},
}};

QImage blankBack()
{
    QImage back(kCardWidth, kCardHeight, QImage::Format_RGB32);
    back.fill(Qt::white);
    return back;
}

QRectF artArea()
{
    return QRectF(kPaperMargin, kPaperMargin, kCardWidth - 2 * kPaperMargin, kCardHeight - 2 * kPaperMargin);
}

QImage deckBack(const DeckBack& source)
{
    const auto deck = openDeck(QString::fromLatin1(source.folder), QString::fromLatin1(source.file));
    QImage back = blankBack();
    const QRectF art = artArea();
    renderElement(*deck, QStringLiteral("back"), back, art + source.bleed, art);
    return back;
}

/// A back of our own: a gold lattice of lozenges on deep wine red inside a gold rule.
QImage latticeBack()
{
    constexpr QRgb kGround = qRgb(92, 18, 48);
    constexpr QRgb kGold = qRgb(222, 184, 92);
    /// Lozenges across and down the art area.
    constexpr int kColumns = 5;
    constexpr int kRows = 7;
    QImage back = blankBack();
    QPainter painter(&back);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF art = artArea();
    painter.fillRect(art, QColor(kGround));
    painter.setClipRect(art.adjusted(3, 3, -3, -3));
    const double cellWidth = (art.width() - 6) / kColumns;
    const double cellHeight = (art.height() - 6) / kRows;
    painter.setPen(QPen(QColor(kGold), 0.9));
    for (int row = 0; row < kRows; ++row) {
        for (int column = 0; column < kColumns; ++column) {
            const QPointF centre(art.left() + 3 + (column + 0.5) * cellWidth,
                art.top() + 3 + (row + 0.5) * cellHeight);
            QPainterPath lozenge;
            lozenge.moveTo(centre.x(), centre.y() - cellHeight / 2);
            lozenge.lineTo(centre.x() + cellWidth / 2, centre.y());
            lozenge.lineTo(centre.x(), centre.y() + cellHeight / 2);
            lozenge.lineTo(centre.x() - cellWidth / 2, centre.y());
            lozenge.closeSubpath();
            painter.drawPath(lozenge);
            painter.setBrush(QColor(kGold));
            painter.drawEllipse(centre, 1.2, 1.2);
            painter.setBrush(Qt::NoBrush);
        }
    }
    painter.setClipping(false);
    painter.setPen(QPen(QColor(kGold), 1.0));
    painter.drawRect(art.adjusted(1.5, 1.5, -1.5, -1.5));
    return back;
}

} // namespace

std::vector<QImage> renderBacks()
{
    std::vector<QImage> backs;
    backs.reserve(kCardBackCount);
    for (const DeckBack& source : kDeckBacks)
        backs.push_back(deckBack(source));
    backs.push_back(latticeBack());
    for (QImage& back : backs)
        frameCard(back, qRgb(0, 0, 0), qRgb(255, 255, 255));
    return backs;
}

} // namespace datagen
