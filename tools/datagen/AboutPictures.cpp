#include "AboutPictures.h"

#include "CardFaces.h"
#include "CardShape.h"
#include "InkRaster.h"
#include "Textures.h"

#include <QLinearGradient>
#include <QPainter>
#include <QRadialGradient>

#include <array>

namespace datagen {

namespace {

constexpr QSize kFanSize(238, 182);
constexpr QSize kTitleSize(337, 83);
constexpr QSize kSuitsSize(335, 56);
/// Rows of the title picture (its last) and of the suits picture (its first) that lie under the
/// dialog's black caption band, kept black so the band joins them without an edge.
constexpr int kBandRows = 2;
/// The dark blue of the right-hand pictures, fading into the band's black.
constexpr QRgb kNight = qRgb(26, 32, 52);
constexpr QRgb kGoldLight = qRgb(252, 226, 140);
constexpr QRgb kGoldDark = qRgb(196, 142, 52);
/// Felt of the fan picture: the first table background's colour and pattern.
constexpr QRgb kFelt = qRgb(40, 122, 62);
constexpr std::uint32_t kFeltSeed = 101;
/// The fan: card scale, radius from the pivot below the picture to the card centres (pixels),
/// and the turn of each card (degrees).
constexpr double kFanCardScale = 1.0;
constexpr QPointF kFanPivot(114, 250);
constexpr double kFanRadius = 150;
constexpr std::array<double, kSuitCount> kFanAngles { -24, -8, 8, 24 };
/// Rank index of the jack.
constexpr int kJackRank = 4;

QImage blank(QSize size)
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::black);
    return image;
}

QImage paintFan()
{
    QImage image = blank(kFanSize);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.fillRect(image.rect(), QBrush(feltTile(kFelt, kFeltSeed)));
    QRadialGradient vignette(
        QPointF(kFanSize.width() / 2.0, kFanSize.height() / 2.0), kFanSize.width() * 0.75);
    vignette.setColorAt(0.45, QColor(0, 0, 0, 0));
    vignette.setColorAt(1.0, QColor(0, 0, 0, 210));
    painter.fillRect(image.rect(), vignette);

    const auto deck = openFaceDeck();
    const QRectF card(-kCardWidth * kFanCardScale / 2, -kCardHeight * kFanCardScale / 2,
        kCardWidth * kFanCardScale, kCardHeight * kFanCardScale);
    for (int suit = 1; suit <= kSuitCount; ++suit) {
        const double angle = kFanAngles[suit - 1];
        painter.save();
        painter.translate(kFanPivot);
        painter.rotate(angle);
        painter.translate(0, -kFanRadius);
        painter.setPen(Qt::NoPen);
        painter.setBrush(QColor(0, 0, 0, 80));
        painter.drawRoundedRect(card.translated(3, 4), 4, 4);
        deck->render(&painter, faceElement(kSuitCount * kJackRank + suit), card);
        painter.restore();
    }
    return image;
}

QLinearGradient goldDown(double top, double bottom)
{
    QLinearGradient gold(0, top, 0, bottom);
    gold.setColorAt(0, QColor(kGoldLight));
    gold.setColorAt(1, QColor(kGoldDark));
    return gold;
}

void paintCloseBox(QPainter& painter)
{
    /// Corner radius of the box and the cross's distance from its edge, in pixels.
    constexpr double kRadius = 3;
    constexpr double kCrossInset = 5;
    // Half-pixel inset: the one-pixel outline then lies on whole pixels.
    const QRectF box = QRectF(kAboutCloseBox).adjusted(0.5, 0.5, -0.5, -0.5);
    painter.setPen(QPen(QColor(kGoldDark), 1));
    painter.setBrush(QColor(60, 20, 24));
    painter.drawRoundedRect(box, kRadius, kRadius);
    painter.setPen(QPen(QColor(kGoldLight), 2, Qt::SolidLine, Qt::RoundCap));
    const QRectF cross = box.adjusted(kCrossInset, kCrossInset, -kCrossInset, -kCrossInset);
    painter.drawLine(cross.topLeft(), cross.bottomRight());
    painter.drawLine(cross.topRight(), cross.bottomLeft());
}

QImage paintTitle()
{
    /// Title letters: pixel size and the width they are centred in (left of the close box).
    constexpr double kLetterSize = 50;
    constexpr double kTitleWidth = 300;
    QImage image = blank(kTitleSize);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    QLinearGradient night(0, 0, 0, kTitleSize.height() - kBandRows);
    night.setColorAt(0, QColor(kNight));
    night.setColorAt(1, Qt::black);
    painter.fillRect(QRect(0, 0, kTitleSize.width(), kTitleSize.height() - kBandRows), night);

    QPainterPath title = textOutline(
        requireBoldFont(QStringLiteral("Liberation Serif")), QStringLiteral("Вертан"), kLetterSize);
    const QRectF bounds = title.boundingRect();
    title.translate((kTitleWidth - bounds.width()) / 2 - bounds.left(),
        (kTitleSize.height() - kBandRows - bounds.height()) / 2 - bounds.top());
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0, 0, 0, 200));
    painter.drawPath(title.translated(2, 2));
    painter.setBrush(goldDown(title.boundingRect().top(), title.boundingRect().bottom()));
    painter.setPen(QPen(QColor(120, 80, 24), 0.8));
    painter.drawPath(title);
    paintCloseBox(painter);
    return image;
}

QImage paintSuits()
{
    /// Suit symbols: pixel size and the distance between their centres; the gold rules either
    /// side keep this distance from the picture's ends (pixels).
    constexpr double kSymbolSize = 30;
    constexpr double kSpacing = 44;
    constexpr double kRuleMargin = 16;
    constexpr std::array<char16_t, kSuitCount> kSymbols { u'\u2665', u'\u2666', u'\u2660', u'\u2663' };
    QImage image = blank(kSuitsSize);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    QLinearGradient night(0, kBandRows, 0, kSuitsSize.height());
    night.setColorAt(0, Qt::black);
    night.setColorAt(1, QColor(kNight));
    painter.fillRect(QRect(0, kBandRows, kSuitsSize.width(), kSuitsSize.height() - kBandRows), night);

    const QFont font = requireBoldFont(QStringLiteral("Liberation Serif"));
    const double middle = (kSuitsSize.height() + kBandRows) / 2.0;
    const double firstCentre = kSuitsSize.width() / 2.0 - kSpacing * (kSuitCount - 1) / 2;
    painter.setPen(Qt::NoPen);
    for (int suit = 1; suit <= kSuitCount; ++suit) {
        QPainterPath symbol = textOutline(font, QString(QChar(kSymbols[suit - 1])), kSymbolSize);
        const QRectF bounds = symbol.boundingRect();
        symbol.translate(
            firstCentre + kSpacing * (suit - 1) - bounds.center().x(), middle - bounds.center().y());
        painter.setBrush(suit <= 2 ? QColor(222, 44, 44) : QColor(226, 228, 238));
        painter.drawPath(symbol);
    }
    const double ruleLength = firstCentre - kSpacing / 2 - kRuleMargin;
    const double right = kSuitsSize.width() - kRuleMargin;
    painter.setPen(QPen(QBrush(goldDown(middle - 1, middle + 1)), 1.5));
    painter.drawLine(QPointF(kRuleMargin, middle), QPointF(kRuleMargin + ruleLength, middle));
    painter.drawLine(QPointF(right - ruleLength, middle), QPointF(right, middle));
    return image;
}

} // namespace

AboutPictures paintAboutPictures()
{
    return { paintFan(), paintTitle(), paintSuits() };
}

} // namespace datagen
