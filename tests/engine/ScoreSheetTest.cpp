#include "engine/ScoreSheet.h"

#include <gtest/gtest.h>

#include <climits>

namespace {

TEST(ScoreSheetTest, ALongGameKeepsTwoPagesOfTwentyTwoRows)
{
    EXPECT_EQ(NextSheetRow(0), 1);
    EXPECT_EQ(NextSheetRow(22), 23);
    EXPECT_EQ(NextSheetRow(43), 44);
    EXPECT_FALSE(SheetDropsPage(43));
    // Row 45 would start a third page: the first page goes and the new row is 23.
    EXPECT_TRUE(SheetDropsPage(44));
    EXPECT_EQ(NextSheetRow(44), 23);
    // A game saved with more rows moves up by a page too; a damaged counter still lands
    // inside the sheet.
    EXPECT_EQ(NextSheetRow(50), 29);
    EXPECT_EQ(NextSheetRow(-7), 1);
    EXPECT_TRUE(SheetDropsPage(900));
    EXPECT_EQ(NextSheetRow(900), 33);

    EXPECT_EQ(FirstRowOfPage(0), 1);
    EXPECT_EQ(FirstRowOfPage(22), 1);
    EXPECT_EQ(FirstRowOfPage(23), 23);
    EXPECT_EQ(FirstRowOfPage(44), 23);
    EXPECT_EQ(FirstRowOfPage(54), 45);
}

TEST(ScoreSheetTest, GameEndRowsFollowTheTotals)
{
    EXPECT_EQ(GameEndRowsOf(560, 320),
        (GameEndRows { { { "Выиграл", 103 }, { "Проиграл", 38 } }, { { "240", 83 }, { "0", 66 } } }));
    EXPECT_EQ(GameEndRowsOf(-30, 1001),
        (GameEndRows { { { "Проиграл", 103 }, { "Выиграл", 42 } }, { { "0", 80 }, { "1031", 63 } } }));
    // Both at the line with equal totals: a draw with margin 0.
    EXPECT_EQ(GameEndRowsOf(501, 501),
        (GameEndRows { { { "Ничия", 91 }, { "Ничия", 52 } }, { { "0", 80 }, { "0", 66 } } }));
    EXPECT_EQ(ResultWord(OutcomeOf(502, 501)), "Выиграл");
    EXPECT_EQ(ResultWord(OutcomeOf(501, 650)), "Проиграл");
    EXPECT_EQ(MarginOf(INT_MIN, INT_MAX), -4294967295LL);
}

TEST(ScoreSheetTest, GameEndRowsStayOnThePanel)
{
    // Below the last deal row, after a blank row, while the margin row fits on its page.
    EXPECT_EQ(GameEndPlacesOf(5), (GameEndPlaces { 1, 5, 7, 8 }));
    EXPECT_EQ(GameEndPlacesOf(19), (GameEndPlaces { 1, 19, 21, 22 }));
    EXPECT_EQ(GameEndPlacesOf(30), (GameEndPlaces { 23, 8, 10, 11 }));
    // Past the page's end the rows shown start later: the last deal row stays above them.
    EXPECT_EQ(GameEndPlacesOf(20), (GameEndPlaces { 2, 19, 21, 22 }));
    EXPECT_EQ(GameEndPlacesOf(22), (GameEndPlaces { 4, 19, 21, 22 }));
    EXPECT_EQ(GameEndPlacesOf(44), (GameEndPlaces { 26, 19, 21, 22 }));
    EXPECT_EQ(GameEndPlacesOf(0), (GameEndPlaces { 1, 0, 2, 3 }));
}

} // namespace
