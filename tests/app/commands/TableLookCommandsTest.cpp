#include "support/TableFixture.h"

#include "app/Layout.h"
#include "app/dialogs/Fon_St.h"
#include "app/dialogs/Rybachka.h"
#include "app/drawing/ImagePainting.h"
#include "app/files/ImageData.h"
#include "engine/Settings.h"
#include "support/ScriptedDialogs.h"

#include <set>
#include <utility>

namespace {

using platform::COLORREF;
using platform::RGB;

/// Colours of the test pictures: back b, its sideways shade (point 95) and background g.
constexpr COLORREF BackColour(int b)
{
    return RGB(10 * b, 1, 2);
}
constexpr COLORREF SideColour(int b)
{
    return RGB(10 * b, 3, 4);
}
constexpr COLORREF SideShade(int b)
{
    return RGB(10 * b, 5, 6);
}
constexpr COLORREF BackgroundColour(int g)
{
    return RGB(g, 100, 200);
}
constexpr COLORREF kCardEdge = RGB(200, 196, 200);
constexpr int kShadePoint = 95;
/// A colour no picture has, put where the tests look for a repaint.
constexpr COLORREF kStale = RGB(1, 254, 1);

/// The corner pixels of a card picture w wide and h high.
std::set<std::pair<int, int>> cornersOf(int w, int h)
{
    return { { 0, 0 }, { 1, 0 }, { 0, 1 }, { w - 2, 0 }, { w - 1, 0 }, { w - 1, 1 }, { 0, h - 2 },
        { 0, h - 1 }, { 1, h - 1 }, { w - 1, h - 2 }, { w - 2, h - 1 }, { w - 1, h - 1 } };
}

/// Every pixel but the corners, row by row.
template <std::size_t N> void listPoints(std::array<int, N>& xs, std::array<int, N>& ys, int w, int h)
{
    const auto corners = cornersOf(w, h);
    std::size_t j = 1;
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            if (!corners.contains({ x, y })) {
                xs[j] = x;
                ys[j] = y;
                ++j;
            }
}

/// The picture tables as the image files would leave them, put back afterwards.
class TestPictures {
public:
    TestPictures()
    {
        listPoints(g_cardPointX, g_cardPointY, kCardWidth, kCardHeight);
        listPoints(g_sidePointX, g_sidePointY, kCardHeight, kCardWidth);
        for (int j = 1; j <= kTilePoints; ++j) {
            g_backgroundPointX[static_cast<std::size_t>(j)] = (j - 1) % kTileSize;
            g_backgroundPointY[static_cast<std::size_t>(j)] = (j - 1) / kTileSize;
        }
        g_backgroundPointCount = kTilePoints;
        for (int b = 1; b <= kCardBackCount; ++b) {
            g_backColour[static_cast<std::size_t>(b)].fill(BackColour(b));
            g_backSideColour[static_cast<std::size_t>(b)].fill(SideColour(b));
            g_backSideColour[static_cast<std::size_t>(b)][kShadePoint] = SideShade(b);
        }
        for (int g = 1; g <= kFileBackgroundCount; ++g)
            g_backgroundColour[static_cast<std::size_t>(g)].fill(BackgroundColour(g));
    }
    ~TestPictures()
    {
        g_cardPointX = saved_->cardX;
        g_cardPointY = saved_->cardY;
        g_sidePointX = saved_->sideX;
        g_sidePointY = saved_->sideY;
        g_backgroundPointX = saved_->tileX;
        g_backgroundPointY = saved_->tileY;
        g_backgroundPointCount = saved_->tileCount;
        g_backSideColour = saved_->side;
    }

private:
    /// What the tables held before.
    struct Saved {
        PointTable<kCardPointCapacity> cardX = g_cardPointX, cardY = g_cardPointY;
        PointTable<kCardPointCapacity> sideX = g_sidePointX, sideY = g_sidePointY;
        PointTable<kTilePointCapacity> tileX = g_backgroundPointX, tileY = g_backgroundPointY;
        int tileCount = g_backgroundPointCount;
        std::array<ColourTable<kCardPointCapacity>, kCardBackCount + 1> side = g_backSideColour;
    };
    std::unique_ptr<Saved> saved_ = std::make_unique<Saved>();
};

/// The table with the test pictures in force (background 1, back 1, the custom colour in
/// slot 11) and the option dialogs answered by script.
class TableLookCommandsTest : public TableTest {
protected:
    void SetUp() override
    {
        TableTest::SetUp();
        pictures_ = std::make_unique<TestPictures>();
        g_background = 1;
        g_cardBack = 1;
        table_->m_customColour = RGB(1, 2, 3);
        FillCustomBackground(table_->m_customColour);
        table_->RepaintCardBack();
        table_->RebuildBackground();
        // The window shows something the redraw would replace.
        table_->surface().dc().setPixel(2, 2, kStale);
    }
    void TearDown() override
    {
        pictures_.reset();
        TableTest::TearDown();
    }

