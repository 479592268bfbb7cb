#include "app/drawing/FittedText.h"

#include "support/QStringPrinter.h"

#include <gtest/gtest.h>

#include <optional>

namespace {

/// Text and its cell are drawn in one colour on black, so every drawn pixel shows.
constexpr platform::COLORREF kInk = platform::RGB(1, 250, 1);

/// First and last column of the bitmap with any pixel of ink.
std::optional<std::pair<int, int>> inkColumns(const platform::MemoryDC& dc)
{
    std::optional<std::pair<int, int>> found;
    for (int x = 0; x < dc.width(); ++x)
        for (int y = 0; y < dc.height(); ++y)
            if (dc.getPixel(x, y) == kInk) {
                found = { found ? found->first : x, x };
                break;
            }
    return found;
}

TEST(FittedTextTest, ATextStaysInItsRoomAtItsOwnWidthWhenItCanAndCondensedWhenItCannot)
{
    const QString short_ = QStringLiteral("ИВАН  61");
    const QString wide = QStringLiteral("ЖЖЖЖЖЖЖЖЖЖЖЖ");
    constexpr int kEndsAtRight = -1;
    const struct {
        int x;
        QString text;
        TextRoom room;
        int first; ///< its first column, or kEndsAtRight: its cell ends where the room does
        bool natural; ///< drawn at its own width; else condensed to fill the room
    } rows[] {
        { 50, short_, { 20, 200 }, 50, true }, // fits where it stands
        { 150, short_, { 20, 200 }, kEndsAtRight, true }, // would run past the right
        { 150, wide, { 20, 200 }, kEndsAtRight, true },
        { 5, short_, { 20, 200 }, 20, true }, // would start left of the room
        { 150, wide, { 20, 120 }, 20, false }, // wider than the room
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.text.toStdString() + " at " + std::to_string(row.x));
        platform::MemoryDC dc(300, 30);
        const QFont font = platform::pointFont(110);
        dc.setFont(font);
        dc.setTextColour(kInk);
        dc.setBkColour(kInk);
        dc.setOpaqueBackground(true);
        const int width = dc.textWidth(row.text);
        TextOutWithin(dc, row.x, 5, row.text, row.room);
        const auto [first, last] = inkColumns(dc).value();
        EXPECT_EQ(first, row.first == kEndsAtRight ? row.room.right - width : row.first);
        // A glyph's ink may reach a column past its cell.
        if (row.natural)
            EXPECT_GE(last - first + 1, width);
        else
            EXPECT_TRUE(last <= row.room.right && last >= row.room.right - 8) << last;
        EXPECT_EQ(dc.font(), font) << "the text that follows is drawn in the font it was given";
    }
}

} // namespace
