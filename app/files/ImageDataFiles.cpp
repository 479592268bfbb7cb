#include "app/files/ImageDataFiles.h"

#include "app/Layout.h"
#include "app/files/ImageData.h"
#include "app/files/ProgramFolder.h"
#include "engine/CardTable.h"

#include <span>

namespace {

using Result = NumberScanner::Result;

/// Where the points of a list were drawn on their sheet, and where their offsets from that
/// origin may lie (inclusive bounds, in pixels).
struct PointFrame {
    int originX = 0;
    int originY = 0;
    int lowX = 0;
    int highX = 0;
    int lowY = 0;
    int highY = 0;
};

/// Announcement images, glyphs and captions lie within a few hundred pixels of their
/// anchors; an offset beyond this is damage, and bounding it keeps the drawing
/// arithmetic far from overflow.
constexpr int kMaxSheetOffset = 2000;
/// The largest Windows colour value: blue, green, red at full strength.
constexpr long long kMaxColour = 0xffffff;

/// The point lists of an upright card, a sideways card and the tile: their sheet origins,
/// and every offset inside the picture.
constexpr PointFrame kCardFrame { 454, 358, 0, kCardWidth - 1, 0, kCardHeight - 1 };
constexpr PointFrame kSideFrame { 442, 370, 0, kCardHeight - 1, 0, kCardWidth - 1 };
constexpr PointFrame kTileFrame { 382, 298, 0, kTileSize - 1, 0, kTileSize - 1 };

/// A frame for a shape of the announcement sheet or the glyph list at that origin.
constexpr PointFrame SheetFrame(int originX, int originY)
{
    return { originX, originY, -kMaxSheetOffset, kMaxSheetOffset, -kMaxSheetOffset, kMaxSheetOffset };
}

/// The announcement sheet: image n takes the pairs from its first pair up to the pair
/// before the next image's; the entry after image 37 is the pair dropped after it.
struct SheetImage {
    int firstPair;
    int originX;
    int originY;
};
constexpr std::array<SheetImage, kAnnouncementCount + 1> kSheetImages { { { 0, 0, 0 }, { 1, 380, 60 },
    { 1470, 380, 97 }, { 2860, 380, 134 }, { 4466, 380, 171 }, { 6041, 380, 208 }, { 7491, 380, 245 },
    { 9208, 380, 282 }, { 10748, 380, 319 }, { 12183, 380, 356 }, { 13729, 380, 393 }, { 15243, 380, 430 },
    { 16880, 380, 467 }, { 19031, 380, 504 }, { 20497, 380, 541 }, { 22169, 380, 578 }, { 22552, 380, 615 },
    { 23184, 395, 60 }, { 24175, 395, 97 }, { 25386, 395, 134 }, { 26566, 395, 171 }, { 27621, 395, 208 },
    { 28943, 395, 245 }, { 30221, 395, 282 }, { 31467, 395, 319 }, { 32836, 395, 356 }, { 34719, 395, 393 },
    { 35917, 395, 430 }, { 37321, 395, 467 }, { 37874, 395, 504 }, { 38162, 395, 541 }, { 38759, 395, 578 },
    { 39510, 395, 615 }, { 40326, 397, 60 }, { 41323, 397, 97 }, { 42023, 503, 397 }, { 42623, 527, 343 },
    { 43610, 540, 352 }, { 44693, 0, 0 } } };
/// The last announcement image with points.
constexpr int kLastImage = kAnnouncementCount - 1;
/// After the images: one pair dropped, a block of 4923 pairs read and not used, then the
/// about box's two links, each at its own origin.
constexpr int kUnusedPairs = 1 + 4923;
constexpr int kAboutLink1Pairs = 471;
constexpr PointFrame kAboutLink1Frame = SheetFrame(252, 265);
constexpr int kAboutLink2Pairs = 697;
constexpr PointFrame kAboutLink2Frame = SheetFrame(220, 227);
/// Pairs of the whole announcement sheet.
constexpr int kSheetPairs = 50784;

constexpr bool SheetFitsTables()
{
    for (int n = 1; n <= kLastImage; ++n)
        if (kSheetImages[n + 1].firstPair - kSheetImages[n].firstPair > kAnnouncementPointCapacity)
            return false;
    return kSheetImages[kLastImage + 1].firstPair - 1 + kUnusedPairs + kAboutLink1Pairs + kAboutLink2Pairs
        == kSheetPairs;
}
static_assert(SheetFitsTables());
static_assert(kAboutLink1Pairs <= kAboutLink1Capacity && kAboutLink2Pairs <= kAboutLink2Capacity);

/// The suit glyphs' origin on their sheet, and the colours of the red and the black suits.
constexpr PointFrame kGlyphFrame = SheetFrame(498, 404);
constexpr platform::COLORREF kRedSuit = platform::RGB(255, 0, 0);
constexpr platform::COLORREF kBlackSuit = platform::RGB(0, 0, 0);

/// Reads one pair and stores its offset from the frame's origin, once both numbers are
/// read and the offset lies in the frame.
DataFault ReadPoint(NumberScanner& in, const PointFrame& frame, int& x, int& y)
{
    int sheetX = 0;
    int sheetY = 0;
    if (const Result result = in.next(sheetX); result != Result::Number)
        return FaultOf(result);
    if (const Result result = in.next(sheetY); result != Result::Number)
        return FaultOf(result);
    const long long offsetX = static_cast<long long>(sheetX) - frame.originX;
    const long long offsetY = static_cast<long long>(sheetY) - frame.originY;
    if (offsetX < frame.lowX || offsetX > frame.highX || offsetY < frame.lowY || offsetY > frame.highY)
        return DataFault::OutOfRange;
    x = static_cast<int>(offsetX);
    y = static_cast<int>(offsetY);
    return DataFault::None;
}

/// Reads `count` pairs into xs and ys from index `first` on.
DataFault ReadPoints(NumberScanner& in, const PointFrame& frame, int count, std::span<int> xs,
    std::span<int> ys, int first = 1)
{
    for (int j = first; j < first + count; ++j)
        if (const DataFault fault = ReadPoint(in, frame, xs[j], ys[j]); fault != DataFault::None)
            return fault;
    return DataFault::None;
}

DataFault ReadColour(NumberScanner& in, platform::COLORREF& colour)
{
    long long value = 0;
    if (const Result result = in.next(value); result != Result::Number)
        return FaultOf(result);
    if (value < 0 || value > kMaxColour)
        return DataFault::OutOfRange;
    colour = static_cast<platform::COLORREF>(value);
    return DataFault::None;
}

/// The whole file must have been read: numbers after the last one its format fixes mean
/// that it is not the file the tables were made for.
DataFault Finish(NumberScanner& in, DataFault fault)
{
    if (fault == DataFault::None && !in.atEnd())
        return DataFault::TooLong;
    return fault;
}

/// Reads image after image of `points` colours each into tables[1..images][1..points].
template <class Tables> DataFault ReadColourBlocks(NumberScanner& in, Tables& tables, int images, int points)
{
    for (int b = 1; b <= images; ++b)
        for (int j = 1; j <= points; ++j)
            if (const DataFault fault = ReadColour(in, tables[b][j]); fault != DataFault::None)
                return fault;
    return DataFault::None;
}

DataFault PaintFaces(NumberScanner& in, platform::MemoryDC& faces)
{
    for (int face = 1; face <= g_deckSize; ++face) {
        const int left = kCardWidth * (face - 1);
        for (int j = 1; j <= g_cardPointCount; ++j) {
            platform::COLORREF colour = 0;
            if (const DataFault fault = ReadColour(in, colour); fault != DataFault::None)
                return fault;
            faces.setPixel(g_cardPointX[j] + left, g_cardPointY[j], colour);
        }
    }
    return DataFault::None;
}

DataFault ReadSheet(NumberScanner& in)
{
    for (int n = 1; n <= kLastImage; ++n) {
        const SheetImage& image = kSheetImages[n];
        const int count = kSheetImages[n + 1].firstPair - image.firstPair;
        const DataFault fault = ReadPoints(in, SheetFrame(image.originX, image.originY), count,
            g_announcementPointX[n], g_announcementPointY[n]);
        if (fault != DataFault::None)
            return fault;
        g_announcementPointCount[n] = count;
    }
    for (int pair = 0; pair < kUnusedPairs; ++pair) {
        int x = 0;
        int y = 0;
        if (const DataFault fault = ReadPoint(in, SheetFrame(0, 0), x, y); fault != DataFault::None)
            return fault;
    }
    if (const DataFault fault
        = ReadPoints(in, kAboutLink1Frame, kAboutLink1Pairs, g_aboutLink1X, g_aboutLink1Y);
        fault != DataFault::None)
        return fault;
    g_aboutLink1Count = kAboutLink1Pairs;
    if (const DataFault fault
        = ReadPoints(in, kAboutLink2Frame, kAboutLink2Pairs, g_aboutLink2X, g_aboutLink2Y);
        fault != DataFault::None)
        return fault;
    g_aboutLink2Count = kAboutLink2Pairs;
    return DataFault::None;
}

DataFault ReadGlyphs(NumberScanner& in)
{
    for (int suit = 1; suit <= kSuits; ++suit) {
        const DataFault fault
            = ReadPoints(in, kGlyphFrame, g_suitGlyphCount[suit], g_suitGlyphX[suit], g_suitGlyphY[suit]);
        if (fault != DataFault::None)
            return fault;
    }
    g_suitColour = { 0, kRedSuit, kRedSuit, kBlackSuit, kBlackSuit };
    return DataFault::None;
}

} // namespace

