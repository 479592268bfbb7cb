#include "platform/MemoryDC.h"

#include <gtest/gtest.h>

using namespace platform;

namespace {

/// A bitmap whose every pixel tells where it is: red = x, green = y.
MemoryDC Numbered(int width, int height)
{
    MemoryDC dc(width, height);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            dc.setPixel(x, y, RGB(x, y, 7));
    return dc;
}

} // namespace

TEST(MemoryDCPixels, ColourValuesKeepRedInTheLowByte)
{
    static_assert(RGB(0x12, 0x34, 0x56) == 0x00563412u);
    static_assert(
        GetRValue(0x00563412u) == 0x12 && GetGValue(0x00563412u) == 0x34 && GetBValue(0x00563412u) == 0x56);
    MemoryDC dc(2, 1);
    dc.setPixel(0, 0, 0x000000ffu);
    dc.setPixel(1, 0, RGB(1, 2, 3));
    EXPECT_EQ(dc.image().pixel(0, 0), qRgb(255, 0, 0));
    EXPECT_EQ(dc.image().pixel(1, 0), qRgb(1, 2, 3));
    EXPECT_EQ(dc.getPixel(0, 0), RGB(255, 0, 0));
    EXPECT_EQ(dc.getPixel(1, 0), RGB(1, 2, 3));
    EXPECT_EQ(colourFromQRgb(qRgbFromColour(RGB(200, 100, 50))), RGB(200, 100, 50));
}

TEST(MemoryDCPixels, NewBitmapIsBlackAndOutsideReadsAsInvalid)
{
    MemoryDC dc(3, 2);
    EXPECT_EQ(dc.image().format(), QImage::Format_RGB32);
    EXPECT_EQ(dc.getPixel(2, 1), RGB(0, 0, 0));
    dc.setPixel(3, 0, RGB(9, 9, 9));
    dc.setPixel(-1, 0, RGB(9, 9, 9));
    dc.setPixel(0, 2, RGB(9, 9, 9));
    for (const auto& [x, y] : { std::pair { -1, 0 }, { 0, -1 }, { 3, 0 }, { 0, 2 } })
        EXPECT_EQ(dc.getPixel(x, y), kInvalidColour) << x << ", " << y;

    MemoryDC none;
    EXPECT_TRUE(none.isNull());
    EXPECT_EQ(none.getPixel(0, 0), kInvalidColour);
    none.rectangle(0, 0, 5, 5);
    none.textOut(0, 0, QStringLiteral("x"));
    none.bitBlt(0, 0, 3, 2, dc, 0, 0);
    dc.bitBlt(0, 0, 3, 2, none, 0, 0);
    EXPECT_EQ(dc.getPixel(2, 1), RGB(0, 0, 0));
}

TEST(MemoryDCPixels, BlockCopyIsClippedToBothBitmaps)
{
    const MemoryDC src = Numbered(4, 4);
    MemoryDC dest(6, 6);

    dest.bitBlt(-1, -1, 4, 4, src, 0, 0);
    EXPECT_EQ(dest.getPixel(0, 0), RGB(1, 1, 7));
    EXPECT_EQ(dest.getPixel(2, 2), RGB(3, 3, 7));
    EXPECT_EQ(dest.getPixel(3, 3), RGB(0, 0, 0));

    dest.create(6, 6);
    dest.bitBlt(2, 2, 3, 3, src, -1, -1);
    EXPECT_EQ(dest.getPixel(2, 2), RGB(0, 0, 0));
    EXPECT_EQ(dest.getPixel(3, 3), RGB(0, 0, 7));
    EXPECT_EQ(dest.getPixel(4, 4), RGB(1, 1, 7));

    dest.create(6, 6);
    dest.bitBlt(4, 3, 10, 10, src, 1, 0);
    EXPECT_EQ(dest.getPixel(4, 3), RGB(1, 0, 7));
    EXPECT_EQ(dest.getPixel(5, 5), RGB(2, 2, 7));
    EXPECT_EQ(dest.getPixel(3, 3), RGB(0, 0, 0));

    dest.create(6, 6);
    dest.bitBlt(0, 0, 6, 6, src, 2, 3);
    EXPECT_EQ(dest.getPixel(1, 0), RGB(3, 3, 7));
    EXPECT_EQ(dest.getPixel(2, 0), RGB(0, 0, 0));
    EXPECT_EQ(dest.getPixel(0, 1), RGB(0, 0, 0));
}

