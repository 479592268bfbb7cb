#include "support/DealTable.h"

#include "app/Spots.h"
#include "engine/GameState.h"

#include <QApplication>
#include <QPaintEvent>
#include <QWidget>

#include <algorithm>
#include <utility>

namespace {

using BiddingAnswersTest = DealTable;

/// A window stand-in that keeps, in order, every rectangle the game shows on it.
class PresentedRects : public QWidget {
public:
    PresentedRects() { resize(1024, 768); }
    std::vector<QRect> shown;
    /// The place of the first rectangle equal to r in the order shown, or -1.
    int firstShown(const platform::Rect& r) const
    {
        const auto at = std::ranges::find(shown, QRect(r.left, r.top, r.width(), r.height()));
        return at == shown.end() ? -1 : static_cast<int>(at - shown.begin());
    }

protected:
    void paintEvent(QPaintEvent* event) override { shown.push_back(event->rect()); }
};

/// Five cards of suit 2 and one trump: the computer passes suit 1 and will name suit 2.
const std::vector<int> kSuit2Computer { 6, 14, 22, 30, 2, 5 };
const std::vector<int> kHumanBesideSuit2 { 9, 17, 25, 10, 18, 3 };
const SecondDeal kSecondBesideSuit2 { { 29, 13, 7 }, { 26, 11, 4 }, 31 };

TEST_F(BiddingAnswersTest, HumanPassesFirstAndTheComputerTakes)
{
    Deal(kHuman, strong::kComputer, strong::kHuman, strong::kTurnedUp, strong::kSecond);
    Click(window_->m_rcButton2);

    EXPECT_EQ(g_promptState, PromptState::kComputerAnsweredPass);
    EXPECT_EQ(g_announcement, image::kComputerTakes);
    EXPECT_EQ(g_computerNamedSuit, 0);
    EXPECT_EQ(PhrasesSpoken().back(), image::kComputerTakes);

    Click(window_->m_rcButton1);

    EXPECT_EQ(window_->m_taker, kComputer);
    EXPECT_EQ(g_trumpSuit, 1);
    EXPECT_EQ(g_humanCount, 9);
    ExpectEveryCardInOnePlace();
}

TEST_F(BiddingAnswersTest, SecondRoundWithTheHumanFirst)
{
    Deal(kHuman, plain::kComputer, plain::kHuman, plain::kTurnedUp, plain::kSecond);
    Click(window_->m_rcButton2);

    // The computer passes too: its three diamonds grade highest among the other suits.
    ASSERT_EQ(g_promptState, PromptState::kComputerAnsweredPass);
    EXPECT_EQ(g_announcement, image::kComputerPasses);
    EXPECT_EQ(g_computerNamedSuit, 2);

    Click(window_->m_rcButton1);

    ASSERT_EQ(g_promptState, PromptState::kHumanNamesOrPasses);
    EXPECT_EQ(PhrasesSpoken().back(), image::kNameOrPass);
    EXPECT_EQ(g_offeredSuit1, 2);
    EXPECT_EQ(g_offeredSuit2, 3);
    EXPECT_EQ(g_offeredSuit3, 4);
    EXPECT_EQ(window_->m_rcSuit2, SuitButtonRect(SuitButtonPoint(PromptState::kHumanNamesOrPasses, 2)));
    EXPECT_EQ(window_->m_rcButton2, ImageBand(image::kCaptionPass, SpotPoint(Spot::kRightCaption)));

    Click(window_->m_rcSuit2);

    EXPECT_EQ(g_trumpSuit, 3);
    EXPECT_EQ(g_toMove, kHuman);
    EXPECT_EQ(window_->m_taker, kHuman);
    EXPECT_EQ(g_humanLeadsTrick, 1);
    EXPECT_EQ(g_sevenFound, 0);
    // The cards take the values of the named trump: the nine of suit 3 counts 14.
    EXPECT_EQ(g_cards[11].points(), 14);
    EXPECT_EQ(g_cards[9].points(), 0);
    ExpectEveryCardInOnePlace();
}

TEST_F(BiddingAnswersTest, PassingInTheSecondRoundMakesTheComputerNameItsSuit)
{
    Deal(kHuman, plain::kComputer, plain::kHuman, plain::kTurnedUp, plain::kSecond);
    Click(window_->m_rcButton2);
    Click(window_->m_rcButton1);
    ASSERT_EQ(g_promptState, PromptState::kHumanNamesOrPasses);

    Click(window_->m_rcButton2);

    EXPECT_EQ(g_promptState, PromptState::kComputerNamedAfterPass);
    EXPECT_EQ(g_trumpSuit, 2);
    EXPECT_EQ(g_trumpMarkPos, kTrumpMarkSpot1);
    EXPECT_EQ(PhrasesSpoken().back(), image::ComputerNamesSuit(2));

    Click(window_->m_rcButton1);

    EXPECT_EQ(window_->m_taker, kComputer);
    EXPECT_EQ(g_trumpSuit, 2);
    EXPECT_EQ(g_humanCount, 9);
    ExpectEveryCardInOnePlace();
}

TEST_F(BiddingAnswersTest, AGameLoadedAtTheSecondRoundStillGetsASuitNamed)
{
    // A saved game does not keep the computer's cached choice: a loaded one finds none, or
    // one left from an earlier deal, here the turned-up suit, which cannot be named.
    for (const auto& [mode, stale] : { std::pair(0, 0), std::pair(kBidCached, 1) }) {
        SetUp();
        Deal(kHuman, plain::kComputer, plain::kHuman, plain::kTurnedUp, plain::kSecond);
        Click(window_->m_rcButton2);
        Click(window_->m_rcButton1);
        ASSERT_EQ(g_promptState, PromptState::kHumanNamesOrPasses);
        g_bidEvalState = mode;
        g_computerNamedSuit = stale;

        Click(window_->m_rcButton2);

        EXPECT_EQ(g_promptState, PromptState::kComputerNamedAfterPass) << stale;
        EXPECT_EQ(g_trumpSuit, 2) << stale;
        Click(window_->m_rcButton1); // deals the rest, using up the scripted cards
        EXPECT_EQ(window_->m_taker, kComputer);
    }
}

TEST_F(BiddingAnswersTest, TheHumanTakesAfterTheComputerPassedFirst)
{
    Deal(kComputer, plain::kComputer, plain::kHuman, plain::kTurnedUp, plain::kSecond);
    ASSERT_EQ(g_promptState, PromptState::kComputerBidFirst);
    ASSERT_EQ(g_announcement, image::kComputerPasses);

    Click(window_->m_rcButton1);

    ASSERT_EQ(g_promptState, PromptState::kHumanAnswersPass);
    EXPECT_EQ(PhrasesSpoken().back(), image::OfferedSuit(1));

    Click(window_->m_rcButton1);

    EXPECT_EQ(window_->m_taker, kHuman);
    EXPECT_EQ(g_trumpSuit, 1);
    EXPECT_EQ(g_humanLeadsTrick, 1);
    ExpectEveryCardInOnePlace();
}

TEST_F(BiddingAnswersTest, TheComputerNamesItsSuitWhenBothPassTheTurnedUpSuit)
{
    Deal(kComputer, kSuit2Computer, kHumanBesideSuit2, 1, kSecondBesideSuit2);
    Click(window_->m_rcButton1);
    ASSERT_EQ(g_promptState, PromptState::kHumanAnswersPass);

    PresentedRects window;
    window.show();
    QApplication::processEvents();
    window.shown.clear();
    window_->surface().attach(&window);
    Click(window_->m_rcButton2);
    window_->surface().attach(window_.get());

    // The named suit is shown before the trump's mark.
    const int named = window.firstShown(ImageBand(image::ComputerNamesSuit(2), SpotPoint(Spot::kUpper)));
    EXPECT_GE(named, 0);
    EXPECT_GT(window.firstShown(TrumpMarkRect(kTrumpMarkSpot1)), named);
    EXPECT_EQ(g_promptState, PromptState::kComputerNamedFirst);
    EXPECT_EQ(g_trumpSuit, 2);
    EXPECT_EQ(g_toMove, kComputer);
    EXPECT_EQ(g_shownAnnouncement1, image::ComputerNamesSuit(2));

    Click(window_->m_rcButton1);

    EXPECT_EQ(window_->m_taker, kComputer);
    EXPECT_EQ(g_trumpSuit, 2);
    EXPECT_EQ(g_cards[10].points(), 14);
    ExpectEveryCardInOnePlace();
}

TEST_F(BiddingAnswersTest, TheHumanMustNameWhenTheComputerPassesTwice)
{
    Deal(kComputer, plain::kComputer, plain::kHuman, plain::kTurnedUp, plain::kSecond);
    Click(window_->m_rcButton1);
    Click(window_->m_rcButton2);

    ASSERT_EQ(g_promptState, PromptState::kComputerPassedAgain);
    EXPECT_EQ(g_announcement, image::kCaptionAcknowledge);

    Click(window_->m_rcButton1);

    ASSERT_EQ(g_promptState, PromptState::kHumanMustName);
    EXPECT_EQ(PhrasesSpoken().back(), image::kMustName);
    EXPECT_EQ(window_->m_rcSuit3, SuitButtonRect(SuitButtonPoint(PromptState::kHumanMustName, 3)));

    Click(window_->m_rcSuit3);

    EXPECT_EQ(g_trumpSuit, 4);
    EXPECT_EQ(window_->m_taker, kHuman);
    EXPECT_EQ(g_humanLeadsTrick, 1);
    ExpectEveryCardInOnePlace();
}

} // namespace
