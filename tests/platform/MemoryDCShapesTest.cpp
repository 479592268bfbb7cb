#include "PixelMap.h"

#include "platform/MemoryDC.h"

#include <gtest/gtest.h>

using namespace platform;

namespace {

constexpr COLORREF kPaper = RGB(255, 255, 255);
constexpr COLORREF kInk = RGB(200, 0, 0);
constexpr COLORREF kFill = RGB(0, 0, 200);
constexpr Pen kThinPen { 1, kInk, false };
constexpr Pen kBoldPen { 3, kInk, false };

MemoryDC Canvas(int width, int height, const Pen& pen = kThinPen)
{
    MemoryDC dc(width, height);
    dc.fillSolid(0, 0, width, height, kPaper);
    dc.selectPen(pen);
    dc.selectBrush({ kFill });
    return dc;
}

std::string Map(const MemoryDC& dc)
{
    return PixelMap(dc, { { kInk, 'P' }, { kFill, 'B' } });
}

} // namespace

TEST(MemoryDCShapes, RectangleCoversLeftAndTopButNotRightAndBottom)
{
    MemoryDC dc = Canvas(9, 6);
    dc.rectangle(2, 1, 7, 5);
    EXPECT_EQ(
        Map(dc), Picture({ ".........", "..PPPPP..", "..PBBBP..", "..PBBBP..", "..PPPPP..", "........." }));

    MemoryDC unoutlined = Canvas(9, 6, Pen::Null());
    unoutlined.rectangle(2, 1, 7, 5);
    EXPECT_EQ(Map(unoutlined),
        Picture({ ".........", "..BBBBB..", "..BBBBB..", "..BBBBB..", "..BBBBB..", "........." }));

    MemoryDC empty = Canvas(9, 6);
    empty.rectangle(7, 1, 2, 5);
    empty.rectangle(2, 1, 2, 5);
    empty.rectangle(2, 5, 7, 5);
    EXPECT_EQ(Map(empty), Map(Canvas(9, 6)));
}

TEST(MemoryDCShapes, BoldPenIsCentredOnTheRectanglesOutermostPixels)
{
    MemoryDC dc = Canvas(13, 11, kBoldPen);
    dc.rectangle(3, 2, 10, 9);
    EXPECT_EQ(Map(dc),
        Picture({ ".............", "..PPPPPPPPP..", "..PPPPPPPPP..", "..PPPPPPPPP..", "..PPPBBBPPP..",
            "..PPPBBBPPP..", "..PPPBBBPPP..", "..PPPPPPPPP..", "..PPPPPPPPP..", "..PPPPPPPPP..",
            "............." }));
}

TEST(MemoryDCShapes, ShapesAreClippedAtTheBitmapsEdges)
{
    MemoryDC dc = Canvas(5, 5);
    dc.rectangle(-3, -3, 3, 3);
    dc.ellipse(2, 2, 8, 8);
    EXPECT_EQ(Map(dc), Picture({ "BBP..", "BBP..", "PPPPP", "..PBB", "..PBB" }));
}

TEST(MemoryDCShapes, FarAwayCoordinatesCostOnlyWhatShows)
{
    constexpr int kFar = 100'000'000;
    MemoryDC dc = Canvas(5, 4);
    dc.rectangle(-kFar, -kFar, kFar, kFar);
    dc.ellipse(-kFar, -kFar, kFar, kFar);
    dc.moveTo(-kFar, 1);
    dc.lineTo(kFar, 1);
    dc.moveTo(kFar, kFar + 2);
    dc.lineTo(-kFar, -kFar + 2);
    EXPECT_EQ(Map(dc), Picture({ "BBBBB", "PPPPP", "PBBBB", "BPBBB" }));
}

TEST(MemoryDCShapes, MaskPenAndsTheBrushIntoWhatLiesBeneath)
{
    constexpr COLORREF kLeft = RGB(0xF0, 0x0F, 0xFF);
    constexpr COLORREF kRight = RGB(0x3C, 0xC3, 0x81);
    MemoryDC dc(4, 2);
    dc.fillSolid(0, 0, 2, 2, kLeft);
    dc.fillSolid(2, 0, 4, 2, kRight);
    dc.selectPen(Pen::Null());
    dc.selectBrush({ RGB(0x0F, 0xFF, 0x3C) });
    dc.setMixMode(MixMode::MaskPen);
    dc.rectangle(0, 0, 3, 1);
    EXPECT_EQ(dc.getPixel(0, 0), RGB(0x00, 0x0F, 0x3C));
    EXPECT_EQ(dc.getPixel(1, 0), RGB(0x00, 0x0F, 0x3C));
    EXPECT_EQ(dc.getPixel(2, 0), RGB(0x0C, 0xC3, 0x00));
    EXPECT_EQ(dc.getPixel(3, 0), kRight);
    EXPECT_EQ(dc.getPixel(0, 1), kLeft);

    dc.setMixMode(MixMode::CopyPen);
    dc.rectangle(0, 1, 4, 2);
    EXPECT_EQ(dc.getPixel(0, 1), RGB(0x0F, 0xFF, 0x3C));
    EXPECT_EQ(dc.getPixel(3, 1), RGB(0x0F, 0xFF, 0x3C));
}

