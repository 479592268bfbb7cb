#include "support/EngineTest.h"

#include "engine/TrickRules.h"

#include <vector>

namespace {

/// Trump is suit 1; suits 2 to 4 are plain.
class TrickRulesTest : public EngineTest {
protected:
    void SetUp() override
    {
        EngineTest::SetUp();
        SetTrump(1);
    }

    static bool Legal(const std::vector<int>& hand, int answer, int led)
    {
        return IsLegalAnswer(hand, SuitOf(answer), SuitOf(led));
    }
    static bool Takes(int led, int answer)
    {
        return AnswerTakesTrick(
            SuitOf(led), g_cards[led].strength(), SuitOf(answer), g_cards[answer].strength());
    }
};

TEST_F(TrickRulesTest, AnAnswerFollowsSuitElseTrumpsElseIsFree)
{
    // Holding the led suit: only that suit, low or high, and neither trump nor another suit.
    const std::vector<int> withSuit { Seven(2), Ace(2), Jack(1), King(3) };
    EXPECT_TRUE(Legal(withSuit, Seven(2), King(2)));
    EXPECT_TRUE(Legal(withSuit, Ace(2), King(2)));
    EXPECT_FALSE(Legal(withSuit, Jack(1), King(2)));
    EXPECT_FALSE(Legal(withSuit, King(3), King(2)));

    // No card of the led suit: a trump, any trump; not another plain suit.
    const std::vector<int> withTrump { Seven(1), King(3), Ace(4) };
    EXPECT_TRUE(Legal(withTrump, Seven(1), Ace(2)));
    EXPECT_FALSE(Legal(withTrump, King(3), Ace(2)));

    // Neither: any card.
    const std::vector<int> neither { King(3), Seven(4) };
    EXPECT_TRUE(Legal(neither, King(3), Ace(2)));
    EXPECT_TRUE(Legal(neither, Seven(4), Ace(2)));

    // A trump lead: a trump must be played, even one that cannot beat it; without trumps
    // anything goes.
    EXPECT_TRUE(Legal(withTrump, Seven(1), Jack(1)));
    EXPECT_FALSE(Legal(withTrump, Ace(4), Jack(1)));
    EXPECT_TRUE(Legal(neither, Seven(4), Jack(1)));
}

TEST_F(TrickRulesTest, TheAnswerTakesOnlyWhenStrongerInTheLedSuitOrAsATrump)
{
    // Plain against plain of the same suit: by strength, the ten between king and ace.
    EXPECT_TRUE(Takes(King(2), Ten(2)));
    EXPECT_FALSE(Takes(Ten(2), King(2)));
    EXPECT_TRUE(Takes(Ten(2), Ace(2)));
    // A plain card of another suit never takes, however strong.
    EXPECT_FALSE(Takes(Seven(2), Ace(3)));
    // Any trump takes a plain lead; a plain answer never takes a trump lead.
    EXPECT_TRUE(Takes(Ace(2), Seven(1)));
    EXPECT_FALSE(Takes(Seven(1), Ace(2)));
    // Trump against trump: the jack and nine above the ace, a lower trump loses.
    EXPECT_TRUE(Takes(Ace(1), Nine(1)));
    EXPECT_TRUE(Takes(Nine(1), Jack(1)));
    EXPECT_FALSE(Takes(Nine(1), Ace(1)));
    EXPECT_FALSE(Takes(King(1), Queen(1)));
}

TEST_F(TrickRulesTest, TheWinnerScoresBothCardsAndTheLastTrickTenMore)
{
    EXPECT_EQ(TrickPoints(g_cards[Jack(1)].points(), g_cards[Ten(2)].points(), false), 30);
    EXPECT_EQ(TrickPoints(g_cards[Seven(3)].points(), g_cards[Eight(3)].points(), true), 10);

    ScoreTrick(kComputer, 25);
    EXPECT_EQ(g_computerDealPoints, 25);
    EXPECT_EQ(g_computerTookTrick, 1);
    EXPECT_EQ(g_humanTookTrick, 0);
    ScoreTrick(kHuman, 0);
    EXPECT_EQ(g_humanDealPoints, 0);
    EXPECT_EQ(g_humanTookTrick, 1);
}

TEST_F(TrickRulesTest, EveryTrumpLeavesTheDeck152CardPoints)
{
    for (int trump = 1; trump <= kSuits; ++trump) {
        SetTrump(trump);
        int total = 0;
        for (int card = 1; card <= g_deckSize; ++card)
            total += g_cards[card].points();
        EXPECT_EQ(total, 152) << "trump " << trump;
        // All the tricks of a deal that played the whole deck would share 162.
        EXPECT_EQ(TrickPoints(total, 0, true), 162);
    }
}

TEST_F(TrickRulesTest, OnlyTheTrumpQueenOrKingAnnouncesAnUnannouncedPair)
{
    EXPECT_TRUE(AnnouncesTrumpPair(1, g_cards[Queen(1)].strength()));
    EXPECT_TRUE(AnnouncesTrumpPair(1, g_cards[King(1)].strength()));
    EXPECT_FALSE(AnnouncesTrumpPair(0, g_cards[King(1)].strength()));
    EXPECT_FALSE(AnnouncesTrumpPair(1, g_cards[Queen(2)].strength()));
    EXPECT_FALSE(AnnouncesTrumpPair(1, g_cards[Ace(1)].strength()));

    // The pair announced with a lead goes to the trick's winner, whoever announced it, once.
    int announced = 1;
    EXPECT_TRUE(AwardLeadPair(announced, kHuman));
    EXPECT_EQ(announced, 0);
    EXPECT_EQ(g_humanDealPoints, kTrumpPairPoints);
    EXPECT_FALSE(AwardLeadPair(announced, kHuman));
    EXPECT_EQ(g_humanDealPoints, kTrumpPairPoints);
    announced = 1;
    AwardLeadPair(announced, kComputer);
    EXPECT_EQ(g_computerDealPoints, kTrumpPairPoints);
    // The pair's points do not count as taking a trick.
    EXPECT_EQ(g_computerTookTrick, 0);
}

TEST_F(TrickRulesTest, TheHumansAnswersRevealVoidSuitsAndNoTrumps)
{
    NoteHumanAnswer(2, 2);
    NoteHumanAnswer(1, 1);
    EXPECT_EQ(g_humanVoid, (std::array<int, 5> {}));
    EXPECT_EQ(g_humanNoTrumps, 0);

    NoteHumanAnswer(3, 1);
    EXPECT_EQ(g_humanVoid[3], 1);
    EXPECT_EQ(g_humanNoTrumps, 0);

    NoteHumanAnswer(2, 4);
    EXPECT_EQ(g_humanVoid[2], 0);
    EXPECT_EQ(g_humanNoTrumps, 1);
    // A plain card on a trump lead shows no trumps too.
    g_humanNoTrumps = 0;
    NoteHumanAnswer(1, 4);
    EXPECT_EQ(g_humanNoTrumps, 1);
}

TEST_F(TrickRulesTest, RemovingACardClosesTheHandAndNeverReadsPastIt)
{
    GiveHuman({ Seven(2), Eight(2), Nine(2) });
    EXPECT_EQ(RemoveFromHand(g_humanHand, g_humanCount, 2), Eight(2));
    EXPECT_EQ(g_humanCount, 2);
    EXPECT_EQ(g_humanHand[1], Seven(2));
    EXPECT_EQ(g_humanHand[2], Nine(2));
    EXPECT_EQ(g_humanHand[3], kNoCard);

    EXPECT_EQ(RemoveFromHand(g_humanHand, g_humanCount, 3), kNoCard);
    EXPECT_EQ(RemoveFromHand(g_humanHand, g_humanCount, 0), kNoCard);
    EXPECT_EQ(g_humanCount, 2);

    // A count beyond the hand's room (a damaged saved game) is taken as a full hand.
    g_computerHand.fill(Ace(3));
    g_computerCount = 40;
    EXPECT_EQ(RemoveFromHand(g_computerHand, g_computerCount, kMaxHand), Ace(3));
    EXPECT_EQ(g_computerCount, kMaxHand - 1);
}

} // namespace
