#include "support/TableFixture.h"

#include "app/dialogs/Fon_St.h"
#include "app/dialogs/Rybachka.h"
#include "app/drawing/ImagePainting.h"
#include "app/files/ImageData.h"
#include "engine/Settings.h"

namespace {

using platform::COLORREF;
using platform::RGB;

constexpr COLORREF kYellow = RGB(228, 251, 1), kCyan = RGB(80, 255, 255), kDim = RGB(80, 100, 100);

/// The table on background 1 with back 1, the custom colour RGB(1, 2, 3) in slot 11.
class TableLookCommandsTest : public TableCommandTest {
protected:
    void SetUp() override
    {
        TableCommandTest::SetUp();
        table_->m_customColour = RGB(1, 2, 3);
        FillCustomBackground(table_->m_customColour);
        table_->RepaintCardBack();
        table_->RebuildBackground();
        markWindow();
    }
    void chooseBack(int back, int result = QDialog::Accepted)
    {
        dialogs_.answerAs<CRybachka>([=](CRybachka& d) {
            EXPECT_EQ(d.m_selected, g_cardBack);
            d.m_selected = back;
            return result;
        });
        table_->OnCardBack();
    }
    /// Both backs of back b pixel by pixel: the corners in the table colour t, but the
    /// sideways back's top left, which shows its shade (point 95) and the card's edge.
    void expectBacks(int b, COLORREF t) const
    {
        const auto corner = [](const auto& xs, const auto& ys, int x, int y, std::size_t from) {
            for (std::size_t k = from; k <= 12; ++k)
                if (xs[k] == x && ys[k] == y)
                    return true;
            return false;
        };
        for (int y = 0; y < kCardHeight; ++y)
            for (int x = 0; x < kCardWidth; ++x)
                ASSERT_EQ(table_->m_dcBack.getPixel(x, y),
                    corner(g_cardCornerX, g_cardCornerY, x, y, 1) ? t : BackColour(b))
                    << x << ", " << y;
        for (int y = 0; y < kCardWidth; ++y)
            for (int x = 0; x < kCardHeight; ++x) {
                const bool shade = x + y == 0 || (x == g_sidePointX[95] && y == g_sidePointY[95]);
                ASSERT_EQ(table_->m_dcBackSide.getPixel(x, y),
                    shade                                               ? SideShade(b)
                        : x + y == 1                                    ? RGB(200, 196, 200)
                        : corner(g_sideCornerX, g_sideCornerY, x, y, 4) ? t
                                                                        : SideColour(b))
                    << x << ", " << y;
            }
    }
    /// The tile, the clean table up to the client's far corner and the card corners in t.
    void expectTable(COLORREF t) const
    {
        EXPECT_EQ(table_->m_dcTile.getPixel(0, 0), t);
        EXPECT_EQ(table_->m_dcTile.getPixel(199, 199), t);
        EXPECT_EQ(table_->m_dcTable.getPixel(1023, 767), t);
        EXPECT_EQ(table_->m_dcFaces.getPixel(71 * 31, 0), t) << "the last face's corner";
        EXPECT_EQ(table_->m_dcBack.getPixel(70, 95), t);
        EXPECT_EQ(std::tuple(g_tiledWidth, g_tiledHeight), std::tuple(1024, 768));
    }
};

TEST_F(TableLookCommandsTest, TheBackgroundDialogRebuildsTheTableAndTheTextColoursAndRedraws)
{
    const struct {
        int tile;
        COLORREF colour;
        int result, background;
        COLORREF custom, table, announcement, caption, hover;
    } rows[] = {
        { 5, RGB(1, 2, 3), QDialog::Accepted, 5, RGB(1, 2, 3), BackgroundColour(5), RGB(255, 255, 255), kCyan,
            kYellow },
        // The light backgrounds dim the captions.
        { 7, RGB(1, 2, 3), QDialog::Accepted, 7, RGB(1, 2, 3), BackgroundColour(7), RGB(0, 0, 155), kDim,
            kYellow },
        // The colour tile: the text colours come from the colour, every part whole, none
        // below zero.
        { 11, RGB(30, 60, 90), QDialog::Accepted, 11, RGB(30, 60, 90), RGB(30, 60, 90), 11806005, 7820400,
            6298808 },
        { 11, RGB(255, 255, 255), QDialog::Accepted, 11, RGB(255, 255, 255), RGB(255, 255, 255), 8184810,
            2388608, 3582912 },
        // A colour picked with a picture waits in slot 11 for the colour tile.
        { 3, RGB(9, 8, 7), QDialog::Accepted, 3, RGB(9, 8, 7), BackgroundColour(3), RGB(0, 0, 100), kDim,
            kYellow },
        // Closing keeps everything, even a picked colour.
        { 11, RGB(200, 0, 0), QDialog::Rejected, 3, RGB(9, 8, 7), BackgroundColour(3), RGB(0, 0, 100), kDim,
            kYellow },
    };
    for (const auto& row : rows) {
        markWindow();
        dialogs_.answerAs<CFon_St>([&](CFon_St& d) {
            EXPECT_EQ(
                std::tuple(d.m_selected, d.m_customColour), std::tuple(g_background, table_->m_customColour));
            std::tie(d.m_selected, d.m_customColour) = std::tuple(row.tile, row.colour);
            return row.result;
        });
        table_->OnTableBackground();
        EXPECT_EQ(g_background, row.background);
        EXPECT_EQ(std::tuple(
                      table_->m_customColour, g_backgroundColour[11][1], g_backgroundColour[11][kTilePoints]),
            std::tuple(row.custom, row.custom, row.custom));
        expectTable(row.table);
        EXPECT_EQ(std::tuple(table_->m_announcementColour, table_->m_announcementNormalColour,
                      table_->m_captionColour, table_->m_hoverColour),
            std::tuple(row.announcement, row.announcement, row.caption, row.hover));
        EXPECT_EQ(redrawn(), row.result == QDialog::Accepted);
        EXPECT_EQ(table_->surface().dc().getPixel(1023, 384), row.table);
    }
}

TEST_F(TableLookCommandsTest, TheSameColourTileDoesNotRefillSlotElevenButRepaintsTheTable)
{
    g_backgroundColour[11][1] = kTestTable;
    for (const int opensWith : { 1, 11 }) {
        table_->m_dcTile.setPixel(5, 5, kTestTable);
        table_->m_dcTable.setPixel(5, 5, kTestTable);
        dialogs_.answerAs<CFon_St>([opensWith](CFon_St& d) {
            EXPECT_EQ(d.m_selected, opensWith);
            d.m_selected = 11;
            return int(QDialog::Accepted);
        });
        table_->OnTableBackground();
        EXPECT_EQ(g_backgroundColour[11][1], kTestTable);
        EXPECT_EQ(std::tuple(table_->m_dcTile.getPixel(5, 5), table_->m_dcTable.getPixel(5, 5)),
            std::tuple(RGB(1, 2, 3), RGB(1, 2, 3)));
    }
}

TEST_F(TableLookCommandsTest, ACardBackIsRepaintedEvenWhenTheSameWithItsCornersInTheTableColour)
{
    chooseBack(6);
    EXPECT_EQ(g_cardBack, 6);
    expectBacks(6, BackgroundColour(1));
    EXPECT_TRUE(redrawn());

    table_->m_dcBack.setPixel(30, 30, kTestTable);
    chooseBack(6);
    EXPECT_EQ(table_->m_dcBack.getPixel(30, 30), BackColour(6));
    markWindow();
    chooseBack(2, QDialog::Rejected);
    EXPECT_EQ(g_cardBack, 6);
    expectBacks(6, BackgroundColour(1));
    EXPECT_FALSE(redrawn());
}

TEST_F(TableLookCommandsTest, RepaintAndRebuildTakeDamagedNumbersAsTheNearestBackAndBackground)
{
    g_cardBack = 9;
    table_->RepaintCardBack();
    EXPECT_EQ(g_cardBack, 8);
    expectBacks(8, BackgroundColour(1));
    for (const auto& [damaged, background, table] :
        { std::tuple(0, 1, BackgroundColour(1)), std::tuple(12, 11, RGB(1, 2, 3)) }) {
        g_background = damaged;
        table_->RebuildBackground();
        EXPECT_EQ(g_background, background);
        expectTable(table);
    }
}

} // namespace
