#include "app/Layout.h"
#include "app/files/ImageData.h"
#include "app/files/ImageDataFiles.h"
#include "fuzz/Fuzz.h"

#include <algorithm>

namespace {

/// The file of this target (VERTAN_IMAGE_FILE is its place in the start-up's order).
constexpr ImageDataFile kFile = kImageDataFiles[VERTAN_IMAGE_FILE];
// An image data file left out of the build's list of targets would not be fuzzed at all.
static_assert(VERTAN_IMAGE_TARGETS == kImageDataFiles.size(), "every image data file has a target");

/// How far the points of an announcement, a caption or a glyph may lie from its anchor.
constexpr int kSheetReach = 2000;
constexpr long long kMaxColour = 0xffffff;

/// True when the first `count` entries of a table (index 0 included) lie in low..high.
template <class Table> bool Within(const Table& table, std::size_t count, long long low, long long high)
{
    const auto end = table.begin() + static_cast<std::ptrdiff_t>(std::min(count, table.size()));
    return std::all_of(table.begin(), end, [&](auto value) { return value >= low && value <= high; });
}

/// Checks blocks 1.. of a table in the order the reader fills them, block b holding up to
/// sizeOf(b) entries and all of them together at most `budget`.
template <class Blocks, class Size>
bool BlocksWithin(const Blocks& blocks, std::size_t budget, Size sizeOf, long long low, long long high)
{
    for (std::size_t b = 1; b < blocks.size() && budget > 0; ++b) {
        const std::size_t filled = std::min(budget, static_cast<std::size_t>(sizeOf(b)));
        if (!Within(blocks[b], filled + 1, low, high))
            return false;
        budget -= filled;
    }
    return true;
}

template <class Table>
bool PointsWithin(const Table& xs, const Table& ys, std::size_t pairs, int width, int height)
{
    return Within(xs, pairs + 1, 0, width - 1) && Within(ys, pairs + 1, 0, height - 1);
}

template <class Blocks, class Size>
bool ShapesWithin(const Blocks& xs, const Blocks& ys, std::size_t pairs, Size sizeOf)
{
    return BlocksWithin(xs, pairs, sizeOf, -kSheetReach, kSheetReach)
        && BlocksWithin(ys, pairs, sizeOf, -kSheetReach, kSheetReach);
}

template <class Blocks> bool ColoursWithin(const Blocks& blocks, std::size_t numbers, int points)
{
    return BlocksWithin(
        blocks, numbers, [points](std::size_t) { return points; }, 0, kMaxColour);
}

/// Whatever the file held, every value its reader stored (the text's `numbers`, one value
/// each, at most) lies where the drawing code may use it, and a file read whole set its counts.
bool StoredValuesHold(std::size_t numbers, bool read)
{
    const std::size_t pairs = numbers / 2;
    // An announcement image read whole has its count; the one that failed is cut anywhere.
    const auto imageSize = [](std::size_t n) {
        const int count = g_announcementPointCount[n];
        return count > 0 ? count : kAnnouncementPointCapacity;
    };
    switch (kFile) {
    case ImageDataFile::CardPoints:
    case ImageDataFile::CardFaces:
        return PointsWithin(g_cardPointX, g_cardPointY, pairs, kCardWidth, kCardHeight);
    case ImageDataFile::SidePoints:
        return PointsWithin(g_sidePointX, g_sidePointY, pairs, kCardHeight, kCardWidth);
    case ImageDataFile::BackgroundPoints:
        return PointsWithin(g_backgroundPointX, g_backgroundPointY, pairs, kTileSize, kTileSize);
    case ImageDataFile::BackgroundColours:
        return ColoursWithin(g_backgroundColour, numbers, kTilePoints)
            && read == (g_backgroundPointCount == kTilePoints);
    case ImageDataFile::BackColours:
        return ColoursWithin(g_backColour, numbers, g_cardPointCount);
    case ImageDataFile::BackSideColours:
        return ColoursWithin(g_backSideColour, numbers, g_cardPointCount);
    case ImageDataFile::AnnouncementSheet:
        return ShapesWithin(g_announcementPointX, g_announcementPointY, pairs, imageSize)
            && Within(g_aboutLink1X, pairs + 1, -kSheetReach, kSheetReach)
            && Within(g_aboutLink1Y, pairs + 1, -kSheetReach, kSheetReach)
            && Within(g_aboutLink2X, pairs + 1, -kSheetReach, kSheetReach)
            && Within(g_aboutLink2Y, pairs + 1, -kSheetReach, kSheetReach)
            && (!read || (g_aboutLink1Count > 0 && g_aboutLink2Count > 0));
    case ImageDataFile::SuitGlyphs:
        return ShapesWithin(g_suitGlyphX, g_suitGlyphY, pairs, [](std::size_t s) {
            return g_suitGlyphCount[s];
        }) && read == (g_suitColour[1] != g_suitColour[4]);
    }
    return false;
}

/// The words of a text: at most one number each.
std::size_t WordCount(std::string_view text)
{
    std::size_t words = 0;
    bool inWord = false;
    for (const char c : text) {
        const bool blank = c == ' ' || (c >= '\t' && c <= '\r');
        words += !blank && !inWord ? 1 : 0;
        inWord = !blank;
    }
    return words;
}

platform::MemoryDC& Faces()
{
    static platform::MemoryDC faces(32 * kCardWidth, kCardHeight);
    return faces;
}

} // namespace

void PrepareTarget()
{
    // The faces are painted at the card points, which the start-up reads first.
    if (kFile == ImageDataFile::CardFaces) {
        const QString path
            = QStringLiteral(VERTAN_PROGRAM_DIR "/") + ImageDataFileName(ImageDataFile::CardPoints);
        Require(
            LoadDataFile(path,
                [](std::string_view text) { return ReadImageData(ImageDataFile::CardPoints, text, Faces()); })
                .ok(),
            "the generated card points are read");
    }
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    // The counts a file read whole sets start out unset, as at start-up.
    g_backgroundPointCount = 0;
    g_aboutLink1Count = 0;
    g_aboutLink2Count = 0;
    g_suitColour = {};
    g_announcementPointCount = {};
    const DataFault fault = ReadImageData(kFile, text, Faces());
    Require(
        StoredValuesHold(WordCount(text), fault == DataFault::None), "every value stored lies in its image");
    return 0;
}
