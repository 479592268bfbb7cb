#include "ListFiles.h"

#include <gtest/gtest.h>

#include <array>
#include <set>

namespace {

constexpr QSize kUpright(71, 96);
constexpr QSize kSideways(96, 71);
constexpr int kCardPoints = 6804;
constexpr int kFaces = 32;
constexpr int kBacks = 8;
constexpr QPoint kUprightOrigin(454, 358);
constexpr QPoint kSidewaysOrigin(442, 370);

/// The 12 corner pixels the game paints in the table colour.
const std::set<std::pair<int, int>> kUprightCorners { { 0, 0 }, { 1, 0 }, { 0, 1 }, { 69, 0 }, { 70, 0 },
    { 70, 1 }, { 0, 94 }, { 0, 95 }, { 1, 95 }, { 70, 94 }, { 69, 95 }, { 70, 95 } };
const std::set<std::pair<int, int>> kSidewaysCorners { { 0, 0 }, { 1, 0 }, { 0, 1 }, { 94, 0 }, { 95, 0 },
    { 95, 1 }, { 0, 69 }, { 0, 70 }, { 1, 70 }, { 95, 69 }, { 94, 70 }, { 95, 70 } };

std::vector<QPoint> uprightPoints()
{
    return readPoints(QStringLiteral("Karta/Karta0.krt"), kUprightOrigin);
}

std::vector<QPoint> sidewaysPoints()
{
    return readPoints(QStringLiteral("Ryb/R90gr.rbk"), kSidewaysOrigin);
}

/// Every pixel of the card but its corners, each exactly once.
void expectCornerFreeCover(
    const std::vector<QPoint>& points, QSize size, const std::set<std::pair<int, int>>& corners)
{
    ASSERT_EQ(points.size(), static_cast<std::size_t>(kCardPoints));
    std::set<std::pair<int, int>> seen;
    for (const QPoint p : points) {
        ASSERT_TRUE(p.x() >= 0 && p.x() < size.width() && p.y() >= 0 && p.y() < size.height())
            << p.x() << ", " << p.y();
        EXPECT_FALSE(corners.count({ p.x(), p.y() })) << "corner " << p.x() << ", " << p.y();
        EXPECT_TRUE(seen.insert({ p.x(), p.y() }).second) << "twice " << p.x() << ", " << p.y();
    }
    EXPECT_EQ(seen.size() + corners.size(), static_cast<std::size_t>(size.width() * size.height()));
}

/// The card's outline and the cut corners' diagonal are dark: the card stands out crisply.
void expectCrispEdge(const QImage& card, const char* what, int index)
{
    const int w = card.width();
    const int h = card.height();
    const std::array<QPoint, 8> edge { QPoint(w / 2, 0), QPoint(w / 2, h - 1), QPoint(0, h / 2),
        QPoint(w - 1, h / 2), QPoint(1, 1), QPoint(w - 2, 1), QPoint(1, h - 2), QPoint(w - 2, h - 2) };
    for (const QPoint p : edge)
        EXPECT_LT(qGray(card.pixel(p)), 64) << what << ' ' << index << " at " << p.x() << ", " << p.y();
}

int strongRedCount(const QImage& image, const QRect& area)
{
    int count = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            count += isStrongRed(image.pixel(x, y)) ? 1 : 0;
    return count;
}

} // namespace

TEST(CardFiles, PointListsCoverTheCardsWithoutTheirCorners)
{
    expectCornerFreeCover(uprightPoints(), kUpright, kUprightCorners);
    expectCornerFreeCover(sidewaysPoints(), kSideways, kSidewaysCorners);
}

TEST(CardFiles, ColourListsHoldWholeImagesOfWindowsColours)
{
    for (const auto& [file, images] : { std::pair { "Karta/Karta.krt", kFaces },
             std::pair { "Ryb/Ryb0.rbk", kBacks }, std::pair { "Ryb/Ryb90.rbk", kBacks } }) {
        const std::vector<long long> colours = readNumbers(QString::fromLatin1(file));
        EXPECT_EQ(colours.size(), static_cast<std::size_t>(images * kCardPoints)) << file;
        for (const long long colour : colours)
            ASSERT_TRUE(colour >= 0 && colour <= 0xffffff) << file << ": " << colour;
    }
}

