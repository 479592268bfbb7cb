#include "support/DealTable.h"

#include "engine/GameState.h"

namespace {

/// A game under way: a deal at its first prompt, with totals, baits, a hanging tie and rows.
class NewGameTest : public DealTable {
protected:
    void SetUp() override
    {
        DealTable::SetUp();
        Deal(kHuman, plain::kComputer, plain::kHuman, plain::kTurnedUp, plain::kSecond);
        ASSERT_EQ(g_promptState, PromptState::kHumanBidsFirst);
        g_humanTotal = 320;
        g_computerTotal = -40;
        g_humanBaits = 2;
        g_computerBaits = 1;
        g_hangingTie = kComputer;
        g_hangingPoints = 70;
        g_sheetRow = 5;
        g_sheetRowCount = 5;
    }
};

TEST_F(NewGameTest, YesDropsTheGameAndDealsAnew)
{
    platform_.messageBox.answer({ true });
    // The first hand of the new game is drawn again.
    platform_.rand.script({ kComputerFirstDraw });
    ScriptDeal(kComputer, plain::kComputer, plain::kHuman, plain::kTurnedUp, plain::kSecond);

    window_->OnNewGame();

    ASSERT_EQ(platform_.messageBox.shown.size(), 1u);
    EXPECT_EQ(platform_.messageBox.shown[0].text, QStringLiteral("Начать новую партию?"));
    EXPECT_TRUE(platform_.messageBox.shown[0].question);
    EXPECT_EQ(g_humanTotal, 0);
    EXPECT_EQ(g_computerTotal, 0);
    EXPECT_EQ(g_humanBaits, 0);
    EXPECT_EQ(g_computerBaits, 0);
    EXPECT_EQ(g_sheetRow, 0);
    EXPECT_EQ(g_sheetRowCount, 0);
    // No tie hangs, so the new deal is bid as usual; the old points stay unread.
    EXPECT_EQ(g_hangingTie, g_noHangingTie);
    EXPECT_EQ(g_hangingPoints, 70);
    EXPECT_EQ(g_firstHand, kComputer);
    EXPECT_EQ(g_promptState, PromptState::kComputerBidFirst);
    ExpectEveryCardInOnePlace();
}

TEST_F(NewGameTest, NoLeavesTheGameAndThePromptAsTheyWere)
{
    platform_.messageBox.answer({ false });
    const QImage table = window_->m_dcBuffer.image().copy();
    const platform::Rect take = window_->m_rcButton1;

    window_->OnNewGame();

    EXPECT_EQ(platform_.messageBox.shown.size(), 1u);
    EXPECT_EQ(g_humanTotal, 320);
    EXPECT_EQ(g_computerBaits, 1);
    EXPECT_EQ(g_hangingTie, kComputer);
    EXPECT_EQ(g_sheetRowCount, 5);
    EXPECT_EQ(window_->m_dcBuffer.image(), table);
    // The prompt is still live: its button takes the turned-up suit and play begins.
    EXPECT_EQ(g_promptState, PromptState::kHumanBidsFirst);
    Click(take);
    EXPECT_EQ(g_humanLeadsTrick, 1);
}

} // namespace