TEST(MemoryDCShapes, SmallCircleWithEachPen)
{
    MemoryDC thin = Canvas(8, 8);
    thin.ellipse(1, 1, 7, 7);
    EXPECT_EQ(Map(thin),
        Picture({ "........", "..PPPP..", ".PBBBBP.", ".PBBBBP.", ".PBBBBP.", ".PBBBBP.", "..PPPP..",
            "........" }));

    MemoryDC bold = Canvas(8, 8, kBoldPen);
    bold.ellipse(1, 1, 7, 7);
    EXPECT_EQ(Map(bold),
        Picture({ ".PPPPPP.", "PPPPPPPP", "PPPPPPPP", "PPPBBPPP", "PPPBBPPP", "PPPPPPPP", "PPPPPPPP",
            ".PPPPPP." }));

    MemoryDC unoutlined = Canvas(8, 8, Pen::Null());
    unoutlined.setMixMode(MixMode::MaskPen);
    unoutlined.ellipse(1, 1, 7, 7);
    EXPECT_EQ(Map(unoutlined),
        Picture({ "........", "..BBBB..", ".BBBBBB.", ".BBBBBB.", ".BBBBBB.", ".BBBBBB.", "..BBBB..",
            "........" }));
}

TEST(MemoryDCShapes, EllipseFillsItsBoxSymmetricallyInsideAClosedOutline)
{
    struct Box {
        int left, top, right, bottom;
    };
    // The close mark's ring and face, and a wide flat one of odd size.
    for (const Box box : { Box { 4, 4, 40, 40 }, Box { 7, 7, 37, 37 }, Box { 3, 10, 40, 23 } }) {
        SCOPED_TRACE(testing::Message()
            << "box " << box.left << ", " << box.top << ", " << box.right << ", " << box.bottom);
        MemoryDC dc = Canvas(44, 44);
        dc.ellipse(box.left, box.top, box.right, box.bottom);
        bool touches[4] = {};
        for (int y = 0; y < dc.height(); ++y) {
            for (int x = 0; x < dc.width(); ++x) {
                const COLORREF pixel = dc.getPixel(x, y);
                if (pixel == kPaper)
                    continue;
                ASSERT_TRUE(x >= box.left && x < box.right && y >= box.top && y < box.bottom)
                    << x << ", " << y;
                touches[0] |= x == box.left;
                touches[1] |= x == box.right - 1;
                touches[2] |= y == box.top;
                touches[3] |= y == box.bottom - 1;
                EXPECT_EQ(dc.getPixel(box.left + box.right - 1 - x, y), pixel) << x << ", " << y;
                EXPECT_EQ(dc.getPixel(x, box.top + box.bottom - 1 - y), pixel) << x << ", " << y;
                if (pixel == kFill) {
                    for (const auto& [dx, dy] : { std::pair { -1, 0 }, { 1, 0 }, { 0, -1 }, { 0, 1 } })
                        EXPECT_NE(dc.getPixel(x + dx, y + dy), kPaper) << "fill leaks at " << x << ", " << y;
                }
            }
        }
        EXPECT_TRUE(touches[0] && touches[1] && touches[2] && touches[3]);
    }
}

TEST(MemoryDCShapes, LinesStopOneShortOfTheirEnd)
{
    struct Case {
        const char* name;
        int width, fromX, fromY, toX, toY;
        std::string picture;
    };
    const Case cases[] = {
        { "right", 1, 1, 1, 5, 1, Picture({ "......", ".PPPP.", "......" }) },
        { "left", 1, 5, 1, 1, 1, Picture({ "......", "..PPPP", "......" }) },
        { "down", 1, 1, 0, 1, 3, Picture({ ".P.", ".P.", ".P.", "..." }) },
        { "up", 1, 1, 3, 1, 0, Picture({ "...", ".P.", ".P.", ".P." }) },
        { "diagonal", 1, 0, 0, 3, 3, Picture({ "P...", ".P..", "..P.", "...." }) },
        { "diagonal back", 1, 3, 3, 0, 0, Picture({ "....", ".P..", "..P.", "...P" }) },
        { "shallow", 1, 0, 0, 5, 2, Picture({ "PP....", "..PP..", "....P." }) },
        { "steep", 1, 0, 0, 2, 5, Picture({ "P..", "P..", ".P.", ".P.", "..P", "..." }) },
        { "point", 1, 2, 1, 2, 1, Picture({ ".....", ".....", "....." }) },
        { "bold across", 3, 1, 2, 5, 2, Picture({ "......", ".PPPP.", ".PPPP.", ".PPPP.", "......" }) },
        { "bold down", 3, 2, 1, 2, 4, Picture({ ".....", ".PPP.", ".PPP.", ".PPP.", "....." }) },
        { "bold diagonal", 3, 1, 1, 4, 4,
            Picture({ ".P....", ".PP...", ".PPP..", "..PP..", "...P..", "......" }) },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const auto rows = static_cast<int>(std::count(c.picture.begin(), c.picture.end(), '\n')) - 1;
        const auto columns = static_cast<int>(c.picture.find('\n', 1)) - 1;
        MemoryDC dc = Canvas(columns, rows, Pen { c.width, kInk, false });
        dc.moveTo(c.fromX, c.fromY);
        dc.lineTo(c.toX, c.toY);
        EXPECT_EQ(Map(dc), c.picture);
    }
}

TEST(MemoryDCShapes, LineToContinuesFromTheLastEndEvenWithTheNullPen)
{
    MemoryDC dc = Canvas(6, 5);
    dc.moveTo(1, 1);
    dc.lineTo(4, 1);
    dc.lineTo(4, 4);
    dc.selectPen(Pen::Null());
    dc.lineTo(0, 4);
    dc.selectPen(kThinPen);
    dc.lineTo(0, 2);
    EXPECT_EQ(Map(dc), Picture({ "......", ".PPPP.", "....P.", "P...P.", "P....." }));
}
