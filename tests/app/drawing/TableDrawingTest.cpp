#include "support/TableFixture.h"

#include "app/Spots.h"
#include "app/drawing/TableDrawing.h"
#include "engine/CardTable.h"
#include "engine/GameState.h"
#include "engine/PromptState.h"
#include "engine/Settings.h"

namespace {

using platform::Rect;
using platform::RGB;

/// A 1024 x 768 table: r = 38, human row at 554, middle line 344; six cards a row sit 85
/// apart from x = 85, 156 pixels from one to the next.
class TableDrawingTest : public TableTest {
protected:
    void deal(int humanCards, int computerCards)
    {
        g_humanCount = humanCards;
        g_computerCount = computerCards;
        for (int k = 1; k <= humanCards; ++k)
            g_humanHand[static_cast<std::size_t>(k)] = k;
        for (int k = 1; k <= computerCards; ++k)
            g_computerHand[static_cast<std::size_t>(k)] = 20 + k;
        layOut(1024, 768);
    }
    const platform::MemoryDC& buffer() const { return table_->m_dcBuffer; }
};

TEST_F(TableDrawingTest, RowsStandAtTheirSlotsAndTheHitRectanglesMatchThem)
{
    deal(6, 6);
    table_->RedrawTable();
    for (int k = 1; k <= 6; ++k) {
        const int x = 85 + (k - 1) * 156;
        EXPECT_EQ(bounds(buffer(), FaceColour(k)), cardAt(x, 554)) << "card " << k;
        EXPECT_EQ(g_humanCardRects[static_cast<std::size_t>(k)], cardAt(x, 554)) << "card " << k;
    }
    EXPECT_EQ(bounds(buffer(), kTestBack), (Rect { 85, 38, 936, 134 }));
    EXPECT_FALSE(bounds(buffer(), FaceColour(21)));
    // The window shows what was drawn.
    EXPECT_EQ(differences(buffer(), table_->surface().dc()), 0);
    EXPECT_EQ(g_fullRedraw, 0);
}

TEST_F(TableDrawingTest, ShownCardsStandOutOfTheirRowsTowardTheMiddle)
{
    deal(6, 6);
    g_cards[2].shown() = 1;
    g_cards[5].shown() = 1;
    g_cards[23].shown() = 1;
    g_humanShowing = 1;
    g_computerShowing = 1;
    table_->RedrawTable();
    // H / 26 = 29 pixels.
    EXPECT_EQ(bounds(buffer(), FaceColour(1)), cardAt(85, 554));
    EXPECT_EQ(bounds(buffer(), FaceColour(2)), cardAt(241, 525));
    EXPECT_EQ(bounds(buffer(), FaceColour(5)), cardAt(709, 525));
    EXPECT_EQ(bounds(buffer(), FaceColour(23)), cardAt(397, 67));
    // The computer's other cards stay backs in the row; the hit rectangles stay in the row.
    EXPECT_EQ(buffer().getPixel(241 + 35, 40), kTestBack);
    EXPECT_EQ(buffer().getPixel(397 + 35, 40), kTestTable);
    EXPECT_EQ(g_humanCardRects[2], cardAt(241, 554));
}

TEST_F(TableDrawingTest, TheOfferedSevensStandOutOfTheirRows)
{
    deal(6, 6);
    g_sevenPos = 4;
    g_humanSevenRaised = 1;
    table_->RedrawTable();
    EXPECT_EQ(bounds(buffer(), FaceColour(4)), cardAt(553, 525));
    EXPECT_EQ(bounds(buffer(), FaceColour(3)), cardAt(397, 554));
    EXPECT_FALSE(bounds(buffer(), FaceColour(24)));

    g_humanSevenRaised = 0;
    g_computerSevenRaised = 1;
    table_->RedrawTable();
    EXPECT_EQ(bounds(buffer(), FaceColour(4)), cardAt(553, 554));
    EXPECT_EQ(bounds(buffer(), FaceColour(24)), cardAt(553, 67));
}

TEST_F(TableDrawingTest, EmptyHandsDrawNothingAndRecordNoRectangle)
{
    deal(0, 0);
    g_humanCardRects[1] = { 1, 2, 3, 4 };
    table_->RedrawTable();
    EXPECT_EQ(differences(buffer(), table_->m_dcTable), 0);
    EXPECT_EQ(g_humanCardRects[1], (Rect { 1, 2, 3, 4 }));
}

TEST_F(TableDrawingTest, OverlappingRowOnANarrowTable)
{
    g_humanCount = 12;
    for (int k = 1; k <= 12; ++k)
        g_humanHand[static_cast<std::size_t>(k)] = k;
    layOut(800, 600);
    table_->RedrawTable();
    // 800 wide, 12 cards: step 60, gap 5; the human row's top is 600 - 90 - 100.
    EXPECT_EQ(g_humanCardRects[12], cardAt(720, 410));
    EXPECT_EQ(bounds(buffer(), FaceColour(12)), cardAt(720, 410));
    // Card 1 lies under card 2 but for its first 65 columns.
    EXPECT_EQ(bounds(buffer(), FaceColour(1)), (Rect { 5, 410, 70, 506 }));
}

TEST_F(TableDrawingTest, TheTalonAtTheStartOfADeal)
{
    g_deckShown = kDeckWithTurnedUpCard;
    g_trumpCard = 9;
    table_->RedrawTable();
    // Turned-up card at (W - 107, M - 61), its lower part under the sideways backs from
    // (W - 122, M - 16), 2 apart.
    EXPECT_EQ(bounds(buffer(), FaceColour(9)), (Rect { 917, 283, 988, 328 }));
    EXPECT_EQ(bounds(buffer(), kTestSideBack), (Rect { 902, 328, 908 + 96, 334 + 71 }));
    const platform::COLORREF tableColour = RGB(60, 61, 62);
    EXPECT_EQ(buffer().getPixel(902, 328), tableColour);
    EXPECT_EQ(buffer().getPixel(903, 328), tableColour);
    EXPECT_EQ(buffer().getPixel(902, 329), tableColour);
    EXPECT_EQ(buffer().getPixel(904, 330), kTestSideBack);
}

TEST_F(TableDrawingTest, TheRestOfTheDeckWithItsShownCard)
{
    g_deckShown = 17;
    g_trumpCard = 9;
    g_deckCornerPixel1 = RGB(11, 0, 0);
    g_deckCornerPixel2 = RGB(12, 0, 0);
    g_deckCornerPixel3 = RGB(13, 0, 0);
    table_->RedrawTable();
    EXPECT_EQ(buffer().getPixel(917 + 5, 283 + 5), FaceColour(9));
    // Backs at (W - 89, M - 40), (W - 87, M - 38), (W - 85, M - 36), the shown card at (W - 83, M - 34).
    EXPECT_EQ(bounds(buffer(), kTestBack), (Rect { 935, 304, 939 + 71, 308 + 96 }));
    EXPECT_EQ(bounds(buffer(), FaceColour(17)), cardAt(941, 310));
    EXPECT_EQ(buffer().getPixel(935, 304), RGB(11, 0, 0));
    EXPECT_EQ(buffer().getPixel(936, 304), RGB(12, 0, 0));
    EXPECT_EQ(buffer().getPixel(935, 305), RGB(13, 0, 0));
    for (const int i : { 1, 2, 3 }) {
        const int x = 935 + 2 * i;
        const int y = 304 + 2 * i;
        EXPECT_EQ(buffer().getPixel(x, y), RGB(90, 91, 92)) << i;
        EXPECT_EQ(buffer().getPixel(x + 1, y), RGB(200, 196, 200)) << i;
        EXPECT_EQ(buffer().getPixel(x, y + 1), RGB(200, 196, 200)) << i;
    }
}

TEST_F(TableDrawingTest, NoDeckOutsideItsValues)
{
    g_trumpCard = 9;
    for (const int shown : { kDeckNotShown, 33, -1, 99 }) {
        g_deckShown = shown;
        table_->RedrawTable();
        EXPECT_EQ(differences(buffer(), table_->m_dcTable), 0) << shown;
    }
}

TEST_F(TableDrawingTest, TrumpMarkAndTheComputersLedCard)
{
    g_trumpSuit = 1;
    g_trumpMarkPos = kTrumpMarkSpot1;
    g_computerCardShown = 1;
    g_computerTableCard = 30;
    table_->RedrawTable();
    EXPECT_EQ(bounds(buffer(), RGB(255, 0, 0)), (Rect { 889, 344, 890, 345 }));
    EXPECT_EQ(bounds(buffer(), FaceColour(30)), cardAt(476, 283));

    g_trumpMarkPos = kTrumpMarkSpot2;
    table_->RedrawTable();
    EXPECT_EQ(bounds(buffer(), RGB(255, 0, 0)), (Rect { 907, 344, 908, 345 }));

    g_trumpMarkPos = kTrumpMarkNone;
    g_trumpSuit = 3;
    table_->ShowTrumpMark(3, kTrumpMarkSpot2);
    EXPECT_EQ(table_->surface().dc().getPixel(907, 344), RGB(0, 0, 0));
}

TEST_F(TableDrawingTest, DrawHumanHandShowsTheRowWithTheCardSound)
{
    deal(6, 0);
    table_->DrawHumanHand();
    EXPECT_EQ(bounds(table_->surface().dc(), FaceColour(6)), cardAt(865, 554));
    EXPECT_EQ(g_humanCardRects[6], cardAt(865, 554));
    EXPECT_EQ(played("Sound\\H1.wav"), 1);

    g_cardSounds = 0;
    table_->DrawHumanHand();
    EXPECT_EQ(played("Sound\\H1.wav"), 1);
}

} // namespace
