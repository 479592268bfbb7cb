#include "support/TableFixture.h"

#include "app/drawing/TableDrawing.h"
#include "engine/CardTable.h"
#include "engine/GameState.h"
#include "engine/Settings.h"

namespace {

using platform::Rect;
using platform::RGB;

Rect Card(int x, int y)
{
    return { x, y, x + 71, y + 96 };
}

/// A table of that width (and three quarters of it high) where the human holds cards 1..
/// and the computer 21.., with other values set; and where each colour lies once it is
/// drawn (nowhere: empty).
struct Scene {
    int human;
    int computer;
    std::vector<std::pair<int*, int>> values;
    std::vector<std::pair<platform::COLORREF, std::optional<Rect>>> drawn;
    int width = 1024;
};

/// On a 1024 x 768 table: r = 38, the human's row at 554, six cards a row 156 apart from
/// x = 85, shown cards H / 26 = 29 toward the middle; the deck at the right edge, M = 344.
const Scene kScenes[] {
    { 6, 6,
        { { &g_cards[2].shown(), 1 }, { &g_cards[23].shown(), 1 }, { &g_humanShowing, 1 },
            { &g_computerShowing, 1 } },
        { { FaceColour(1), Card(85, 554) }, { FaceColour(6), Card(865, 554) },
            { FaceColour(2), Card(241, 525) }, { FaceColour(23), Card(397, 67) },
            { kTestBack, Rect { 85, 38, 936, 134 } }, { FaceColour(21), {} } } },
    { 6, 6, { { &g_sevenPos, 4 }, { &g_humanSevenRaised, 1 }, { &g_computerSevenRaised, 1 } },
        { { FaceColour(4), Card(553, 525) }, { FaceColour(3), Card(397, 554) },
            { FaceColour(24), Card(553, 67) } } },
    // 12 cards 800 wide: step 60, gap 5, the row's top 600 - 90 - 100; card 1 shows 65 columns.
    { 12, 0, {}, { { FaceColour(12), Card(720, 410) }, { FaceColour(1), Rect { 5, 410, 70, 506 } } }, 800 },
    // The turned-up card at (W - 107, M - 61) under sideways backs from (W - 122, M - 16), 2
    // apart; the lowest back's corner shows the table.
    { 0, 0, { { &g_deckShown, kDeckWithTurnedUpCard }, { &g_trumpCard, 9 } },
        { { FaceColour(9), Rect { 917, 283, 988, 328 } }, { kTestSideBack, Rect { 902, 328, 1004, 405 } },
            { RGB(60, 61, 62), Rect { 902, 328, 904, 330 } } } },
    // Backs from (W - 89, M - 40), the shown card on top; each corner shows what lay there.
    { 0, 0, { { &g_deckShown, 17 }, { &g_trumpCard, 9 } },
        { { FaceColour(9), Rect { 917, 283, 988, 379 } }, { kTestBack, Rect { 935, 304, 1010, 404 } },
            { FaceColour(17), Card(941, 310) }, { RGB(90, 91, 92), Rect { 937, 306, 942, 311 } },
            { RGB(200, 196, 200), Rect { 937, 306, 943, 312 } } } },
    { 0, 0,
        { { &g_trumpSuit, 1 }, { &g_trumpMarkPos, kTrumpMarkSpot1 }, { &g_computerCardShown, 1 },
            { &g_computerTableCard, 30 } },
        { { RGB(255, 0, 0), Rect { 889, 344, 890, 345 } }, { FaceColour(30), Card(476, 283) } } },
};

class TableDrawingTest : public TableTest, public ::testing::WithParamInterface<Scene> { };

TEST_P(TableDrawingTest, EverythingStandsAtItsPlaceAndTheWindowShowsIt)
{
    const Scene& scene = GetParam();
    g_humanHand = { 0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12 };
    g_computerHand = { 0, 21, 22, 23, 24, 25, 26 };
    g_humanCount = scene.human;
    g_computerCount = scene.computer;
    for (const auto& [global, value] : scene.values)
        *global = value;
    layOut(scene.width, scene.width * 3 / 4);
    table_->RedrawTable();
    for (const auto& [colour, rect] : scene.drawn)
        EXPECT_EQ(bounds(table_->m_dcBuffer, colour), rect) << std::hex << colour;
    // The hit rectangles stay in the row, whatever stands out of it.
    for (int k = 1; k <= g_humanCount; ++k)
        EXPECT_EQ(g_humanCardRects[static_cast<std::size_t>(k)].top, g_clientHeight == 768 ? 554 : 410);
    EXPECT_EQ(differences(table_->m_dcBuffer, table_->surface().dc()), 0);
    EXPECT_EQ(g_fullRedraw, 0);
}

INSTANTIATE_TEST_SUITE_P(Scenes, TableDrawingTest, ::testing::ValuesIn(kScenes));

TEST_F(TableDrawingTest, EmptyHandsDrawNothingAndWhatIsShownAtOnceReachesTheWindow)
{
    g_humanCardRects[1] = { 1, 2, 3, 4 };
    table_->RedrawTable();
    EXPECT_EQ(differences(table_->m_dcBuffer, table_->m_dcTable), 0);
    EXPECT_EQ(g_humanCardRects[1], (Rect { 1, 2, 3, 4 }));
    g_humanHand = { 0, 1, 2, 3, 4, 5, 6 };
    g_humanCount = 6;
    layOut(1024, 768);
    table_->DrawHumanHand();
    EXPECT_EQ(bounds(table_->surface().dc(), FaceColour(6)), cardAt(865, 554));
    EXPECT_EQ(g_humanCardRects[6], cardAt(865, 554));
    EXPECT_EQ(played("Sound\\H1.wav"), 1);
    // The trump mark's second spot lies 18 right of the first.
    table_->ShowTrumpMark(3, kTrumpMarkSpot2);
    EXPECT_EQ(table_->surface().dc().getPixel(907, 344), RGB(0, 0, 0));
}

} // namespace
