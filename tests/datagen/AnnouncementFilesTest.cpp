#include "ListFiles.h"

#include "app/files/ImageData.h"
#include "app/files/ImageDataFiles.h"

#include <QRect>

#include <gtest/gtest.h>

#include <limits>
#include <set>
#include <utility>

namespace {

constexpr int kSheetPairs = 50784;
constexpr int kGlyphPairs = 452 + 624 + 596 + 508;

/// Reads a program-folder file through the game's own reader.
DataFault readThroughGame(ImageDataFile file)
{
    QFile data(programFile(ImageDataFileName(file)));
    if (!data.open(QIODevice::ReadOnly))
        return DataFault::Missing;
    const QByteArray text = data.readAll();
    platform::MemoryDC faces;
    return ReadImageData(
        file, std::string_view(text.constData(), static_cast<std::size_t>(text.size())), faces);
}

/// Collects what is wrong with a point list: a point outside `area` (as drawn, and once more
/// moved by each of `shifts`), a point twice, or rows out of order.
template <typename Table>
std::string faultsOf(
    const Table& xs, const Table& ys, int count, const QRect& area, std::initializer_list<QPoint> shifts)
{
    std::string faults;
    std::set<std::pair<int, int>> seen;
    for (int k = 1; k <= count; ++k) {
        const QPoint p(xs[static_cast<std::size_t>(k)], ys[static_cast<std::size_t>(k)]);
        for (const QPoint shift : shifts)
            if (!area.contains(p + shift))
                faults += " (" + std::to_string(p.x()) + "," + std::to_string(p.y()) + ") leaves its area;";
        if (!seen.insert({ p.x(), p.y() }).second)
            faults += " (" + std::to_string(p.x()) + "," + std::to_string(p.y()) + ") twice;";
        if (k > 1 && p.y() < ys[static_cast<std::size_t>(k - 1)])
            faults += " row " + std::to_string(p.y()) + " after a lower row;";
    }
    return faults;
}

/// The top and bottom rows of image n's first letter, relative to its anchor: the ink of the
/// columns from its left edge up to the first empty column.
std::pair<int, int> firstLetterRows(int n)
{
    const auto& xs = g_announcementPointX[static_cast<std::size_t>(n)];
    const auto& ys = g_announcementPointY[static_cast<std::size_t>(n)];
    const int count = g_announcementPointCount[static_cast<std::size_t>(n)];
    std::set<int> columns;
    for (int k = 1; k <= count; ++k)
        columns.insert(xs[static_cast<std::size_t>(k)]);
    int end = *columns.begin();
    while (columns.contains(end))
        ++end;
    int top = std::numeric_limits<int>::max();
    int bottom = std::numeric_limits<int>::min();
    for (int k = 1; k <= count; ++k) {
        if (xs[static_cast<std::size_t>(k)] < end) {
            top = std::min(top, ys[static_cast<std::size_t>(k)]);
            bottom = std::max(bottom, ys[static_cast<std::size_t>(k)]);
        }
    }
    return { top, bottom };
}

} // namespace

TEST(AnnouncementFiles, SheetAndGlyphsHoldExactlyTheirPairsAndTheGameReadsThem)
{
    EXPECT_EQ(readNumbers(QStringLiteral("Opovechenie/Opov.opv")).size(), std::size_t { 2 * kSheetPairs });
    EXPECT_EQ(readNumbers(QStringLiteral("Opovechenie/Mast.mst")).size(), std::size_t { 2 * kGlyphPairs });
    ASSERT_EQ(readThroughGame(ImageDataFile::AnnouncementSheet), DataFault::None);
    ASSERT_EQ(readThroughGame(ImageDataFile::SuitGlyphs), DataFault::None);
    EXPECT_EQ(g_aboutLink1Count, 471);
    EXPECT_EQ(g_aboutLink2Count, 697);
    EXPECT_EQ(g_announcementPointCount[1], 1469);
    EXPECT_EQ(g_announcementPointCount[35], 600);
    EXPECT_EQ(g_announcementPointCount[37], 1083);
}

