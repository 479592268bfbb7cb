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

constexpr std::array<DeckBack, kCardBackCount - 1> kDeckBacks { {
    { "svg-standard", "standard.svgz", QMarginsF(3, 3, 3, 3) },
    { "svg-nicu-ornamental", "ornamental.svgz", QMarginsF(7, 7, 7, 7) },
    { "svg-dondorf", "dondorf.svgz", QMarginsF(4, 4, 4, 4) },
    { "svg-oxygen", "oxygen.svgz", QMarginsF(4, 4, 4, 4) },
    { "svg-oxygen-air", "oxygen-air.svgz", QMarginsF(3, 3, 3, 3) },
    { "svg-jolly-royal", "jolly-royal.svgz", QMarginsF(9, 7, 7, 9) },
    { "svg-xskat-french", "french.svgz", QMarginsF(6, 6, 6, 6) },
} };

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
    /// Lozenges across and down the lattice, and the lattice's inset in the art area (pixels).
    constexpr int kColumns = 5;
    constexpr int kRows = 7;
    constexpr double kInset = 3;
    QImage back = blankBack();
    QPainter painter(&back);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF art = artArea();
    painter.fillRect(art, QColor(kGround));
    const QRectF lattice = art.adjusted(kInset, kInset, -kInset, -kInset);
    painter.setClipRect(lattice);
    const double cellWidth = lattice.width() / kColumns;
    const double cellHeight = lattice.height() / kRows;
    painter.setPen(QPen(QColor(kGold), 0.9));
    for (int row = 0; row < kRows; ++row) {
        for (int column = 0; column < kColumns; ++column) {
            const QPointF centre(
                lattice.left() + (column + 0.5) * cellWidth, lattice.top() + (row + 0.5) * cellHeight);
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
    // The rule runs half way between the art's edge and the lattice.
    painter.setPen(QPen(QColor(kGold), 1.0));
    painter.drawRect(art.adjusted(kInset / 2, kInset / 2, -kInset / 2, -kInset / 2));
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