    bool redrawn() const { return table_->surface().dc().getPixel(2, 2) != kStale; }

    /// Chooses in the background dialog, checking what it opens with.
    void chooseBackground(int opensWith, int tile, COLORREF colour, int result = QDialog::Accepted)
    {
        dialogs_.answerAs<CFon_St>([=, this](CFon_St& d) {
            EXPECT_EQ(d.m_selected, opensWith);
            EXPECT_EQ(d.m_customColour, table_->m_customColour);
            d.m_selected = tile;
            d.m_customColour = colour;
            return result;
        });
        table_->OnTableBackground();
    }
    void chooseBack(int opensWith, int back, int result = QDialog::Accepted)
    {
        dialogs_.answerAs<CRybachka>([=](CRybachka& d) {
            EXPECT_EQ(d.m_selected, opensWith);
            d.m_selected = back;
            return result;
        });
        table_->OnCardBack();
    }

    /// Checks both backs of back b against the table colour t, pixel by pixel.
    void expectBacks(int b, COLORREF t) const
    {
        const auto upright = cornersOf(kCardWidth, kCardHeight);
        for (int y = 0; y < kCardHeight; ++y)
            for (int x = 0; x < kCardWidth; ++x)
                ASSERT_EQ(table_->m_dcBack.getPixel(x, y), upright.contains({ x, y }) ? t : BackColour(b))
                    << x << ", " << y;
        const auto side = cornersOf(kCardHeight, kCardWidth);
        const int shadeX = g_sidePointX[kShadePoint];
        const int shadeY = g_sidePointY[kShadePoint];
        for (int y = 0; y < kCardWidth; ++y)
            for (int x = 0; x < kCardHeight; ++x) {
                COLORREF expected = side.contains({ x, y }) ? t : SideColour(b);
                if ((x == shadeX && y == shadeY) || (x == 0 && y == 0))
                    expected = SideShade(b);
                else if ((x == 1 && y == 0) || (x == 0 && y == 1))
                    expected = kCardEdge;
                ASSERT_EQ(table_->m_dcBackSide.getPixel(x, y), expected) << x << ", " << y;
            }
    }

    /// Checks the tile, the clean table up to the client's far corner and the card corners.
    void expectTable(COLORREF t) const
    {
        EXPECT_EQ(table_->m_dcTile.getPixel(0, 0), t);
        EXPECT_EQ(table_->m_dcTile.getPixel(199, 199), t);
        EXPECT_EQ(table_->m_dcTable.getPixel(g_clientWidth - 1, g_clientHeight - 1), t);
        EXPECT_EQ(table_->m_dcFaces.getPixel(71 * 31, 0), t) << "the last face's corner";
        EXPECT_EQ(table_->m_dcBack.getPixel(70, 95), t);
        EXPECT_EQ(g_tiledWidth, g_clientWidth);
        EXPECT_EQ(g_tiledHeight, g_clientHeight);
    }

