#include "support/TableFixture.h"

namespace {

using ClickTest = TableTest;
using B = PromptButton;

constexpr char kClickSound[] = "Sound\\Naj_kn.wav";

TEST_F(ClickTest, OnlyAHoveredButtonOfThePromptInForceAnswersAndOnlyOnce)
{
    std::tie(g_sheetOpen, g_sheetSavedPrompt, g_sheetSavedAnnouncement)
        = std::tuple(1, PromptState::kComputerDeclares, image::kCaptionAcknowledge);
    pose(PromptState::kScoreSheet);
    const Point mark = centreOf(table_->m_rcButton1);
    // Flags left from an answered prompt run nothing: with the prompt gone (no image), with a
    // hot button of another prompt, or on a point in no button.
    for (const auto& [announcement, hot, at] : { std::tuple(image::kNone, B::kCloseScoreSheet, mark),
             std::tuple(image::kCaptionAcknowledge, B::kPairAnswerYes, mark),
             std::tuple(image::kCaptionAcknowledge, B::kCloseScoreSheet, Point { 5, 5 }) }) {
        std::tie(g_announcement, g_hotButton, g_buttonsActive) = std::tuple(announcement, hot, 1);
        table_->OnLButtonDown(at.x, at.y);
        EXPECT_EQ(std::tuple(played(kClickSound), g_sheetOpen), std::tuple(0, 1));
    }
    g_announcement = image::kCaptionAcknowledge;
    table_->OnMouseMove(mark.x, mark.y);
    table_->OnLButtonDown(mark.x, mark.y);
    EXPECT_EQ(std::tuple(played(kClickSound), g_sheetOpen, g_promptState),
        std::tuple(1, 0, PromptState::kComputerDeclares));
    // Prompt 13 is live again, but its button was not hovered yet: a second click answers nothing.
    table_->OnLButtonDown(mark.x, mark.y);
    EXPECT_EQ(played(kClickSound), 1);
}

TEST_F(ClickTest, TheVisibleCardOfAnOverlappingRowIsPlayedOnlyWhenTheHumanMayPlay)
{
    g_trumpSuit = 1;
    SetCardValues();
    g_humanCount = 3;
    for (const int k : { 1, 2, 3 }) {
        g_humanHand[k] = CardOf(k == 1 ? kRankSeven : k == 2 ? kRankTen : kRankAce, k + 1);
        g_cards[g_humanHand[k]].location() = kInHumanHand;
        g_humanCardRects[k] = { 60 + 40 * k, 500, 131 + 40 * k, 596 }; // each over the one before
    }
    for (const auto& [toMove, mayPlay] : { std::tuple(kHuman, 0), std::tuple(kComputer, 1) }) {
        std::tie(g_toMove, g_humanMayPlay) = std::tuple(toMove, mayPlay);
        table_->OnLButtonDown(150, 550);
        EXPECT_EQ(g_handIndex, 0);
    }
    std::tie(g_toMove, g_humanMayPlay, g_humanFollows) = std::tuple(kHuman, 1, 0);
    table_->OnLButtonDown(150, 550);
    EXPECT_EQ(std::tuple(g_handIndex, g_humanCardSuit, g_humanCardStrength, g_humanCardPoints),
        std::tuple(2, 3, 7, 10));
}

} // namespace
