#include "platform/MemoryDC.h"

#include <QFontInfo>
#include <QFontMetrics>
#include <QRect>

#include <gtest/gtest.h>

using namespace platform;

namespace {

constexpr COLORREF kTable = RGB(0, 128, 0);
constexpr COLORREF kCell = RGB(0x86, 0x3e, 0x22);
constexpr COLORREF kText = RGB(0xb4, 0xb4, 0xb4);

MemoryDC Table()
{
    MemoryDC dc(160, 60);
    dc.fillSolid(0, 0, dc.width(), dc.height(), kTable);
    dc.setFont(pointFont(110));
    dc.setTextColour(kText);
    dc.setBkColour(kCell);
    return dc;
}

/// The smallest rectangle holding every pixel that is neither table nor cell colour.
QRect Ink(const MemoryDC& dc)
{
    QRect ink;
    for (int y = 0; y < dc.height(); ++y)
        for (int x = 0; x < dc.width(); ++x)
            if (dc.getPixel(x, y) != kTable && dc.getPixel(x, y) != kCell)
                ink |= QRect(x, y, 1, 1);
    return ink;
}

} // namespace

TEST(MemoryDCText, ElevenPointFontIsFifteenPixelsOfLiberationSerif)
{
    const QFont font = pointFont(110);
    EXPECT_EQ(font.pixelSize(), 15);
    EXPECT_EQ(QFontInfo(font).family(), QStringLiteral("Liberation Serif"));
    EXPECT_EQ(pointFont(120).pixelSize(), 16);
    EXPECT_EQ(pointFont(140).pixelSize(), 19);
}

TEST(MemoryDCText, OpaqueTextFillsItsCellFromTheTopLeftCorner)
{
    const QString text = QStringLiteral("Ёлка 501");
    MemoryDC dc = Table();
    dc.textOut(10, 5, text);

    const QFontMetrics metrics(pointFont(110));
    const QRect cell(10, 5, metrics.horizontalAdvance(text), metrics.ascent() + metrics.descent());
    for (int y = 0; y < dc.height(); ++y)
        for (int x = 0; x < dc.width(); ++x)
            ASSERT_EQ(cell.contains(x, y), dc.getPixel(x, y) != kTable) << x << ", " << y;
    const QRect ink = Ink(dc);
    EXPECT_TRUE(cell.contains(ink)) << ink.x() << ", " << ink.y() << ", " << ink.width() << " x "
                                    << ink.height();
    // The dots of Ё reach close to the top of the cell; capitals sit on the baseline.
    EXPECT_LE(ink.top(), cell.top() + 3);
    EXPECT_GE(ink.width(), cell.width() - 3);

    MemoryDC moved = Table();
    moved.textOut(30, 17, text);
    EXPECT_EQ(Ink(moved), ink.translated(20, 12));
}

TEST(MemoryDCText, TransparentTextLeavesTheTableAroundTheLetters)
{
    MemoryDC dc = Table();
    dc.setOpaqueBackground(false);
    dc.textOut(10, 5, QStringLiteral("Вертан"));
    EXPECT_EQ(dc.getPixel(10, 5), kTable);
    EXPECT_FALSE(Ink(dc).isEmpty());
    for (int y = 0; y < dc.height(); ++y)
        for (int x = 0; x < dc.width(); ++x)
            ASSERT_NE(dc.getPixel(x, y), kCell);

    // Text running off the bitmap is cut, not wrapped or refused.
    dc.textOut(dc.width() - 5, dc.height() - 5, QStringLiteral("Вертан"));
    EXPECT_EQ(dc.getPixel(0, 0), kTable);
}