TEST(CardFiles, FacesShowTheirSuitColourAndACrispEdge)
{
    const std::vector<long long> colours = readNumbers(QStringLiteral("Karta/Karta.krt"));
    const std::vector<QPoint> points = uprightPoints();
    /// The rank and suit index in the top left corner.
    const QRect index(1, 1, 12, 26);
    for (int identifier = 1; identifier <= kFaces; ++identifier) {
        const QImage face = paintBlock(points, colours, identifier - 1, kUpright);
        const int suit = (identifier - 1) % 4 + 1;
        const int rank = (identifier - 1) / 4;
        const bool court = rank >= 4 && rank <= 6;
        if (suit <= 2) {
            EXPECT_GT(strongRedCount(face, index), 10) << "card " << identifier;
        } else {
            EXPECT_EQ(strongRedCount(face, index), 0) << "card " << identifier;
            if (!court) {
                EXPECT_EQ(strongRedCount(face, face.rect()), 0) << "card " << identifier;
            }
        }
        expectCrispEdge(face, "face", identifier);
    }
}

TEST(CardFiles, FacesAreAllDifferent)
{
    const std::vector<long long> colours = readNumbers(QStringLiteral("Karta/Karta.krt"));
    const std::vector<QPoint> points = uprightPoints();
    std::vector<QImage> faces;
    for (int f = 0; f < kFaces; ++f)
        faces.push_back(paintBlock(points, colours, f, kUpright));
    for (int a = 0; a < kFaces; ++a)
        for (int b = a + 1; b < kFaces; ++b)
            EXPECT_NE(faces[a], faces[b]) << "cards " << a + 1 << " and " << b + 1;
}

TEST(CardFiles, SidewaysBacksAreTheUprightBacksTurned)
{
    const std::vector<long long> upright = readNumbers(QStringLiteral("Ryb/Ryb0.rbk"));
    const std::vector<long long> sideways = readNumbers(QStringLiteral("Ryb/Ryb90.rbk"));
    const std::vector<QPoint> uprightAt = uprightPoints();
    const std::vector<QPoint> sidewaysAt = sidewaysPoints();
    std::vector<QImage> backs;
    for (int b = 0; b < kBacks; ++b) {
        const QImage back = paintBlock(uprightAt, upright, b, kUpright);
        const QImage turned = paintBlock(sidewaysAt, sideways, b, kSideways);
        // A quarter turn clockwise: the upright card's left edge becomes the sideways card's top.
        int mismatches = 0;
        for (const QPoint p : uprightAt)
            mismatches += back.pixel(p) != turned.pixel(kUpright.height() - 1 - p.y(), p.x()) ? 1 : 0;
        EXPECT_EQ(mismatches, 0) << "back " << b + 1;
        expectCrispEdge(back, "back", b + 1);
        expectCrispEdge(turned, "sideways back", b + 1);
        backs.push_back(back);
    }
    /// Mean difference, summed over the three channels, that tells two backs apart at a glance.
    constexpr double kClearlyDifferent = 60;
    for (int a = 0; a < kBacks; ++a)
        for (int b = a + 1; b < kBacks; ++b)
            EXPECT_GT(meanDifference(backs[a], backs[b]), kClearlyDifferent)
                << "backs " << a + 1 << ", " << b + 1;
}

TEST(CardFiles, BackThumbnailsShowTheBacksWithSeeThroughCorners)
{
    const std::vector<long long> colours = readNumbers(QStringLiteral("Ryb/Ryb0.rbk"));
    const std::vector<QPoint> points = uprightPoints();
    for (int b = 1; b <= kBacks; ++b) {
        const QImage thumbnail(programFile(QStringLiteral("Pictures/back%1.png").arg(b)));
        ASSERT_EQ(thumbnail.size(), kUpright) << "back " << b;
        const QImage back = paintBlock(points, colours, b - 1, kUpright);
        for (int y = 0; y < kUpright.height(); ++y) {
            for (int x = 0; x < kUpright.width(); ++x) {
                const QRgb shown = thumbnail.pixel(x, y);
                if (kUprightCorners.count({ x, y }))
                    EXPECT_EQ(qAlpha(shown), 0) << "back " << b << " corner " << x << ", " << y;
                else
                    ASSERT_EQ(shown, back.pixel(x, y)) << "back " << b << " at " << x << ", " << y;
            }
        }
    }
}