QString ImageDataFileName(ImageDataFile file)
{
    switch (file) {
    case ImageDataFile::CardPoints:
        return QStringLiteral("Karta/Karta0.krt");
    case ImageDataFile::CardFaces:
        return QStringLiteral("Karta/Karta.krt");
    case ImageDataFile::BackgroundPoints:
        return QStringLiteral("Fon/fon0.pol");
    case ImageDataFile::BackgroundColours:
        return QStringLiteral("Fon/Fon.pol");
    case ImageDataFile::SidePoints:
        return QStringLiteral("Ryb/R90gr.rbk");
    case ImageDataFile::BackColours:
        return QStringLiteral("Ryb/Ryb0.rbk");
    case ImageDataFile::BackSideColours:
        return QStringLiteral("Ryb/Ryb90.rbk");
    case ImageDataFile::AnnouncementSheet:
        return QStringLiteral("Opovechenie/Opov.opv");
    case ImageDataFile::SuitGlyphs:
        return QStringLiteral("Opovechenie/Mast.mst");
    }
    return {};
}

DataFault ReadImageData(ImageDataFile file, std::string_view text, platform::MemoryDC& faces)
{
    NumberScanner in(text);
    switch (file) {
    case ImageDataFile::CardPoints:
        return Finish(in, ReadPoints(in, kCardFrame, g_cardPointCount, g_cardPointX, g_cardPointY));
    case ImageDataFile::CardFaces:
        return Finish(in, PaintFaces(in, faces));
    case ImageDataFile::BackgroundPoints:
        return Finish(in, ReadPoints(in, kTileFrame, kTilePoints, g_backgroundPointX, g_backgroundPointY));
    case ImageDataFile::BackgroundColours: {
        const DataFault fault
            = Finish(in, ReadColourBlocks(in, g_backgroundColour, kFileBackgroundCount, kTilePoints));
        if (fault == DataFault::None)
            g_backgroundPointCount = kTilePoints;
        return fault;
    }
    case ImageDataFile::SidePoints:
        return Finish(in, ReadPoints(in, kSideFrame, g_cardPointCount, g_sidePointX, g_sidePointY));
    case ImageDataFile::BackColours:
        return Finish(in, ReadColourBlocks(in, g_backColour, kCardBackCount, g_cardPointCount));
    case ImageDataFile::BackSideColours:
        return Finish(in, ReadColourBlocks(in, g_backSideColour, kCardBackCount, g_cardPointCount));
    // The sheet and the glyphs are read up to their fixed counts; what follows is not read.
    case ImageDataFile::AnnouncementSheet:
        return ReadSheet(in);
    case ImageDataFile::SuitGlyphs:
        return ReadGlyphs(in);
    }
    return DataFault::None;
}

DataFileResult LoadImageDataFiles(
    const QString& folder, platform::MemoryDC& faces, const std::function<void()>& beforeEach)
{
    for (const ImageDataFile file : kImageDataFiles) {
        if (beforeEach)
            beforeEach();
        const DataFileResult result = LoadDataFile(FileInFolder(folder, ImageDataFileName(file)),
            [&](std::string_view text) { return ReadImageData(file, text, faces); });
        if (!result.ok())
            return result;
    }
    return {};
}
