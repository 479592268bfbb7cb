#include "AnnouncementTexts.h"
#include "Captions.h"
#include "Failure.h"
#include "ListText.h"
#include "Output.h"
#include "SuitGlyphs.h"
#include "Writers.h"

#include <QByteArray>
#include <QPoint>

#include <array>
#include <vector>

namespace datagen {
namespace {

/// Where image n lies in the image sheet: its first pair number (from 1) and its anchor, the
/// sheet point that the game subtracts from its pairs. An image runs to the pair before the next.
struct SheetImage {
    int firstPair;
    QPoint anchor;
};

constexpr int kImageColumnX = 380;
constexpr int kSecondColumnX = 395;
constexpr int kThirdColumnX = 397;

const std::array<SheetImage, kAnnouncementImages + 1> kSheet { {
    { 0, {} },
    { 1, { kImageColumnX, 60 } },
    { 1470, { kImageColumnX, 97 } },
    { 2860, { kImageColumnX, 134 } },
    { 4466, { kImageColumnX, 171 } },
    { 6041, { kImageColumnX, 208 } },
    { 7491, { kImageColumnX, 245 } },
    { 9208, { kImageColumnX, 282 } },
    { 10748, { kImageColumnX, 319 } },
    { 12183, { kImageColumnX, 356 } },
    { 13729, { kImageColumnX, 393 } },
    { 15243, { kImageColumnX, 430 } },
    { 16880, { kImageColumnX, 467 } },
    { 19031, { kImageColumnX, 504 } },
    { 20497, { kImageColumnX, 541 } },
    { 22169, { kImageColumnX, 578 } },
    { 22552, { kImageColumnX, 615 } },
    { 23184, { kSecondColumnX, 60 } },
    { 24175, { kSecondColumnX, 97 } },
    { 25386, { kSecondColumnX, 134 } },
    { 26566, { kSecondColumnX, 171 } },
    { 27621, { kSecondColumnX, 208 } },
    { 28943, { kSecondColumnX, 245 } },
    { 30221, { kSecondColumnX, 282 } },
    { 31467, { kSecondColumnX, 319 } },
    { 32836, { kSecondColumnX, 356 } },
    { 34719, { kSecondColumnX, 393 } },
    { 35917, { kSecondColumnX, 430 } },
    { 37321, { kSecondColumnX, 467 } },
    { 37874, { kSecondColumnX, 504 } },
    { 38162, { kSecondColumnX, 541 } },
    { 38759, { kSecondColumnX, 578 } },
    { 39510, { kSecondColumnX, 615 } },
    { 40326, { kThirdColumnX, 60 } },
    { 41323, { kThirdColumnX, 97 } },
    { 42023, { 503, 397 } },
    { 42623, { 527, 343 } },
    { 43610, { 540, 352 } },
} };

/// First pair after image 37: one pair the game reads and drops.
constexpr int kDroppedPair = 44693;
/// Pairs the game reads and never uses, between the dropped pair and the about captions.
constexpr int kUnusedPairs = 4923;
/// Pairs of the two about-box captions, and the anchors the game subtracts from them.
constexpr int kMailCaptionPairs = 471;
constexpr int kWebCaptionPairs = 697;
constexpr QPoint kMailCaptionAnchor(252, 265);
constexpr QPoint kWebCaptionAnchor(220, 227);
/// The whole sheet, in pairs.
constexpr std::size_t kSheetPairs = 50784;

/// Half the width of image n, in pixels: the game's button rectangles and erase bands use it.
constexpr std::array<int, kAnnouncementImages + 1> kHalfWidth { 0, 190, 190, 190, 190, 190, 190, 190, 190,
    190, 190, 190, 190, 190, 190, 190, 190, 190, 190, 190, 190, 190, 190, 190, 190, 190, 190, 190, 43, 25, 45,
    60, 65, 85, 60, 80, 100, 100 };
/// An image band is 40 rows, y -20..19 around the anchor.
constexpr int kBandTop = -20;
constexpr int kBandHeight = 40;
/// The styles draw extra passes up to one pixel up and left (outlined) and up to three
/// pixels down and right (raised); the image keeps that much room inside its band.
constexpr int kStyleReachBefore = 1;
constexpr int kStyleReachAfter = 3;

/// The about box's link areas in its client pixels, less a pixel for the frame of the black
/// band and a pixel for the raised highlight, so the captions stay inside what is clickable.
const QRect kMailCaptionArea(239, 83, 131, 19);
const QRect kWebCaptionArea(239, 110, 190, 16);

/// Announcements in a bold serif, like the game's own text; the small link captions in a bold
/// sans, whose plain strokes stay legible at 15 pixels.
constexpr CaptionStyle kAnnouncementStyle { "Liberation Serif", CaptionAlign::Centre };
constexpr CaptionStyle kLinkStyle { "Liberation Sans", CaptionAlign::Left };

/// Images that stand on the table together or take each other's place there share one letter
/// size, so that no word of a set looks larger than its neighbour; every other image is set alone.
const std::array<std::vector<int>, 6> kSameSizeSets { {
    { 3, 4, 5, 6 }, // the turned-up suit offered as trump
    { 10, 11, 12, 23, 24, 25 }, // the declarations: the computer's stands above the human's
    { 15, 16 }, // the computer's first bid
    { 18, 19, 20, 21 }, // the suit the computer names
    { 28, 29, 30, 31, 32, 33, 34 }, // the answer buttons, two side by side in a prompt
    { 36, 37 }, // six trumps, the human's or the computer's
} };

/// Pairs of the glyphs of suits 1..4 in "Mast.mst", and the sheet point the game subtracts.
constexpr std::array<int, kSuits + 1> kGlyphPairs { 0, 452, 624, 596, 508 };
constexpr QPoint kGlyphAnchor(498, 404);

int pairsOfImage(int n)
{
    const int next
        = n < kAnnouncementImages ? kSheet[static_cast<std::size_t>(n + 1)].firstPair : kDroppedPair;
    return next - kSheet[static_cast<std::size_t>(n)].firstPair;
}

/// The area an image's pixels may fill, relative to its anchor.
QRect imageArea(int n)
{
    const int half = kHalfWidth[static_cast<std::size_t>(n)];
    return QRect(-half + kStyleReachBefore, kBandTop + kStyleReachBefore,
        2 * half - kStyleReachBefore - kStyleReachAfter, kBandHeight - kStyleReachBefore - kStyleReachAfter);
}

Caption imageCaption(int n)
{
    return { QString::fromUtf8(kAnnouncementText[static_cast<std::size_t>(n)]), pairsOfImage(n),
        imageArea(n) };
}

/// The pixels of images 1..37 around their anchors.
std::array<PixelList, kAnnouncementImages + 1> announcementPixels()
{
    std::array<PixelList, kAnnouncementImages + 1> images;
    for (const std::vector<int>& set : kSameSizeSets) {
        std::vector<Caption> captions;
        for (const int n : set)
            captions.push_back(imageCaption(n));
        const std::vector<PixelList> pixels = captionSetPixels(captions, kAnnouncementStyle);
        for (std::size_t k = 0; k < set.size(); ++k)
            images[static_cast<std::size_t>(set[k])] = pixels[k];
    }
    // Every image has pixels, so an empty one belongs to no set.
    for (int n = 1; n <= kAnnouncementImages; ++n) {
        PixelList& image = images[static_cast<std::size_t>(n)];
        if (image.empty())
            image = captionPixels(imageCaption(n), kAnnouncementStyle);
    }
    return images;
}

QByteArray imageSheet()
{
    PixelList sheet;
    // Pictures go onto the sheet at their anchors, which the game subtracts again.
    const auto append = [&sheet](const PixelList& pixels, QPoint anchor) {
        const PixelList placed = shifted(pixels, anchor.x(), anchor.y());
        sheet.insert(sheet.end(), placed.begin(), placed.end());
    };
    const auto images = announcementPixels();
    for (int n = 1; n <= kAnnouncementImages; ++n) {
        const auto i = static_cast<std::size_t>(n);
        append(images[i], kSheet[i].anchor);
    }
    // The dropped pair and the unused part carry nothing: repeat the sheet's first pairs.
    const PixelList filler(sheet.begin(), sheet.begin() + 1 + kUnusedPairs);
    sheet.insert(sheet.end(), filler.begin(), filler.end());
    append(captionPixels(
               { QString::fromUtf8(kAboutMailCaption), kMailCaptionPairs, kMailCaptionArea }, kLinkStyle),
        kMailCaptionAnchor);
    append(
        captionPixels({ QString::fromUtf8(kAboutWebCaption), kWebCaptionPairs, kWebCaptionArea }, kLinkStyle),
        kWebCaptionAnchor);
    if (sheet.size() != kSheetPairs)
        failGeneration(
            QStringLiteral("the image sheet holds %1 pairs, not %2").arg(sheet.size()).arg(kSheetPairs));
    ListText text(kSheetPairs);
    for (const QPoint p : sheet)
        text.appendPoint(p, {});
    return text.bytes();
}

QByteArray suitGlyphs()
{
    ListText text(kGlyphPairs[1] + kGlyphPairs[2] + kGlyphPairs[3] + kGlyphPairs[4]);
    for (int suit = 1; suit <= kSuits; ++suit)
        for (const QPoint p : suitGlyphPixels(suit, kGlyphPairs[static_cast<std::size_t>(suit)]))
            text.appendPoint(p, kGlyphAnchor);
    return text.bytes();
}

} // namespace

void writeAnnouncements(const Output& out)
{
    out.write(QStringLiteral("Opovechenie/Opov.opv"), imageSheet());
    out.write(QStringLiteral("Opovechenie/Mast.mst"), suitGlyphs());
}

} // namespace datagen