TEST(MemoryDCPixels, WholeRowsCopyAsOneBlockBetweenRowsOfEqualBitmaps)
{
    const MemoryDC src = Numbered(5, 8);
    MemoryDC dest(5, 6);
    dest.bitBlt(0, 2, 5, 9, src, 0, 3);
    EXPECT_EQ(dest.getPixel(0, 1), RGB(0, 0, 0)) << "rows above the target stay";
    EXPECT_EQ(dest.getPixel(0, 2), RGB(0, 3, 7));
    EXPECT_EQ(dest.getPixel(4, 2), RGB(4, 3, 7));
    EXPECT_EQ(dest.getPixel(4, 5), RGB(4, 6, 7)) << "cut at the bottom of the target";

    MemoryDC wider(6, 4);
    wider.bitBlt(0, 0, 6, 4, src, 0, 0);
    EXPECT_EQ(wider.getPixel(4, 1), RGB(4, 1, 7));
    EXPECT_EQ(wider.getPixel(5, 1), RGB(0, 0, 0)) << "a wider target keeps its own last column";
}

TEST(MemoryDCPixels, RasterOpsCombineEachColourBit)
{
    constexpr COLORREF kDest = RGB(0xF0, 0x0F, 0xAA);
    MemoryDC src(1, 1);
    src.setPixel(0, 0, RGB(0xFF, 0x33, 0x0F));
    struct Case {
        RasterOp op;
        COLORREF expected;
    };
    for (const Case c :
        { Case { RasterOp::SrcCopy, RGB(0xFF, 0x33, 0x0F) }, Case { RasterOp::SrcAnd, RGB(0xF0, 0x03, 0x0A) },
            Case { RasterOp::SrcPaint, RGB(0xFF, 0x3F, 0xAF) },
            Case { RasterOp::SrcInvert, RGB(0x0F, 0x3C, 0xA5) } }) {
        MemoryDC dest(1, 1);
        dest.setPixel(0, 0, kDest);
        dest.bitBlt(0, 0, 1, 1, src, 0, 0, c.op);
        EXPECT_EQ(dest.getPixel(0, 0), c.expected) << static_cast<int>(c.op);
        EXPECT_EQ(qAlpha(dest.image().pixel(0, 0)), 255) << static_cast<int>(c.op);
    }
}

TEST(MemoryDCPixels, OverlappingCopyWithinOneBitmapMovesTheOriginalBlock)
{
    MemoryDC right = Numbered(8, 1);
    right.bitBlt(2, 0, 6, 1, right, 0, 0);
    MemoryDC left = Numbered(8, 1);
    left.bitBlt(0, 0, 6, 1, left, 2, 0);
    for (int x = 0; x < 6; ++x) {
        EXPECT_EQ(right.getPixel(x + 2, 0), RGB(x, 0, 7));
        EXPECT_EQ(left.getPixel(x, 0), RGB(x + 2, 0, 7));
    }

    MemoryDC down = Numbered(5, 5);
    down.bitBlt(1, 1, 4, 4, down, 0, 0);
    MemoryDC up = Numbered(5, 5);
    up.bitBlt(0, 0, 4, 4, up, 1, 1);
    for (int y = 0; y < 4; ++y) {
        for (int x = 0; x < 4; ++x) {
            EXPECT_EQ(down.getPixel(x + 1, y + 1), RGB(x, y, 7));
            EXPECT_EQ(up.getPixel(x, y), RGB(x + 1, y + 1, 7));
        }
    }
}
