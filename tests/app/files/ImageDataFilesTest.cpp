#include "app/files/ImageDataFiles.h"
#include "app/files/ImageData.h"
#include "platform/Files.h"
#include "support/QStringPrinter.h"

#include <gtest/gtest.h>

namespace {

using platform::COLORREF;
using platform::RGB;
using enum ImageDataFile;
using enum DataFault;

constexpr int kPoints = 6804;

/// A card's corners: the three pixels at each of its four corners, left out of its points.
bool IsCorner(int x, int y, int width, int height)
{
    return std::min(x, width - 1 - x) + std::min(y, height - 1 - y) <= 1;
}

/// The points of a width x height card drawn at (originX, originY), row by row, without its
/// corners.
QByteArray Points(int width, int height, int originX, int originY)
{
    QByteArray text;
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            if (!IsCorner(x, y, width, height))
                text += QByteArray::number(originX + x) + ' ' + QByteArray::number(originY + y) + '\n';
    return text;
}

/// Colour of point `point` of image `image`, one a line for `images` images.
COLORREF Colour(int image, int point)
{
    return static_cast<COLORREF>(image * 100000 + point);
}
QByteArray Colours(int images, int points)
{
    QByteArray text;
    for (int image = 1; image <= images; ++image)
        for (int point = 1; point <= points; ++point)
            text += QByteArray::number(Colour(image, point)) + '\n';
    return text;
}

class ImageDataFilesTest : public ::testing::Test {
protected:
    DataFault read(ImageDataFile file, const QByteArray& text)
    {
        return ReadImageData(
            file, std::string_view(text.constData(), static_cast<std::size_t>(text.size())), faces);
    }

    platform::MemoryDC faces { 32 * 71, 96 };
};

TEST_F(ImageDataFilesTest, FacesStandSideBySide)
{
    ASSERT_EQ(read(CardPoints, Points(71, 96, 454, 358)), None);
    ASSERT_EQ(read(CardFaces, Colours(32, kPoints)), None);
    // Point 1 is the first pixel after the two top-left corners of row 0; face 32 starts at 2201.
    EXPECT_EQ(faces.getPixel(2, 0), Colour(1, 1));
    EXPECT_EQ(
        std::pair(faces.getPixel(2200, 50) / 100000, faces.getPixel(2201, 50) / 100000), std::pair(31u, 32u));
    EXPECT_EQ(faces.getPixel(2272, 50), platform::kInvalidColour);
}

TEST_F(ImageDataFilesTest, AFileMustHoldExactlyItsNumbersEachInItsRange)
{
    const QByteArray cards = Points(71, 96, 454, 358);
    const QByteArray sides = Points(96, 71, 442, 370);
    const QByteArray backs = Colours(8, kPoints);
    const auto first = [&backs](const char* word) { return word + backs.mid(backs.indexOf('\n')); };
    const auto program = [](ImageDataFile file) {
        return platform::ReadWholeFile(QStringLiteral(VERTAN_PROGRAM_DIR "/") + ImageDataFileName(file))
            .value();
    };
    const QByteArray sheet = program(AnnouncementSheet);
    const QByteArray glyphs = program(SuitGlyphs);
    // Trailing blanks are no values. A ninth back, or a single value more, has no table to go
    // to. Cut anywhere, even inside a pair, a file is short. The sheet and the glyphs are read
    // up to their fixed counts; what follows is not read. A colour is a number 0..0xFFFFFF; a
    // pixel lies inside its card (not at column 71, nor a sideways card's read as upright).
    const std::tuple<ImageDataFile, QByteArray, DataFault> rows[] {
        { BackColours, backs + "\n\r\n  \t", None }, { BackColours, backs.chopped(1), None },
        { BackColours, backs + "7\n", TooLong }, { BackSideColours, Colours(9, kPoints), TooLong },
        { BackgroundColours, Colours(11, 40000), TooLong }, { CardPoints, cards + "454 358\n", TooLong },
        { SidePoints, sides.left(sides.lastIndexOf(' ')), Short },
        { BackColours, backs.left(backs.size() / 2), Short }, { CardFaces, QByteArray(), Short },
        { AnnouncementSheet, sheet + "more text", None },
        { AnnouncementSheet, sheet.left(sheet.trimmed().lastIndexOf('\n')), Short },
        { SuitGlyphs, glyphs + "1 x", None },
        { SuitGlyphs, glyphs.left(glyphs.trimmed().lastIndexOf('\n')), Short },
        { BackColours, first("12x"), NotANumber }, { BackColours, first("1.5"), NotANumber },
        { BackColours, first("+7"), NotANumber }, { BackColours, first("0x10"), NotANumber },
        { BackColours, first("inf"), NotANumber },
        { BackColours, first("99999999999999999999999"), NotANumber },
        { BackColours, first("-1"), OutOfRange }, { BackColours, first("16777216"), OutOfRange },
        { CardPoints, "525" + cards.mid(cards.indexOf(' ')), OutOfRange }, { CardPoints, sides, OutOfRange }
    };
    for (const auto& [file, text, fault] : rows)
        EXPECT_EQ(read(file, text), fault)
            << ImageDataFileName(file).toStdString() << " " << text.left(20).toStdString();
    EXPECT_EQ(std::pair(g_aboutLink1Count, g_aboutLink2Count), std::pair(471, 697));
    EXPECT_EQ(g_suitColour, (std::array<COLORREF, 5> { 0, RGB(255, 0, 0), RGB(255, 0, 0), 0, 0 }));
}

TEST(DataFileTest, EachFaultIsToldInItsOwnWordsWithTheFile)
{
    QStringList what;
    for (const DataFault fault : { Missing, Short, TooLong, NotANumber, OutOfRange }) {
        const QString message = DataFileResult { "/game/f", fault }.message();
        EXPECT_TRUE(message.contains("/game/f"));
        what << message.section("/game/f", 0, 0);
    }
    EXPECT_EQ(what.removeDuplicates(), 0);
    EXPECT_FALSE(what.contains(":\n")) << what.join('|').toStdString();
}

} // namespace
