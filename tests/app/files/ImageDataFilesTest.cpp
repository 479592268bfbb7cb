#include "support/ImageFileTexts.h"

#include "app/drawing/ImagePainting.h"
#include "app/files/ImageData.h"
#include "app/files/ImageDataFiles.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

namespace {

using platform::COLORREF;
using platform::RGB;

constexpr int kPoints = 6804;

COLORREF FaceColour(int face, int point)
{
    return RGB(face, point % 256, point / 256);
}
COLORREF BackColour(int back, int point)
{
    return static_cast<COLORREF>(back * 100000 + point);
}
COLORREF BackgroundColour(int background, int point)
{
    return static_cast<COLORREF>(background * 1000000 + point);
}

/// The image data files read from texts the test builds, into a faces bitmap of the game's size.
class ImageDataFilesTest : public ::testing::Test {
protected:
    DataFault read(ImageDataFile file, const QByteArray& text)
    {
        return ReadImageData(
            file, std::string_view(text.constData(), static_cast<std::size_t>(text.size())), faces);
    }

    void readCards()
    {
        ASSERT_EQ(read(ImageDataFile::CardPoints, imagetexts::CardPoints(71, 96, 454, 358)), DataFault::None);
        ASSERT_EQ(read(ImageDataFile::SidePoints, imagetexts::CardPoints(96, 71, 442, 370)), DataFault::None);
        ASSERT_EQ(
            read(ImageDataFile::CardFaces, imagetexts::Colours(32, kPoints, FaceColour)), DataFault::None);
        ASSERT_EQ(
            read(ImageDataFile::BackColours, imagetexts::Colours(8, kPoints, BackColour)), DataFault::None);
        ASSERT_EQ(read(ImageDataFile::BackSideColours, imagetexts::Colours(8, kPoints, BackColour)),
            DataFault::None);
    }

