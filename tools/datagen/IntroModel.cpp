#include "IntroModel.h"

#include "Failure.h"
#include "IntroShapes.h"
#include "Output.h"
#include "Writers.h"

#include <QString>

#include <cmath>
#include <numbers>

namespace datagen {
namespace {

/// Where the model stands in the 970 x 700 frame. The game turns the whole picture by some 130
/// degrees about a nearly upright axis while it zooms in, so the model ends seen from behind,
/// mirrored and moved: this spot and depth bring it to the middle of a 640 x 445 window (the
/// game's first size) at the last frame. The depth also brings it nearer the light, which shines
/// from (100, 100, 100) along the polygons' default normal (0, 0, 1): at depth 0 the picture
/// would be lit at little more than a third of its colours.
const QPointF kStageCentre(648, 231);
constexpr double kStageDepth = -150;

constexpr Rgb kCardFace { 1.0, 0.98, 0.9 };
constexpr Rgb kRedPip { 0.9, 0.05, 0.05 };
constexpr Rgb kBlackPip { 0.08, 0.08, 0.12 };
constexpr Rgb kBackColour { 0.12, 0.2, 0.65 };
constexpr Rgb kBackFrame { 0.9, 0.9, 1.0 };
constexpr Rgb kBackPattern { 0.95, 0.75, 0.2 };
constexpr Rgb kPlateColour { 0.6, 0.06, 0.08 };
constexpr Rgb kLetterColour { 1.0, 0.85, 0.3 };
constexpr Rgb kBarColour { 0.9, 0.9, 0.85 };
constexpr Rgb kBarTrack { 0.25, 0.25, 0.25 };

/// Offsets below are from the stage centre, in frame pixels.
/// The fan of four aces: cards turn about a pivot below them.
constexpr double kCardWidth = 104;
constexpr double kCardHeight = 146;
constexpr double kCardCorner = 9;
const QPointF kFanPivot(0, 200);
constexpr double kFanRadius = 180; ///< pivot to card centre
constexpr double kFanStep = 22; ///< degrees between cards
constexpr int kFanSuits[] = { 3, 1, 4, 2 };
constexpr double kFanLayer = 6; ///< each next card lies this much nearer the viewer
constexpr double kPipSize = 52;
constexpr double kIndexPipSize = 17;
const QPointF kIndexPip(-kCardWidth / 2 + 14, -kCardHeight / 2 + 16);
const Outline kBackLozenge { { 0, -48 }, { 30, 0 }, { 0, 48 }, { -30, 0 } };

/// The title plate with "ВЕРТАН" on both sides, each side readable from its own side.
const QPointF kPlateCentre(0, -150);
constexpr double kPlateWidth = 440;
constexpr double kPlateHeight = 84;
constexpr double kPlateCorner = 14;
constexpr double kLetterSize = 52; ///< letter width; the height is 1.4 times that
constexpr double kLetterGap = 12;
constexpr double kLetterLift = 5; ///< letters stand this far off the plate

/// The progress bar under the fan.
const QPointF kBarCentre(0, 160);
constexpr double kSegmentWidth = 40;
constexpr double kSegmentHeight = 16;
constexpr double kSegmentGap = 4;

QPointF onStage(QPointF offset)
{
    return kStageCentre + offset;
}

Rgb pipColour(int suit)
{
    return suit <= 2 ? kRedPip : kBlackPip;
}

/// One card, face and back: the face with the suit's pip in the middle and in two corners, the
/// back a framed blue panel with a gold lozenge.
void addCard(std::vector<ModelPolygon>& model, int suit, QPointF centre, double degrees, double z)
{
    const auto at = [&](QPointF local, double scale, double depth) {
        const double a = degrees * std::numbers::pi / 180;
        return Placement { { centre.x() + local.x() * std::cos(a) - local.y() * std::sin(a),
                               centre.y() + local.x() * std::sin(a) + local.y() * std::cos(a) },
            degrees, scale, depth };
    };
    addFlat(model, cutRectangle(kCardWidth, kCardHeight, kCardCorner), at({}, 1, z), kCardFace);
    for (const Outline& piece : suitPieces(suit)) {
        addFlat(model, piece, at({}, kPipSize, z + 1), pipColour(suit));
        addFlat(model, piece, at(kIndexPip, kIndexPipSize, z + 1), pipColour(suit));
        addFlat(model, piece, at(-kIndexPip, kIndexPipSize, z + 1), pipColour(suit));
    }
    addFlat(model, cutRectangle(kCardWidth, kCardHeight, kCardCorner), at({}, 1, z - 2), kBackFrame);
    addFlat(
        model, cutRectangle(kCardWidth - 12, kCardHeight - 12, kCardCorner), at({}, 1, z - 3), kBackColour);
    addFlat(model, kBackLozenge, at({}, 1, z - 4), kBackPattern);
}

void addFan(std::vector<ModelPolygon>& model)
{
    constexpr int kCards = std::size(kFanSuits);
    for (int i = 0; i < kCards; ++i) {
        const double degrees = (i - (kCards - 1) / 2.0) * kFanStep;
        const double a = degrees * std::numbers::pi / 180;
        const QPointF centre
            = onStage(kFanPivot + QPointF(kFanRadius * std::sin(a), -kFanRadius * std::cos(a)));
        addCard(model, kFanSuits[i], centre, degrees, kStageDepth + i * kFanLayer);
    }
}

void addTitle(std::vector<ModelPolygon>& model)
{
    const std::u16string title = u"ВЕРТАН";
    const QPointF plate = onStage(kPlateCentre);
    addFlat(model, cutRectangle(kPlateWidth, kPlateHeight, kPlateCorner), { plate, 0, 1, kStageDepth },
        kPlateColour);
    const double width = title.size() * kLetterSize + (title.size() - 1) * kLetterGap;
    const double top = plate.y() - 0.7 * kLetterSize;
    for (std::size_t i = 0; i < title.size(); ++i) {
        const double left = plate.x() - width / 2 + i * (kLetterSize + kLetterGap);
        // Seen from behind, the back's letters stand in mirror order and mirrored, so they read.
        const double mirroredLeft = plate.x() + width / 2 - i * (kLetterSize + kLetterGap);
        for (const Outline& stroke : letterStrokes(title[i])) {
            addFlat(
                model, stroke, { { left, top }, 0, kLetterSize, kStageDepth + kLetterLift }, kLetterColour);
            addFlat(model, stroke, { { mirroredLeft, top }, 0, kLetterSize, kStageDepth - kLetterLift },
                kLetterColour, true);
        }
    }
}

void addProgressBar(std::vector<ModelPolygon>& model)
{
    const QPointF bar = onStage(kBarCentre);
    const double width = kProgressQuads * kSegmentWidth + (kProgressQuads + 1) * kSegmentGap;
    addFlat(model, rectangle(width, kSegmentHeight + 2 * kSegmentGap), { bar, 0, 1, kStageDepth }, kBarTrack);
    // The loading fills the bar from the right of the model, which the last frame shows mirrored
    // on the left of the window.
    for (int k = 0; k < kProgressQuads; ++k) {
        const double x
            = bar.x() + width / 2 - kSegmentGap - k * (kSegmentWidth + kSegmentGap) - kSegmentWidth / 2;
        addFlat(model, rectangle(kSegmentWidth, kSegmentHeight), { { x, bar.y() }, 0, 1, kStageDepth + 1 },
            kBarColour);
    }
}

QByteArray number(double value, int decimals)
{
    return QByteArray::number(value, 'f', decimals);
}

QByteArray colourText(const Rgb& colour)
{
    return number(colour[0], 3) + ' ' + number(colour[1], 3) + ' ' + number(colour[2], 3);
}

} // namespace

std::vector<ModelPolygon> introModel()
{
    std::vector<ModelPolygon> model;
    addTitle(model);
    addFan(model);
    addProgressBar(model);
    return model;
}

QByteArray introModelText(const std::vector<ModelPolygon>& polygons)
{
    QByteArray text = colourText(polygons.front().colour) + '\n';
    for (std::size_t p = 0; p < polygons.size(); ++p) {
        const auto& vertices = polygons[p].vertices;
        // A polygon's closing record carries the colour of the polygon after it.
        const Rgb& next = p + 1 < polygons.size() ? polygons[p + 1].colour : polygons[p].colour;
        for (std::size_t v = 0; v < vertices.size(); ++v) {
            const bool closes = v + 1 == vertices.size();
            text += (closes ? "1 " : "0 ") + colourText(closes ? next : polygons[p].colour) + ' '
                + number(vertices[v].x, 2) + ' ' + number(vertices[v].y, 2) + ' ' + number(vertices[v].z, 2)
                + '\n';
        }
    }
    return text;
}

void writeIntroModel(const Output& out)
{
    const auto model = introModel();
    std::size_t vertices = 0;
    for (const auto& polygon : model)
        vertices += polygon.vertices.size();
    if (vertices > kMaxIntroVertices)
        failGeneration(QStringLiteral("the intro model has %1 vertices, the game reads %2")
                           .arg(vertices)
                           .arg(kMaxIntroVertices));
    out.write(QStringLiteral("Zastavka.zst"), introModelText(model));
}

} // namespace datagen
