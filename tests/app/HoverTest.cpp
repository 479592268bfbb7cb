#include "support/TableFixture.h"

#include "app/Hover.h"
#include "app/Spots.h"
#include "engine/CardTable.h"
#include "engine/PromptState.h"
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
};

TEST_F(HoverTest, EveryButtonOfEveryPromptIsFoundUnderThePointer)
{
    struct Case {
        PromptState state;
        int announcement;
        std::vector<std::pair<ButtonRect, B>> buttons;
    };
    using enum PromptState;
    using enum ButtonRect;
    const Case cases[] = {
        { kHumanBidsFirst, 29, { { kA, B::kTake }, { kB, B::kPass } } },
        { kComputerBidFirst, 16, { { kA, B::kAckComputerTakes } } },
        { kComputerBidFirst, 15, { { kA, B::kAckComputerPasses } } },
        { kSevenExchangeOffer, 31, { { kA, B::kExchangeSeven }, { kB, B::kKeepSeven } } },
        { kComputerExchangedSeven, 34, { { kA, B::kAckComputerExchange } } },
        { kComputerAnsweredPass, 16, { { kA, B::kAckComputerTookAfterPass } } },
        { kComputerAnsweredPass, 15, { { kA, B::kAckComputerPassedAfterPass } } },
        { kHumanAnswersPass, 29, { { kA, B::kTakeAfterComputerPass }, { kB, B::kPassAfterComputerPass } } },
        { kHumanNamesOrPasses, 29,
            { { kSuit1, B::kNameSuit1 }, { kSuit2, B::kNameSuit2 }, { kSuit3, B::kNameSuit3 },
                { kB, B::kPassSecondRound } } },
        { kComputerNamedAfterPass, 34, { { kA, B::kAckComputerNamedAfterPass } } },
        { kComputerNamedFirst, 34, { { kA, B::kAckComputerNamedFirst } } },
        { kComputerPassedAgain, 34, { { kA, B::kAckComputerPassedAgain } } },
        { kHumanMustName, 8,
            { { kSuit1, B::kMustNameSuit1 }, { kSuit2, B::kMustNameSuit2 }, { kSuit3, B::kMustNameSuit3 } } },
        { kHumanDeclares, 33, { { kA, B::kDeclareYes }, { kB, B::kDeclareNo } } },
        { kComputerDeclares, 34, { { kA, B::kAckComputerDeclares } } },
        { kBothDeclare, 33, { { kA, B::kBothDeclareYes }, { kB, B::kBothDeclareNo } } },
        { kPairOnAnswer, 33, { { kA, B::kPairAnswerYes }, { kB, B::kPairAnswerNo } } },
        { kPairOnLead, 33, { { kA, B::kPairLeadYes }, { kB, B::kPairLeadNo } } },
        { kDealResult, 34, { { kA, B::kNextDeal } } },
        { kScoreSheet, 34, { { kA, B::kCloseScoreSheet } } },
        { kStatistics, 34, { { kA, B::kCloseStatistics } } },
        { kHumanSixTrumps, 34, { { kA, B::kAckHumanSixTrumps } } },
        { kComputerSixTrumps, 34, { { kA, B::kAckComputerSixTrumps } } },
    };
    g_trumpSuit = 2;
    g_otherSuit1 = 1;
    g_otherSuit2 = 3;
    g_otherSuit3 = 4;
    for (const Case& c : cases) {
        if (c.state == kHumanNamesOrPasses || c.state == kHumanMustName)
            table_->OfferSuitButtons(c.state);
        if (c.state == kComputerBidFirst || c.state == kComputerAnsweredPass)
            g_shownAnnouncement1 = c.announcement;
        pose(c.state, c.announcement);
        for (const auto& [rect, button] : c.buttons) {
            moveTo(centreOf(ButtonRectOf(*table_, rect)));
            EXPECT_EQ(g_hotButton, button) << "state " << static_cast<int>(c.state);
            EXPECT_EQ(g_buttonsActive, 1) << "state " << static_cast<int>(c.state);
            EXPECT_TRUE(IsLiveButton(button)) << "state " << static_cast<int>(c.state);
            moveAway();
            EXPECT_EQ(g_hotButton, B::kNone) << "state " << static_cast<int>(c.state);
            EXPECT_EQ(g_buttonsActive, 0) << "state " << static_cast<int>(c.state);
        }
    }
}

TEST_F(HoverTest, TheHighlightIsDrawnOnTheWindowOncePerVisit)
{
    g_trumpSuit = 1;
    pose(PromptState::kHumanBidsFirst, image::kCaptionPass);
    const Point a = centreOf(table_->m_rcButton1);
    moveTo(a);
    // Caption 28 one pixel right of and below the normal one at (256, 449).
    EXPECT_EQ(bounds(window(), kTestHover), (Rect { 254, 448, 261, 453 }));
    EXPECT_FALSE(bounds(table_->m_dcBuffer, kTestHover));
    EXPECT_EQ(played(kHoverSound), 1);
    // The sweep sleeps 2 ms at the end of each row but the last.
    EXPECT_EQ(platform_.pause.count, 4);
    EXPECT_EQ(platform_.pause.totalMs, 8);

    moveTo({ a.x + 3, a.y + 1 });
    EXPECT_EQ(played(kHoverSound), 1);
    EXPECT_EQ(platform_.pause.count, 4);

    moveAway();
    EXPECT_FALSE(bounds(window(), kTestHover));
    EXPECT_EQ(differences(window(), table_->m_dcBuffer), 0);
    moveTo(a);
    EXPECT_EQ(played(kHoverSound), 2);

    g_buttonSounds = 0;
    moveAway();
    moveTo(a);
    EXPECT_EQ(played(kHoverSound), 2);
    EXPECT_TRUE(bounds(window(), kTestHover));
}

