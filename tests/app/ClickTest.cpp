#include "support/TableFixture.h"

#include "app/drawing/TableDrawing.h"
#include "engine/CardTable.h"
#include "engine/CardValues.h"
#include "engine/GameState.h"
#include "engine/PromptState.h"

namespace {

using B = PromptButton;

constexpr char kClickSound[] = "Sound\\Naj_kn.wav";

/// Clicks on the table: a prompt's button runs the dispatcher only while it is live; a
/// card of the hand plays while the human may play.
class ClickTest : public TableTest {
protected:
    void click(Point p) { table_->OnLButtonDown(p.x, p.y); }
    /// The score sheet open over prompt 13, its close mark hovered.
    void openSheetOverPrompt13()
    {
        g_sheetOpen = 1;
        g_sheetSavedPrompt = PromptState::kComputerDeclares;
        g_sheetSavedAnnouncement = image::kCaptionAcknowledge;
        pose(PromptState::kScoreSheet);
        table_->OnMouseMove(centreOf(table_->m_rcButton1).x, centreOf(table_->m_rcButton1).y);
    }
};

TEST_F(ClickTest, AHoveredLiveButtonRunsItsAnswerOnce)
{
    openSheetOverPrompt13();
    ASSERT_EQ(g_hotButton, B::kCloseScoreSheet);
    const Point mark = centreOf(table_->m_rcButton1);
    click(mark);
    EXPECT_EQ(played(kClickSound), 1);
    EXPECT_EQ(g_sheetOpen, 0);
    EXPECT_EQ(g_promptState, PromptState::kComputerDeclares);

    // Prompt 13 is live again, but its button was not hovered yet: a second click on the
    // same spot answers nothing.
    click(mark);
    EXPECT_EQ(played(kClickSound), 1);
}

TEST_F(ClickTest, FlagsLeftFromAnAnsweredPromptRunNothing)
{
    openSheetOverPrompt13();
    // An answer that left the flags set: the prompt is gone (no announcement).
    g_announcement = image::kNone;
    g_buttonsActive = 1;
    click(centreOf(table_->m_rcButton1));
    EXPECT_EQ(played(kClickSound), 0);
    EXPECT_EQ(g_sheetOpen, 1);

    // A hot button of another prompt than the one in force.
    g_announcement = image::kCaptionAcknowledge;
    g_hotButton = B::kPairAnswerYes;
    click(centreOf(table_->m_rcButton1));
    EXPECT_EQ(played(kClickSound), 0);

    // A live button but a point in no button rectangle.
    g_hotButton = B::kCloseScoreSheet;
    click({ 5, 5 });
    EXPECT_EQ(played(kClickSound), 0);
    EXPECT_EQ(g_sheetOpen, 1);
}

TEST_F(ClickTest, TheVisibleCardOfAnOverlappingRowIsPlayed)
{
    g_trumpSuit = 1;
    SetCardValues();
    g_humanCount = 3;
    g_humanHand[1] = CardOf(kRankSeven, 2);
    g_humanHand[2] = CardOf(kRankTen, 3);
    g_humanHand[3] = CardOf(kRankAce, 4);
    for (int k = 1; k <= 3; ++k)
        g_cards[static_cast<std::size_t>(g_humanHand[static_cast<std::size_t>(k)])].location() = kInHumanHand;
    g_humanCardRects[1] = { 100, 500, 171, 596 };
    g_humanCardRects[2] = { 140, 500, 211, 596 };
    g_humanCardRects[3] = { 180, 500, 251, 596 };

    // The human may not play: the click is ignored.
    g_toMove = kHuman;
    g_humanMayPlay = 0;
    click({ 150, 550 });
    EXPECT_EQ(g_handIndex, 0);
    g_toMove = kComputer;
    g_humanMayPlay = 1;
    click({ 150, 550 });
    EXPECT_EQ(g_handIndex, 0);

    // Card 2 lies over card 1 where they overlap.
    g_toMove = kHuman;
    g_humanMayPlay = 1;
    g_humanFollows = 0;
    click({ 150, 550 });
    EXPECT_EQ(g_handIndex, 2);
    EXPECT_EQ(g_humanCardSuit, 3);
    EXPECT_EQ(g_humanCardStrength, 7);
    EXPECT_EQ(g_humanCardPoints, 10);
}

} // namespace
