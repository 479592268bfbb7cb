#include "CardFaces.h"

#include "CardShape.h"
#include "Deck.h"

#include <array>

namespace datagen {

namespace {

/// Element names of the deck's suits in the game's suit order 1..4 (see Writers.h).
constexpr std::array<const char*, kSuitCount> kSuitElements { "heart", "diamond", "spade", "club" };
/// Element names of the ranks in the game's rank order 7, 8, 9, 10, jack, queen, king, ace.
constexpr std::array<const char*, kCardCount / kSuitCount> kRankElements { "7", "8", "9", "10", "jack",
    "queen", "king", "1" };

} // namespace

std::unique_ptr<QSvgRenderer> openFaceDeck()
{
    // The standard deck is drawn for exactly 71 x 96, so its pips and court pictures land on whole
    // pixels and stay sharp at the game's card size.
    return openDeck(QStringLiteral("svg-standard"), QStringLiteral("standard.svgz"));
}

QString faceElement(int identifier)
{
    const int rank = (identifier - 1) / kSuitCount;
    const int suit = (identifier - 1) % kSuitCount;
    return QStringLiteral("%1_%2").arg(kRankElements[rank], kSuitElements[suit]);
}

std::vector<QImage> renderFaces()
{
    const auto deck = openFaceDeck();
    const QRectF card(0, 0, kCardWidth, kCardHeight);
    std::vector<QImage> faces;
    faces.reserve(kCardCount);
    for (int identifier = 1; identifier <= kCardCount; ++identifier) {
        QImage face(kCardWidth, kCardHeight, QImage::Format_RGB32);
        face.fill(Qt::white);
        renderElement(*deck, faceElement(identifier), face, card, card);
        frameCard(face, qRgb(0, 0, 0), qRgb(255, 255, 255));
        faces.push_back(face);
    }
    return faces;
}

} // namespace datagen