TEST_F(HoverTest, NothingIsLiveBeforeTheFirstPrompt)
{
    table_->m_rcButton1 = { 0, 0, 100, 100 };
    moveTo({ 50, 50 });
    EXPECT_EQ(g_hotButton, B::kNone);
    EXPECT_EQ(g_buttonsActive, 0);
    EXPECT_EQ(played(kHoverSound), 0);
}

TEST_F(HoverTest, RightCaptionHighlightOnBothSidesOfTheNarrowRule)
{
    g_trumpSuit = 1;
    for (const auto& [width, x] : { std::pair(899, 598 + 1), std::pair(900, 675 + 1) }) {
        layOut(width, 768);
        pose(PromptState::kHumanBidsFirst, image::kCaptionPass);
        moveTo(centreOf(table_->m_rcButton2));
        EXPECT_EQ(g_hotCaptionX, x) << width;
        EXPECT_EQ(bounds(window(), kTestHover), (Rect { x - 3, 448, x + 4, 453 })) << width;
        moveAway();
    }
}

TEST_F(HoverTest, SixTrumpsCaptionsHighlightOnTheirOwnLines)
{
    pose(PromptState::kHumanSixTrumps);
    moveTo(centreOf(table_->m_rcButton1));
    EXPECT_EQ(std::pair(g_hotCaptionX, g_hotCaptionY), std::pair(513, 450));
    moveAway();
    pose(PromptState::kComputerSixTrumps);
    moveTo(centreOf(table_->m_rcButton1));
    EXPECT_EQ(std::pair(g_hotCaptionX, g_hotCaptionY), std::pair(513, 345));
}

TEST_F(HoverTest, SuitGlyphsLightWhereTheirButtonsStand)
{
    g_otherSuit1 = 1;
    g_otherSuit2 = 2;
    g_otherSuit3 = 4;
    layOut(899, 768);
    // Prompt 11 keeps its suits spread to c + c / 2 on a narrow table, whatever image the
    // announcement was drawn at last.
    table_->OfferSuitButtons(PromptState::kHumanMustName);
    pose(PromptState::kHumanMustName, image::kMustName);
    g_announcementX = 100;
    moveTo(centreOf(table_->m_rcSuit3));
    EXPECT_EQ(g_hotButton, B::kMustNameSuit3);
    EXPECT_EQ(bounds(window(), kSuitHover), (Rect { 674, 440, 675, 441 }));
    EXPECT_EQ(played(kHoverSound), 1);
    moveAway();

    table_->OfferSuitButtons(PromptState::kHumanNamesOrPasses);
    pose(PromptState::kHumanNamesOrPasses, image::kCaptionPass);
    moveTo(centreOf(table_->m_rcSuit3));
    EXPECT_EQ(bounds(window(), kSuitHover), (Rect { 475, 440, 476, 441 }));
}

TEST_F(HoverTest, APointerJumpingBetweenButtonsLightsTheOneUnderIt)
{
    g_otherSuit1 = 1;
    g_otherSuit2 = 2;
    g_otherSuit3 = 4;
    table_->OfferSuitButtons(PromptState::kHumanNamesOrPasses);
    pose(PromptState::kHumanNamesOrPasses, image::kCaptionPass);
    moveTo(centreOf(table_->m_rcSuit1));
    moveTo(centreOf(table_->m_rcSuit2));
    EXPECT_EQ(g_hotButton, B::kNameSuit2);
    EXPECT_EQ(bounds(window(), kSuitHover), (Rect { 427, 440, 428, 441 }));
    EXPECT_EQ(played(kHoverSound), 2);

    // Where two buttons of the prompt overlap, the later one is under the pointer.
    table_->m_rcButton2 = table_->m_rcSuit3;
    moveTo(centreOf(table_->m_rcSuit3));
    EXPECT_EQ(g_hotButton, B::kPassSecondRound);
}

TEST_F(HoverTest, CloseMarkLightsGreen)
{
    pose(PromptState::kScoreSheet);
    moveTo(centreOf(table_->m_rcButton1));
    EXPECT_EQ(g_hotButton, B::kCloseScoreSheet);
    // Disc (c + 160, cy - 210) to (c + 191, cy - 179), its cross in red.
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
    EXPECT_EQ(g_hotButton, B::kNone);
    EXPECT_EQ(g_highlightDrawn, 0);
    EXPECT_FALSE(bounds(window(), kTestHover));

    // With no prompt yet, drawing leaves the hover alone.
    g_promptState = PromptState::kNone;
    g_highlightToErase = 1;
    table_->ShowImage(image::kComputerTakes, Spot::kUpper);
    EXPECT_EQ(g_highlightToErase, 1);
}

} // namespace
