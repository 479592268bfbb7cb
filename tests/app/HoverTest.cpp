#include "support/TableFixture.h"

#include "app/Hover.h"
#include "engine/CardTable.h"
#include "engine/Settings.h"

namespace {

using platform::Rect;
using platform::RGB;
using B = PromptButton;

constexpr platform::COLORREF kSuitHover = RGB(228, 251, 1);
constexpr char kHoverSound[] = "Sound\\Knop.wav";

/// A prompt posed by a full repaint of a 1024 x 768 table, then the pointer moved over it.
class HoverTest : public TableTest {
protected:
    void moveTo(Point p) { table_->OnMouseMove(p.x, p.y); }
    void moveAway() { table_->OnMouseMove(5, 5); }
    const platform::MemoryDC& window() const { return table_->surface().dc(); }
    void offerSuits(PromptState state, int announcement)
    {
        std::tie(g_otherSuit1, g_otherSuit2, g_otherSuit3) = std::tuple(1, 2, 4);
        table_->OfferSuitButtons(state);
        pose(state, announcement);
    }
};

TEST_F(HoverTest, ButtonAOfAnAcknowledgementAnswersTheImageItStandsUnder)
{
    const struct {
        PromptState state;
        int announcement;
        B button;
    } rows[] = {
        { PromptState::kComputerBidFirst, image::kComputerTakes, B::kAckComputerTakes },
        { PromptState::kComputerBidFirst, image::kComputerPasses, B::kAckComputerPasses },
        { PromptState::kComputerAnsweredPass, image::kComputerTakes, B::kAckComputerTookAfterPass },
        { PromptState::kComputerAnsweredPass, image::kComputerPasses, B::kAckComputerPassedAfterPass },
    };
    for (const auto& row : rows) {
        g_shownAnnouncement1 = row.announcement;
        pose(row.state, row.announcement);
        moveTo(centreOf(table_->m_rcButton1));
        EXPECT_EQ(std::tuple(g_hotButton, g_buttonsActive), std::tuple(row.button, 1));
        moveAway();
        EXPECT_EQ(std::tuple(g_hotButton, g_buttonsActive), std::tuple(B::kNone, 0));
    }
    // Before the first prompt nothing is live.
    pose(PromptState::kNone, image::kNone);
    table_->m_rcButton1 = { 0, 0, 100, 100 };
    const int sounds = played(kHoverSound);
    moveTo({ 50, 50 });
    EXPECT_EQ(std::tuple(g_hotButton, g_buttonsActive, played(kHoverSound)), std::tuple(B::kNone, 0, sounds));
}

TEST_F(HoverTest, TheHighlightIsDrawnOnTheWindowOncePerVisitWithItsSound)
{
    g_trumpSuit = 1;
    pose(PromptState::kHumanBidsFirst, image::kCaptionPass);
    const Point a = centreOf(table_->m_rcButton1);
    moveTo(a);
    // Caption 28 one pixel right of and below the normal one at (256, 449).
    EXPECT_EQ(bounds(window(), kTestHover), (Rect { 254, 448, 261, 453 }));
    EXPECT_FALSE(bounds(table_->m_dcBuffer, kTestHover));
    moveTo({ a.x + 3, a.y + 1 });
    EXPECT_EQ(played(kHoverSound), 1);

    moveAway();
    EXPECT_EQ(differences(window(), table_->m_dcBuffer), 0);
    moveTo(a);
    EXPECT_EQ(played(kHoverSound), 2);
    g_buttonSounds = 0;
    moveAway();
    moveTo(a);
    EXPECT_EQ(played(kHoverSound), 2);
    EXPECT_TRUE(bounds(window(), kTestHover));
}

TEST_F(HoverTest, CaptionsHighlightWhereTheyStandOnEitherSideOfTheNarrowRule)
{
    g_trumpSuit = 1;
    const struct {
        int width;
        PromptState state;
        bool buttonB;
        Point caption; // where the highlighted caption is centred
    } rows[] = {
        { 899, PromptState::kHumanBidsFirst, true, { 449 + 149 + 1, 450 } }, // c + c / 3
        { 900, PromptState::kHumanBidsFirst, true, { 450 + 225 + 1, 450 } }, // c + c / 2
        { 1024, PromptState::kHumanSixTrumps, false, { 513, 450 } }, // the lower line
        { 1024, PromptState::kComputerSixTrumps, false, { 513, 345 } }, // the middle line
    };
    for (const auto& row : rows) {
        layOut(row.width, 768);
        pose(row.state,
            row.state == PromptState::kHumanBidsFirst ? image::kCaptionPass : image::kCaptionAcknowledge);
        moveTo(centreOf(row.buttonB ? table_->m_rcButton2 : table_->m_rcButton1));
        EXPECT_EQ(std::tuple(g_hotCaptionX, g_hotCaptionY), std::tuple(row.caption.x, row.caption.y))
            << row.width;
        EXPECT_EQ(bounds(window(), kTestHover),
            (Rect { row.caption.x - 3, row.caption.y - 2, row.caption.x + 4, row.caption.y + 3 }));
        moveAway();
    }
}

TEST_F(HoverTest, SuitGlyphsLightWhereTheirButtonsStandAndTheLaterOfTwoOverlappingButtonsWins)
{
    // Prompt 11 keeps its suits spread to c + c / 2 on a narrow table, whatever image the
    // announcement was drawn at last.
    layOut(899, 768);
    offerSuits(PromptState::kHumanMustName, image::kMustName);
    g_announcementX = 100;
    moveTo(centreOf(table_->m_rcSuit3));
    EXPECT_EQ(g_hotButton, B::kMustNameSuit3);
    EXPECT_EQ(bounds(window(), kSuitHover), (Rect { 674, 440, 675, 441 }));
    EXPECT_EQ(played(kHoverSound), 1);
    moveAway();

    // A pointer that jumps from one suit to the next lights the one under it only.
    layOut(1024, 768);
    offerSuits(PromptState::kHumanNamesOrPasses, image::kCaptionPass);
    moveTo(centreOf(table_->m_rcSuit1));
    moveTo(centreOf(table_->m_rcSuit2));
    EXPECT_EQ(g_hotButton, B::kNameSuit2);
    EXPECT_EQ(bounds(window(), kSuitHover), (Rect { 427, 440, 428, 441 }));
    EXPECT_EQ(played(kHoverSound), 3);

    table_->m_rcButton2 = table_->m_rcSuit3;
    moveTo(centreOf(table_->m_rcSuit3));
    EXPECT_EQ(g_hotButton, B::kPassSecondRound);
}

TEST_F(HoverTest, TheCloseMarkLightsGreenWithItsCrossInRed)
{
    pose(PromptState::kScoreSheet);
    moveTo(centreOf(table_->m_rcButton1));
    EXPECT_EQ(g_hotButton, B::kCloseScoreSheet);
    EXPECT_EQ(window().getPixel(512 + 162, 384 - 195), RGB(0, 255, 0));
    EXPECT_EQ(window().getPixel(512 + 175, 384 - 195), RGB(255, 50, 50));
    EXPECT_NE(table_->m_dcBuffer.getPixel(512 + 162, 384 - 195), RGB(0, 255, 0));
    EXPECT_EQ(played(kHoverSound), 1);
}

TEST_F(HoverTest, DrawingAnImageWithAPromptUpEndsAHighlight)
{
    g_trumpSuit = 1;
    pose(PromptState::kHumanBidsFirst, image::kCaptionPass);
    moveTo(centreOf(table_->m_rcButton1));
    ASSERT_EQ(g_hotButton, B::kTake);
    table_->ShowImage(image::kComputerTakes, Spot::kUpper);
    EXPECT_EQ(std::tuple(g_hotButton, g_highlightDrawn), std::tuple(B::kNone, 0));
    EXPECT_FALSE(bounds(window(), kTestHover));
}

} // namespace
