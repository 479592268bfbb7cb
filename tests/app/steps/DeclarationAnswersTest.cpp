#include "support/DealTable.h"

#include "app/Spots.h"
#include "app/drawing/TableDrawing.h"
#include "engine/GameState.h"

namespace {

/// Second deals on the plain first deal: the human gets the seven, eight and nine of suit
/// 3 (a twenty of value 3), the computer nothing, the nine to jack of suit 4 (value 5) or
/// the seven to nine of suit 4 (value 3, equal).
const SecondDeal kHumanTwenty { { 29, 30, 15 }, { 7, 3, 11 }, 31 };
const SecondDeal kBetterComputerTwenty { { 12, 16, 20 }, { 7, 3, 11 }, 31 };
const SecondDeal kEqualTwenties { { 4, 8, 12 }, { 3, 7, 11 }, 31 };

class DeclarationAnswers : public DealTable {
protected:
    /// The human takes the turned-up suit at once; the second deal brings the runs.
    void DealAndTake(const SecondDeal& second)
    {
        Deal(kHuman, plain::kComputer, plain::kHuman, plain::kTurnedUp, second);
        Click(window_->m_rcButton1);
    }

    /// Left x of the slot where the human's / the computer's card stands now.
    static int HumanX(int card) { return HumanCardX(FindInHand(g_humanHand, g_humanCount, card)); }
    static int ComputerX(int card)
    {
        return ComputerCardX(FindInHand(g_computerHand, g_computerCount, card));
    }

    int Raised() const { return HumanRowTop() - g_clientHeight / 26; }
    int Lowered() const { return g_rowUnit + g_clientHeight / 26; }
};

TEST_F(DeclarationAnswers, TheHumanDeclaresHisTwenty)
{
    DealAndTake(kHumanTwenty);
    ASSERT_EQ(g_promptState, PromptState::kHumanDeclares);
    EXPECT_EQ(g_shownAnnouncement1, image::kHumanTwenty);
    EXPECT_EQ(window_->m_rcButton1, ImageBand(image::kCaptionYes, SpotPoint(Spot::kLeftCaption)));
    for (const int card : { 3, 7, 11 })
        EXPECT_TRUE(FaceDrawnAt(card, HumanX(card), Raised()));

    Click(window_->m_rcButton1);

    EXPECT_EQ(g_humanDeclPoints, 20);
    EXPECT_EQ(g_computerDeclPoints, 0);
    EXPECT_EQ(g_humanShowing, 0);
    for (const int card : { 3, 7, 11 }) {
        EXPECT_EQ(g_cards[card].status(), kStatusSeen);
        EXPECT_TRUE(FaceDrawnAt(card, HumanX(card), HumanRowTop()));
    }
    EXPECT_EQ(g_cards[9].status(), kStatusInPlay);
    EXPECT_EQ(g_trumpMarkPos, kTrumpMarkSpot2);
    EXPECT_EQ(g_humanLeadsTrick, 1);
    EXPECT_EQ(window_->m_taker, kHuman);
}

TEST_F(DeclarationAnswers, ANoStillShowsTheCardsToTheComputer)
{
    DealAndTake(kHumanTwenty);
    ASSERT_EQ(g_promptState, PromptState::kHumanDeclares);

    Click(window_->m_rcButton2);

    EXPECT_EQ(g_humanDeclPoints, 0);
    for (const int card : { 3, 7, 11 })
        EXPECT_EQ(g_cards[card].status(), kStatusSeen);
    EXPECT_EQ(g_humanLeadsTrick, 1);
}

TEST_F(DeclarationAnswers, OnlyTheDeclaringSideLiftsItsRun)
{
    DealAndTake(kBetterComputerTwenty);
    ASSERT_EQ(g_promptState, PromptState::kComputerDeclares);
    EXPECT_EQ(g_shownAnnouncement1, image::kComputerTwenty);
    EXPECT_EQ(PhrasesSpoken().back(), image::kComputerTwenty);
    EXPECT_EQ(g_humanShowing, 0);
    EXPECT_EQ(g_computerShowing, 1);
    // The human's lower twenty was found, but stays in his row, unseen.
    for (const int card : { 3, 7, 11 }) {
        EXPECT_EQ(g_cards[card].shown(), 1);
        EXPECT_TRUE(FaceDrawnAt(card, HumanX(card), HumanRowTop()));
    }
    for (const int card : { 12, 16, 20 })
        EXPECT_TRUE(FaceDrawnAt(card, ComputerX(card), Lowered()));

    Click(window_->m_rcButton1);

    EXPECT_EQ(g_computerDeclPoints, 20);
    EXPECT_EQ(g_humanDeclPoints, 0);
    EXPECT_EQ(g_computerShowing, 0);
    for (const int card : { 3, 7, 11 })
        EXPECT_EQ(g_cards[card].status(), kStatusInPlay);
    for (const int card : { 12, 16, 20 })
        EXPECT_FALSE(FaceDrawnAt(card, ComputerX(card), g_rowUnit));
    EXPECT_EQ(g_humanLeadsTrick, 1);
}

TEST_F(DeclarationAnswers, EqualTwentiesScoreForBothWhenTheHumanDeclares)
{
    DealAndTake(kEqualTwenties);
    ASSERT_EQ(g_promptState, PromptState::kBothDeclare);
    EXPECT_EQ(g_equalTwenties, 1);
    EXPECT_EQ(g_shownAnnouncement1, image::kHumanTwenty);
    EXPECT_EQ(g_shownAnnouncement2, image::kComputerTwenty);
    // The computer's phrase first.
    const std::vector<int> phrases = PhrasesSpoken();
    ASSERT_GE(phrases.size(), 2u);
    EXPECT_EQ(phrases[phrases.size() - 2], image::kComputerTwenty);
    EXPECT_EQ(phrases.back(), image::kHumanTwenty);

    Click(window_->m_rcButton1);

    EXPECT_EQ(g_humanDeclPoints, 20);
    EXPECT_EQ(g_computerDeclPoints, 20);
    EXPECT_EQ(g_humanShowing, 0);
    EXPECT_EQ(g_computerShowing, 0);
    EXPECT_EQ(g_humanLeadsTrick, 1);
}

TEST_F(DeclarationAnswers, EqualTwentiesScoreForTheComputerAlone)
{
    DealAndTake(kEqualTwenties);
    ASSERT_EQ(g_promptState, PromptState::kBothDeclare);

    Click(window_->m_rcButton2);

    EXPECT_EQ(g_humanDeclPoints, 0);
    EXPECT_EQ(g_computerDeclPoints, 20);
    for (const int card : { 3, 7, 11 })
        EXPECT_EQ(g_cards[card].status(), kStatusSeen);
}

} // namespace