TEST(AnnouncementFiles, EveryImageStaysInsideItsBandInEveryStyle)
{
    ASSERT_EQ(readThroughGame(ImageDataFile::AnnouncementSheet), DataFault::None);
    for (int n = 1; n <= 37; ++n) {
        const int w = g_announcementHalfWidth[static_cast<std::size_t>(n)];
        // The erase band of an image is (x - w, y - 20), 2w by 40. The outlined style adds a pass one
        // pixel up and left, the raised style passes up to three pixels down and right.
        const QRect band(-w, -20, 2 * w, 40);
        const auto& xs = g_announcementPointX[static_cast<std::size_t>(n)];
        const auto& ys = g_announcementPointY[static_cast<std::size_t>(n)];
        EXPECT_EQ(faultsOf(xs, ys, g_announcementPointCount[static_cast<std::size_t>(n)], band,
                      { QPoint(0, 0), QPoint(-1, -1), QPoint(3, 3) }),
            "")
            << "image " << n;
        // A caption that is not centred would stand beside its button.
        int left = w;
        int right = -w;
        for (int k = 1; k <= g_announcementPointCount[static_cast<std::size_t>(n)]; ++k) {
            left = std::min(left, xs[static_cast<std::size_t>(k)]);
            right = std::max(right, xs[static_cast<std::size_t>(k)]);
        }
        EXPECT_LE(std::abs(left + right), 4) << "image " << n << " spans " << left << ".." << right;
    }
}

TEST(AnnouncementFiles, AboutCaptionsLieInTheirLinksRaisedOrNot)
{
    ASSERT_EQ(readThroughGame(ImageDataFile::AnnouncementSheet), DataFault::None);
    // Client pixels of the about box: the links' hit areas, inside the black band (237, 81)..(579, 126)
    // whose one-pixel border is black too. The highlight draws every point again one pixel right and down.
    const QRect link1(238, 82, 371 - 238, 103 - 82);
    const QRect link2(238, 109, 430 - 238, 127 - 109);
    EXPECT_EQ(
        faultsOf(g_aboutLink1X, g_aboutLink1Y, g_aboutLink1Count, link1, { QPoint(0, 0), QPoint(1, 1) }), "");
    EXPECT_EQ(
        faultsOf(g_aboutLink2X, g_aboutLink2Y, g_aboutLink2Count, link2, { QPoint(0, 0), QPoint(1, 1) }), "");
}

TEST(AnnouncementFiles, SuitGlyphsFillTheirButtonsWithoutLeavingThem)
{
    ASSERT_EQ(readThroughGame(ImageDataFile::SuitGlyphs), DataFault::None);
    // A suit button is (x - 25, y - 20, x + 13, y + 22) around the glyph's origin; the trump mark copies
    // the same 38 x 42 rectangle; the hover highlight draws the glyph one pixel right and down.
    const QRect button(-25, -20, 38, 42);
    for (int suit = 1; suit <= 4; ++suit) {
        const auto& xs = g_suitGlyphX[static_cast<std::size_t>(suit)];
        const auto& ys = g_suitGlyphY[static_cast<std::size_t>(suit)];
        const int count = g_suitGlyphCount[static_cast<std::size_t>(suit)];
        EXPECT_EQ(faultsOf(xs, ys, count, button, { QPoint(0, 0), QPoint(1, 1) }), "") << "suit " << suit;
        QRect ink;
        for (int k = 1; k <= count; ++k)
            ink |= QRect(xs[static_cast<std::size_t>(k)], ys[static_cast<std::size_t>(k)], 1, 1);
        // Big enough to hit with the pointer, and standing in the middle of the button.
        EXPECT_GE(ink.height(), 24) << "suit " << suit;
        EXPECT_LE(std::abs(ink.center().x() - button.center().x()), 2) << "suit " << suit;
        EXPECT_LE(std::abs(ink.center().y() - button.center().y()), 2) << "suit " << suit;
    }
}

TEST(AnnouncementFiles, ImagesOfOneSetShareTheirLetterSize)
{
    ASSERT_EQ(readThroughGame(ImageDataFile::AnnouncementSheet), DataFault::None);
    // The answer buttons stand side by side: every caption's capital spans the same rows, however
    // many points its words have.
    for (int n = 29; n <= 34; ++n)
        EXPECT_EQ(firstLetterRows(n), firstLetterRows(28)) << "image " << n;
    // Images shown together or in each other's place: the suit offered, the declarations (the
    // computer's above the human's), the computer's first bid, the suit it names, six trumps. A
    // bolder image of a set may reach a row further.
    const std::initializer_list<std::initializer_list<int>> sets { { 3, 4, 5, 6 }, { 10, 11, 12, 23, 24, 25 },
        { 15, 16 }, { 18, 19, 20, 21 }, { 36, 37 } };
    for (const auto& set : sets) {
        const auto [top, bottom] = firstLetterRows(*set.begin());
        for (const int n : set) {
            EXPECT_LE(std::abs(firstLetterRows(n).first - top), 1) << "image " << n;
            EXPECT_LE(std::abs(firstLetterRows(n).second - bottom), 1) << "image " << n;
        }
    }
}