    ScriptedDialogs dialogs_;
    platform::ScopedService<platform::DialogRunner> runner_ { dialogs_ };
    std::unique_ptr<TestPictures> pictures_;
};

TEST_F(TableLookCommandsTest, ABackgroundPictureRebuildsTheTableAndTheTextColoursAndRedraws)
{
    chooseBackground(1, 5, RGB(1, 2, 3));
    EXPECT_EQ(g_background, 5);
    expectTable(BackgroundColour(5));
    EXPECT_EQ(table_->m_announcementColour, RGB(255, 255, 255));
    EXPECT_EQ(table_->m_announcementNormalColour, RGB(255, 255, 255));
    EXPECT_EQ(table_->m_captionColour, RGB(80, 255, 255));
    EXPECT_EQ(table_->m_hoverColour, RGB(228, 251, 1));
    EXPECT_TRUE(redrawn());
    EXPECT_EQ(table_->surface().dc().getPixel(g_clientWidth - 1, g_clientHeight / 2), BackgroundColour(5));

    // The light backgrounds dim the captions.
    chooseBackground(5, 7, RGB(1, 2, 3));
    EXPECT_EQ(table_->m_captionColour, RGB(80, 100, 100));
    EXPECT_EQ(table_->m_announcementColour, RGB(0, 0, 155));
}

TEST_F(TableLookCommandsTest, TheCustomColourFillsSlotElevenAndDerivesTheTextColours)
{
    const COLORREF custom = RGB(30, 60, 90); // 5913630
    chooseBackground(1, 11, custom);
    EXPECT_EQ(table_->m_customColour, custom);
    EXPECT_EQ(g_background, 11);
    EXPECT_EQ(std::ranges::count(g_backgroundColour[11], custom), kTilePoints);
    expectTable(custom);
    expectBacks(1, custom);
    EXPECT_EQ(table_->m_announcementColour, 11806005u);
    EXPECT_EQ(table_->m_announcementNormalColour, 11806005u);
    EXPECT_EQ(table_->m_captionColour, 7820400u);
    EXPECT_EQ(table_->m_hoverColour, 6298808u);
    EXPECT_TRUE(redrawn());
}

TEST_F(TableLookCommandsTest, AColourPickedWithAnotherBackgroundIsTheOneTheColourTileShowsLater)
{
    chooseBackground(1, 3, RGB(9, 8, 7));
    EXPECT_EQ(g_background, 3);
    EXPECT_EQ(table_->m_customColour, RGB(9, 8, 7));
    expectTable(BackgroundColour(3));

    chooseBackground(3, 11, RGB(9, 8, 7));
    expectTable(RGB(9, 8, 7));
    EXPECT_EQ(table_->m_announcementColour, 13777215u - RGB(9, 8, 7) / 3);
}

TEST_F(TableLookCommandsTest, TheColourTileWithAnUnchangedColourDoesNotRefillSlotElevenButRepaints)
{
    g_backgroundColour[11][1] = kStale;
    table_->m_dcTile.setPixel(5, 5, kStale);
    chooseBackground(1, 11, RGB(1, 2, 3));
    EXPECT_EQ(g_backgroundColour[11][1], kStale);
    EXPECT_EQ(table_->m_dcTile.getPixel(5, 5), RGB(1, 2, 3));

    // The same background again repaints all the same.
    table_->m_dcTile.setPixel(5, 5, kStale);
    table_->m_dcTable.setPixel(5, 5, kStale);
    chooseBackground(11, 11, RGB(1, 2, 3));
    EXPECT_EQ(table_->m_dcTile.getPixel(5, 5), RGB(1, 2, 3));
    EXPECT_EQ(table_->m_dcTable.getPixel(5, 5), RGB(1, 2, 3));
}

TEST_F(TableLookCommandsTest, ClosingTheBackgroundDialogKeepsEverythingEvenAPickedColour)
{
    const COLORREF announcement = table_->m_announcementColour;
    chooseBackground(1, 11, RGB(200, 0, 0), QDialog::Rejected);
    EXPECT_EQ(g_background, 1);
    EXPECT_EQ(table_->m_customColour, RGB(1, 2, 3));
    EXPECT_EQ(g_backgroundColour[11][1], RGB(1, 2, 3));
    EXPECT_EQ(table_->m_announcementColour, announcement);
    EXPECT_FALSE(redrawn());
}

TEST_F(TableLookCommandsTest, ACardBackIsRepaintedWithItsCornersInTheTableColourAndRedrawn)
{
    chooseBack(1, 6);
    EXPECT_EQ(g_cardBack, 6);
    expectBacks(6, BackgroundColour(1));
    EXPECT_TRUE(redrawn());

    // The same back again repaints all the same; closing keeps the back.
    table_->m_dcBack.setPixel(30, 30, kStale);
    chooseBack(6, 6);
    EXPECT_EQ(table_->m_dcBack.getPixel(30, 30), BackColour(6));
    table_->surface().dc().setPixel(2, 2, kStale);
    chooseBack(6, 2, QDialog::Rejected);
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

    g_background = 0;
    table_->RebuildBackground();
    EXPECT_EQ(g_background, 1);
    expectTable(BackgroundColour(1));
    g_background = 12;
    table_->RebuildBackground();
    EXPECT_EQ(g_background, 11);
    expectTable(RGB(1, 2, 3));
}

} // namespace
