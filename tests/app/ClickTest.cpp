#include "support/TableFixture.h"

#include "app/drawing/TableDrawing.h"
#include "engine/CardTable.h"
#include "engine/CardValues.h"
#include "engine/GameState.h"

namespace {

using B = PromptButton;

constexpr char kClickSound[] = "Sound\\Naj_kn.wav";

using ClickTest = TableTest;

TEST_F(ClickTest, OnlyAHoveredButtonOfThePromptInForceAnswersAndOnlyOnce)
{
    // The score sheet open over prompt 13.
    g_sheetOpen = 1;
    g_sheetSavedPrompt = PromptState::kComputerDeclares;
    g_sheetSavedAnnouncement = image::kCaptionAcknowledge;
    pose(PromptState::kScoreSheet);
    const Point mark = centreOf(table_->m_rcButton1);
    // Flags left from an answered prompt run nothing: with the prompt gone (no image), with
    // a hot button of another prompt, or on a point in no button.
    const struct {
        int announcement;
        B hot;
        Point at;
    } stale[] = {
        { image::kNone, B::kCloseScoreSheet, mark },
        { image::kCaptionAcknowledge, B::kPairAnswerYes, mark },
        { image::kCaptionAcknowledge, B::kCloseScoreSheet, { 5, 5 } },
    };
    for (const auto& row : stale) {
        std::tie(g_announcement, g_hotButton, g_buttonsActive) = std::tuple(row.announcement, row.hot, 1);
        table_->OnLButtonDown(row.at.x, row.at.y);
        EXPECT_EQ(std::tuple(played(kClickSound), g_sheetOpen), std::tuple(0, 1));
    }
    g_announcement = image::kCaptionAcknowledge;
    table_->OnMouseMove(mark.x, mark.y);
    table_->OnLButtonDown(mark.x, mark.y);
    EXPECT_EQ(played(kClickSound), 1);
    EXPECT_EQ(std::tuple(g_sheetOpen, g_promptState), std::tuple(0, PromptState::kComputerDeclares));
    // Prompt 13 is live again, but its button was not hovered yet: a second click on the
    // same spot answers nothing.
    table_->OnLButtonDown(mark.x, mark.y);
    EXPECT_EQ(played(kClickSound), 1);
}

TEST_F(ClickTest, TheVisibleCardOfAnOverlappingRowIsPlayedOnlyWhenTheHumanMayPlay)
{
    g_trumpSuit = 1;
    SetCardValues();
    g_humanCount = 3;
    const int hand[] = { CardOf(kRankSeven, 2), CardOf(kRankTen, 3), CardOf(kRankAce, 4) };
    for (std::size_t k = 1; k <= 3; ++k) {
        g_humanHand[k] = hand[k - 1];
        g_cards[static_cast<std::size_t>(hand[k - 1])].location() = kInHumanHand;
        g_humanCardRects[k] = { 60 + 40 * static_cast<int>(k), 500, 131 + 40 * static_cast<int>(k), 596 };
    }
    for (const auto& [toMove, mayPlay] : { std::tuple(kHuman, 0), std::tuple(kComputer, 1) }) {
        std::tie(g_toMove, g_humanMayPlay) = std::tuple(toMove, mayPlay);
        table_->OnLButtonDown(150, 550);
        EXPECT_EQ(g_handIndex, 0);
    }
    // Card 2 lies over card 1 where they overlap.
    std::tie(g_toMove, g_humanMayPlay, g_humanFollows) = std::tuple(kHuman, 1, 0);
    table_->OnLButtonDown(150, 550);
    EXPECT_EQ(std::tuple(g_handIndex, g_humanCardSuit, g_humanCardStrength, g_humanCardPoints),
        std::tuple(2, 3, 7, 10));
}

} // namespace
