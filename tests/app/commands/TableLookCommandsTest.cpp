#include "support/TableFixture.h"

#include "app/dialogs/Fon_St.h"
#include "app/dialogs/Rybachka.h"
#include "app/drawing/ImagePainting.h"

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
    }
    /// Back b painted upright and sideways (the sideways top left shows its shade and the
    /// card's edge), every corner, the tile and the clean table up to the client's far
    /// corner in the table colour t, the table tiled as far as the client reaches.
    void expectLook(int b, COLORREF t) const
    {
        const CVertanDlg& d = *table_;
        EXPECT_EQ(
            std::tuple(d.m_dcBack.getPixel(35, 50), d.m_dcBackSide.getPixel(50, 35),
                d.m_dcBackSide.getPixel(g_sidePointX[95], g_sidePointY[95]), d.m_dcBackSide.getPixel(0, 0),
                d.m_dcBackSide.getPixel(1, 0), d.m_dcBackSide.getPixel(0, 1)),
            std::tuple(BackColour(b), SideColour(b), SideShade(b), SideShade(b), RGB(200, 196, 200),
                RGB(200, 196, 200)));
        EXPECT_EQ(std::tuple(d.m_dcBack.getPixel(0, 0), d.m_dcBack.getPixel(70, 94),
                      d.m_dcBackSide.getPixel(95, 70), d.m_dcFaces.getPixel(71 * 31 + 1, 0),
                      d.m_dcTile.getPixel(0, 0), d.m_dcTile.getPixel(199, 199),
                      d.m_dcTable.getPixel(1023, 767), g_tiledWidth, g_tiledHeight),
            std::tuple(t, t, t, t, t, t, t, 1024, 768));
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
        { 7, RGB(1, 2, 3), QDialog::Accepted, 7, RGB(1, 2, 3), BackgroundColour(7), RGB(0, 0, 155), kDim,
            kYellow },
        // The colour tile: the text colours come from the colour, every part whole, none below zero.
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
        EXPECT_EQ(
            std::tuple(g_background, table_->m_customColour, g_backgroundColour[11][1],
                g_backgroundColour[11][kTilePoints], redrawn(), table_->surface().dc().getPixel(1023, 384)),
            std::tuple(row.background, row.custom, row.custom, row.custom, row.result == QDialog::Accepted,
                row.table));
        EXPECT_EQ(std::tuple(table_->m_announcementColour, table_->m_announcementNormalColour,
                      table_->m_captionColour, table_->m_hoverColour),
            std::tuple(row.announcement, row.announcement, row.caption, row.hover));
        expectLook(1, row.table);
    }
}

TEST_F(TableLookCommandsTest, TheSameChoiceAgainRepaintsAllTheSameButSlotElevenIsNotRefilled)
{
    g_backgroundColour[11][5 * 200 + 5 + 1] = kTestTable; // the tile's pixel (5, 5)
    for (const int opensWith : { 1, 11 }) {
        table_->m_dcTile.setPixel(6, 6, kTestBack);
        table_->m_dcTable.setPixel(6, 6, kTestBack);
        dialogs_.answerAs<CFon_St>([opensWith](CFon_St& d) {
            EXPECT_EQ(d.m_selected, opensWith);
            d.m_selected = 11;
            return int(QDialog::Accepted);
        });
        table_->OnTableBackground();
        EXPECT_EQ(std::tuple(table_->m_dcTile.getPixel(5, 5), table_->m_dcTile.getPixel(6, 6),
                      table_->m_dcTable.getPixel(6, 6)),
            std::tuple(kTestTable, RGB(1, 2, 3), RGB(1, 2, 3)));
    }
    const struct {
        int back, result;
    } choices[] = { { 6, 1 }, { 6, 1 }, { 2, 0 } };
    for (const auto& choice : choices) {
        markWindow();
        table_->m_dcBack.setPixel(35, 50, kTestTable);
        dialogs_.answerAs<CRybachka>([&choice](CRybachka& d) {
            d.m_selected = choice.back;
            return choice.result;
        });
        table_->OnCardBack();
        EXPECT_EQ(std::tuple(g_cardBack, redrawn()), std::tuple(6, choice.result == 1));
        if (choice.result == 1)
            expectLook(6, RGB(1, 2, 3));
    }
}

TEST_F(TableLookCommandsTest, RepaintAndRebuildTakeDamagedNumbersAsTheNearestBackAndBackground)
{
    for (const auto& [damaged, background, table] :
        { std::tuple(0, 1, BackgroundColour(1)), std::tuple(12, 11, RGB(1, 2, 3)) }) {
        std::tie(g_background, g_cardBack) = std::tuple(damaged, 9);
        table_->RebuildBackground();
        table_->RepaintCardBack();
        EXPECT_EQ(std::tuple(g_background, g_cardBack), std::tuple(background, 8));
        expectLook(8, table);
    }
}

} // namespace