    platform::MemoryDC faces { 32 * 71, 96 };
};

bool IsUprightCorner(int x, int y)
{
    for (int k = 1; k <= 12; ++k)
        if (g_cardCornerX[k] == x && g_cardCornerY[k] == y)
            return true;
    return false;
}

TEST_F(ImageDataFilesTest, FacesStandSideBySideAndTheirCornersTakeTheTableColour)
{
    readCards();
    // Face 32 fills columns 2201..2271 and face 31 ends at column 2200.
    for (int y = 0; y < 96; ++y)
        for (int x = 0; x < 71; ++x) {
            if (IsUprightCorner(x, y))
                continue;
            EXPECT_EQ(platform::GetRValue(faces.getPixel(2201 + x, y)), 32) << x << "," << y;
            EXPECT_EQ(platform::GetRValue(faces.getPixel(2130 + x, y)), 31) << x << "," << y;
        }
    EXPECT_EQ(faces.getPixel(2272, 50), platform::kInvalidColour);
    // Point 1 of a face is the first pixel after the two top-left corners of row 0.
    EXPECT_EQ(faces.getPixel(2, 0), FaceColour(1, 1));

    platform::MemoryDC upright(71, 96);
    platform::MemoryDC sideways(96, 71);
    PaintCardBack(upright, sideways, 5);
    EXPECT_EQ(upright.getPixel(g_cardPointX[100], g_cardPointY[100]), BackColour(5, 100));
    EXPECT_EQ(sideways.getPixel(g_sidePointX[kPoints], g_sidePointY[kPoints]), BackColour(5, kPoints));

    const COLORREF table = RGB(10, 120, 30);
    PaintCardCorners(faces, upright, sideways, 5, table);
    for (int k = 1; k <= 12; ++k) {
        for (int face = 1; face <= 32; ++face)
            EXPECT_EQ(faces.getPixel(g_cardCornerX[k] + 71 * (face - 1), g_cardCornerY[k]), table)
                << "face " << face << " corner " << k;
        EXPECT_EQ(upright.getPixel(g_cardCornerX[k], g_cardCornerY[k]), table) << "corner " << k;
        const COLORREF side = k == 1 ? BackColour(5, 95) : k <= 3 ? RGB(200, 196, 200) : table;
        EXPECT_EQ(sideways.getPixel(g_sideCornerX[k], g_sideCornerY[k]), side) << "sideways corner " << k;
    }
    // The pixels next to the corners keep the card.
    EXPECT_EQ(platform::GetRValue(faces.getPixel(2201 + 2, 0)), 32);
}

TEST_F(ImageDataFilesTest, BackgroundsFillTenSlotsAndTheTableColourIsPoint200)
{
    ASSERT_EQ(read(ImageDataFile::BackgroundPoints, imagetexts::TilePoints()), DataFault::None);
    ASSERT_EQ(read(ImageDataFile::BackgroundColours, imagetexts::Colours(10, 40000, BackgroundColour)),
        DataFault::None);
    EXPECT_EQ(g_backgroundPointCount, 40000);
    EXPECT_EQ(g_backgroundPointX[40000], 199);
    EXPECT_EQ(g_backgroundPointY[40000], 199);
    EXPECT_EQ(g_backgroundColour[10][40000], BackgroundColour(10, 40000));
    EXPECT_EQ(TableColour(4), BackgroundColour(4, 200));

    FillCustomBackground(RGB(1, 2, 3));
    EXPECT_EQ(g_backgroundColour[11][1], RGB(1, 2, 3));
    EXPECT_EQ(g_backgroundColour[11][40000], RGB(1, 2, 3));
    EXPECT_EQ(TableColour(11), RGB(1, 2, 3));
}

TEST_F(ImageDataFilesTest, TrailingBlanksAreNoValuesButExtraOrMissingValuesRefuseTheFile)
{
    const QByteArray backs = imagetexts::Colours(8, kPoints, BackColour);
    ASSERT_EQ(backs.back(), '\n');
    EXPECT_EQ(read(ImageDataFile::BackColours, backs + "\n\r\n  \t"), DataFault::None);
    EXPECT_EQ(read(ImageDataFile::BackColours, backs.chopped(1)), DataFault::None);
    EXPECT_EQ(g_backColour[8][kPoints], BackColour(8, kPoints));

    // A ninth back, or a single value more, has no table to go to.
    EXPECT_EQ(read(ImageDataFile::BackColours, backs + "7\n"), DataFault::TooLong);
    EXPECT_EQ(read(ImageDataFile::BackSideColours, imagetexts::Colours(9, kPoints, BackColour)),
        DataFault::TooLong);
    EXPECT_EQ(read(ImageDataFile::BackgroundColours, imagetexts::Colours(11, 40000, BackgroundColour)),
        DataFault::TooLong);
    EXPECT_EQ(read(ImageDataFile::CardPoints, imagetexts::CardPoints(71, 96, 454, 358) + "454 358\n"),
        DataFault::TooLong);

    // Cut anywhere, even inside a pair, the file is short.
    const QByteArray points = imagetexts::CardPoints(96, 71, 442, 370);
    EXPECT_EQ(read(ImageDataFile::SidePoints, points.left(points.lastIndexOf(' '))), DataFault::Short);
    EXPECT_EQ(read(ImageDataFile::BackColours, backs.left(backs.size() / 2)), DataFault::Short);
    EXPECT_EQ(read(ImageDataFile::CardFaces, QByteArray()), DataFault::Short);
}

TEST_F(ImageDataFilesTest, GarbageAndValuesOutsideTheirImageAreRefused)
{
    QByteArray backs = imagetexts::Colours(8, kPoints, BackColour);
    const QByteArray second = QByteArray::number(BackColour(1, 2));
    const qsizetype at = backs.indexOf('\n') + 1;

    for (const char* word : { "12x", "abc", "1.5", "+7", "0x10", "inf", "99999999999999999999999" }) {
        QByteArray damaged = backs;
        damaged.replace(at, second.size(), word);
        EXPECT_EQ(read(ImageDataFile::BackColours, damaged), DataFault::NotANumber) << word;
    }
    for (const char* colour : { "-1", "16777216" }) {
        QByteArray damaged = backs;
        damaged.replace(at, second.size(), colour);
        EXPECT_EQ(read(ImageDataFile::BackColours, damaged), DataFault::OutOfRange) << colour;
    }

    // A pixel outside the card (column 71), or the sideways card's points read as upright ones.
    QByteArray points = imagetexts::CardPoints(71, 96, 454, 358);
    points.replace(0, points.indexOf(' '), QByteArray::number(454 + 71));
    EXPECT_EQ(read(ImageDataFile::CardPoints, points), DataFault::OutOfRange);
    EXPECT_EQ(
        read(ImageDataFile::CardPoints, imagetexts::CardPoints(96, 71, 442, 370)), DataFault::OutOfRange);
}

TEST_F(ImageDataFilesTest, SheetIsCutIntoImagesAtFixedPairsWithTheirOwnAnchors)
{
    ASSERT_EQ(
        read(ImageDataFile::AnnouncementSheet, imagetexts::Sheet(imagetexts::kSheetPairs)), DataFault::None);
    const int expectedCounts[] = { 0, 1469, 1390, 1606, 1575, 1450, 1717, 1540, 1435, 1546, 1514, 1637, 2151,
        1466, 1672, 383, 632, 991, 1211, 1180, 1055, 1322, 1278, 1246, 1369, 1883, 1198, 1404, 553, 288, 597,
        751, 816, 997, 700, 600, 987, 1083 };
    for (int n = 1; n <= 37; ++n) {
        EXPECT_EQ(g_announcementPointCount[n], expectedCounts[n]) << "image " << n;
        const int last = expectedCounts[n];
        EXPECT_EQ(g_announcementPointX[n][1], n) << "image " << n;
        EXPECT_EQ(g_announcementPointY[n][1], -1) << "image " << n;
        EXPECT_EQ(g_announcementPointX[n][last], n) << "image " << n;
        EXPECT_EQ(g_announcementPointY[n][last], -(last % 10)) << "image " << n;
    }
    EXPECT_EQ(g_aboutLink1Count, 471);
    EXPECT_EQ(g_aboutLink2Count, 697);
    EXPECT_EQ(g_aboutLink1X[471], 471 % 50);
    EXPECT_EQ(g_aboutLink2Y[697], 697 % 7);

    // The sheet is read up to its fixed count; what follows is not read at all.
    EXPECT_EQ(
        read(ImageDataFile::AnnouncementSheet, imagetexts::Sheet(imagetexts::kSheetPairs) + "more text"),
        DataFault::None);
    EXPECT_EQ(read(ImageDataFile::AnnouncementSheet, imagetexts::Sheet(imagetexts::kSheetPairs - 1)),
        DataFault::Short);
}

TEST_F(ImageDataFilesTest, GlyphsFillTheirFixedCountsAndTakeTheSuitColours)
{
    ASSERT_EQ(
        read(ImageDataFile::SuitGlyphs, imagetexts::Glyphs(imagetexts::kGlyphPairs + 10)), DataFault::None);
    for (int suit = 1; suit <= 4; ++suit) {
        const int last = g_suitGlyphCount[suit];
        EXPECT_EQ(g_suitGlyphX[suit][1], suit);
        EXPECT_EQ(g_suitGlyphX[suit][last], suit);
        EXPECT_EQ(g_suitGlyphY[suit][last], last % 9);
    }
    EXPECT_EQ(g_suitColour[1], RGB(255, 0, 0));
    EXPECT_EQ(g_suitColour[2], RGB(255, 0, 0));
    EXPECT_EQ(g_suitColour[3], RGB(0, 0, 0));
    EXPECT_EQ(g_suitColour[4], RGB(0, 0, 0));
    EXPECT_EQ(
        read(ImageDataFile::SuitGlyphs, imagetexts::Glyphs(imagetexts::kGlyphPairs - 1)), DataFault::Short);
}

TEST_F(ImageDataFilesTest, LoadingStopsAtTheFirstFileRefusedAndNamesIt)
{
    TempFolder folder;
    const QString root = folder.path() + '/';
    int before = 0;
    DataFileResult result = LoadImageDataFiles(root, faces, [&] { ++before; });
    EXPECT_EQ(result.fault, DataFault::Missing);
    EXPECT_EQ(result.path, root + "Karta/Karta0.krt");
    EXPECT_TRUE(result.message().contains(root + "Karta/Karta0.krt"));
    EXPECT_EQ(before, 1);

    folder.write("Karta/Karta0.krt", imagetexts::CardPoints(71, 96, 454, 358));
    folder.write("Karta/Karta.krt", imagetexts::Colours(31, kPoints, FaceColour));
    before = 0;
    result = LoadImageDataFiles(root, faces, [&] { ++before; });
    EXPECT_EQ(result.fault, DataFault::Short);
    EXPECT_EQ(result.path, root + "Karta/Karta.krt");
    EXPECT_EQ(before, 2);
}

} // namespace
