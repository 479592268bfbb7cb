#include "support/TableFixture.h"

#include "app/Hover.h"

namespace {

using platform::Rect;
using B = PromptButton;

constexpr platform::COLORREF kSuitHover = platform::RGB(228, 251, 1);
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
    using enum PromptState;
    for (const auto& [state, announcement, button] :
        { std::tuple(kComputerBidFirst, 16, B::kAckComputerTakes),
            std::tuple(kComputerBidFirst, 15, B::kAckComputerPasses),
            std::tuple(kComputerAnsweredPass, 16, B::kAckComputerTookAfterPass),
            std::tuple(kComputerAnsweredPass, 15, B::kAckComputerPassedAfterPass),
            std::tuple(kScoreSheet, 34, B::kCloseScoreSheet),
            std::tuple(kStatistics, 34, B::kCloseStatistics) }) {
        g_shownAnnouncement1 = announcement;
        pose(state, announcement);
        moveTo(centreOf(table_->m_rcButton1));
        EXPECT_EQ(std::tuple(g_hotButton, g_buttonsActive), std::tuple(button, 1));
        moveAway();
        EXPECT_EQ(std::tuple(g_hotButton, g_buttonsActive), std::tuple(B::kNone, 0));
    }
    // Before the first prompt nothing is live.
    pose(kNone, image::kNone);
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
    moveTo({ a.x + 3, a.y + 1 });
    // Caption 28 one pixel right of and below the normal one at (256, 449).
    EXPECT_EQ(
        std::tuple(bounds(window(), kTestHover), bounds(table_->m_dcBuffer, kTestHover), played(kHoverSound)),
        std::tuple(Rect { 254, 448, 261, 453 }, std::nullopt, 1));
    moveAway();
    EXPECT_EQ(differences(window(), table_->m_dcBuffer), 0);
    moveTo(a);
    g_buttonSounds = 0;
    moveAway();
    moveTo(a);
    EXPECT_EQ(std::tuple(played(kHoverSound), bounds(window(), kTestHover).has_value()), std::tuple(2, true));
}

TEST_F(HoverTest, CaptionsHighlightWhereTheyStandOnEitherSideOfTheNarrowRule)
{
    g_trumpSuit = 1;
    using enum PromptState;
    // Width, prompt, button B or A, where the lit caption is centred.
    for (const auto& [width, state, b, x, y] : { std::tuple(899, kHumanBidsFirst, true, 449 + 149 + 1, 450),
             std::tuple(
                 900, kHumanBidsFirst, true, 450 + 225 + 1, 450), // c + c / 3 when narrow, else c + c / 2
             std::tuple(1024, kHumanSixTrumps, false, 513, 450), // on the lower line
             std::tuple(1024, kComputerSixTrumps, false, 513, 345) }) { // on the middle line
        layOut(width, 768);
        pose(state, state == kHumanBidsFirst ? image::kCaptionPass : image::kCaptionAcknowledge);
        moveTo(centreOf(b ? table_->m_rcButton2 : table_->m_rcButton1));
        EXPECT_EQ(std::tuple(g_hotCaptionX, g_hotCaptionY, bounds(window(), kTestHover)),
            std::tuple(x, y, Rect { x - 3, y - 2, x + 4, y + 3 }))
            << width;
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
    EXPECT_EQ(std::tuple(g_hotButton, bounds(window(), kSuitHover), played(kHoverSound)),
        std::tuple(B::kMustNameSuit3, Rect { 674, 440, 675, 441 }, 1));
    moveAway();

    // A pointer that jumps from one suit to the next lights the one under it only.
    layOut(1024, 768);
    offerSuits(PromptState::kHumanNamesOrPasses, image::kCaptionPass);
    moveTo(centreOf(table_->m_rcSuit1));
    moveTo(centreOf(table_->m_rcSuit2));
    EXPECT_EQ(std::tuple(g_hotButton, bounds(window(), kSuitHover), played(kHoverSound)),
        std::tuple(B::kNameSuit2, Rect { 427, 440, 428, 441 }, 3));
    table_->m_rcButton2 = table_->m_rcSuit3;
    moveTo(centreOf(table_->m_rcSuit3));
    EXPECT_EQ(g_hotButton, B::kPassSecondRound);
}

} // namespace
