#include "support/EngineTest.h"

#include "engine/ComputerLead.h"

namespace {

/// Trump is suit 1; nothing is turned up or played unless a test says so.
class ComputerLeadTest : public EngineTest {
protected:
    void SetUp() override
    {
        EngineTest::SetUp();
        SetTrump(1);
    }

    /// The card the computer leads at `level`.
    static int Lead(int level)
    {
        g_level = level;
        const int position = ChooseComputerLead();
        return position == 0 ? kNoCard : g_computerHand[position];
    }
    static void Play(std::initializer_list<int> cards)
    {
        for (const int card : cards)
            g_cards[card].status() = kStatusPlayed;
    }
};

TEST_F(ComputerLeadTest, TrumpLongItLeadsTheTrumpJackBeforeItsPlainAce)
{
    GiveComputer({ Ace(2), Nine(1), Jack(1), Eight(1) });
    EXPECT_EQ(Lead(1), Jack(1));
    EXPECT_EQ(Lead(2), Jack(1));
    // With half its hand in trumps it is not trump-long: the plain ace goes first.
    g_computerHand[4] = Ace(3);
    EXPECT_EQ(Lead(1), Ace(2));
}

TEST_F(ComputerLeadTest, ATrumpTenLeadsOnlyOnceTheNineJackAndAceAreGoneTheTurnedUpCardIncluded)
{
    TurnUp(Ace(1));
    GiveComputer({ Seven(2), Ten(1), Eight(1), Queen(1) });
    Play({ Nine(1) });
    // The jack is still out: the ten is no top trump, and the highest plain card leads.
    EXPECT_EQ(Lead(1), Seven(2));
    Play({ Jack(1) });
    EXPECT_EQ(Lead(1), Ten(1));
}

TEST_F(ComputerLeadTest, APlainAceOfASuitTheHumanTrumpedIsNoMaster)
{
    GiveComputer({ Ace(2), Ace(3) });
    EXPECT_EQ(Lead(1), Ace(2));
    g_humanVoid[2] = 1;
    EXPECT_EQ(Lead(1), Ace(3));
    EXPECT_EQ(Lead(2), Ace(3));
}

TEST_F(ComputerLeadTest, APlainTenIsAMasterOnceItsOwnAceIsGone)
{
    GiveComputer({ Ten(4), Seven(3) });
    // Tens are kept back from the highest-card rule.
    EXPECT_EQ(Lead(1), Seven(3));
    Play({ Ace(3) });
    EXPECT_EQ(Lead(1), Seven(3));
    Play({ Ace(4) });
    EXPECT_EQ(Lead(1), Ten(4));
}

TEST_F(ComputerLeadTest, BeginnerLeadsLowTrumpsBesideAnUnannouncedPairOnly)
{
    GiveComputer({ Queen(1), King(1), Eight(1), Ten(3) });
    g_computerTrumpPair = 1;
    EXPECT_EQ(Lead(1), Eight(1));
    // Without the pair it falls to the highest plain card, tens included.
    g_computerTrumpPair = 0;
    EXPECT_EQ(Lead(1), Ten(3));
}

TEST_F(ComputerLeadTest, BeginnerKeepsTheQueenAndKingBackForThePairElseLeadsItsHighestTrump)
{
    GiveComputer({ Queen(1), King(1), Nine(1), Ace(1) });
    g_computerTrumpPair = 1;
    EXPECT_EQ(Lead(1), Ace(1));
    g_computerTrumpPair = 0;
    EXPECT_EQ(Lead(1), Nine(1));
}

TEST_F(ComputerLeadTest, LowCardsOfASuitTheHumanLacksGoFirst)
{
    GiveComputer({ King(2), Nine(3), Seven(3), Eight(4) });
    EXPECT_EQ(Lead(1), King(2));
    g_humanVoid[3] = 1;
    EXPECT_EQ(Lead(1), Seven(3));
    EXPECT_EQ(Lead(2), Seven(3));
}

TEST_F(ComputerLeadTest, OnlyASevenEightOrNineOfASuitTheHumanLacksLeadsBeforeTheLowestCard)
{
    GiveComputer({ Nine(3), Eight(2) });
    g_humanVoid[3] = 1;
    EXPECT_EQ(Lead(2), Nine(3));
    // A jack there is too good to lead away: the lowest plain card goes instead.
    g_computerHand[1] = Jack(3);
    EXPECT_EQ(Lead(2), Eight(2));
}

TEST_F(ComputerLeadTest, AShownStrongerCardMarksACardBeatableWhateverItsSuit)
{
    GiveComputer({ Ace(2), Seven(3) });
    EXPECT_EQ(Lead(2), Ace(2));
    EXPECT_EQ(g_cards[Ace(2)].beatable(), 0);
    EXPECT_EQ(g_cards[Seven(3)].strongerOut(), 7);

    // The human showed his trump king in a declaration.
    GiveHuman({ King(1) });
    g_cards[King(1)].status() = kStatusSeen;
    EXPECT_EQ(Lead(2), Seven(3));
    EXPECT_EQ(g_cards[Ace(2)].beatable(), 1);
    // Once played, a shown card beats nothing any more.
    Play({ King(1) });
    EXPECT_EQ(Lead(2), Ace(2));
}

TEST_F(ComputerLeadTest, TrumpsCountStrongerTrumpsOutOnlyWhileTheHumanMayHoldOne)
{
    GiveComputer({ Ten(1), Eight(3) });
    // The ace, nine and jack rank above the ten; the turned-up ace is gone.
    Lead(2);
    EXPECT_EQ(g_cards[Ten(1)].strongerOut(), 3);
    TurnUp(Ace(1));
    Lead(2);
    EXPECT_EQ(g_cards[Ten(1)].strongerOut(), 2);
    g_humanNoTrumps = 1;
    Lead(2);
    EXPECT_EQ(g_cards[Ten(1)].strongerOut(), 0);
}

TEST_F(ComputerLeadTest, AgainstNoTrumpsItLeadsACardNothingOutCanBeat)
{
    g_humanNoTrumps = 1;
    GiveComputer({ Seven(2), King(3), Ace(4) });
    EXPECT_EQ(Lead(2), Ace(4));
    // A king with only its ace out comes next, before the plain master rules.
    g_computerHand[3] = Eight(4);
    Play({ Ten(3) });
    EXPECT_EQ(Lead(2), King(3));
}

TEST_F(ComputerLeadTest, AgainstNoTrumpsItHuntsForASevenWithFewStrongerCardsOut)
{
    g_humanNoTrumps = 1;
    // The human's king makes the first seven beatable; the nine sets the bound to 3.
    GiveComputer({ Seven(2), Nine(3), Seven(4), Ace(1) });
    GiveHuman({ King(2) });
    // Three cards above the second seven are out, as many as the bound: no hunt, and the
    // lowest plain card leads.
    Play({ Eight(4), Nine(4), Ten(4), Jack(4) });
    EXPECT_EQ(Lead(3), Seven(2));
    // Two above it: below the bound, it is hunted down.
    Play({ Queen(4) });
    EXPECT_EQ(Lead(3), Seven(4));
}

TEST_F(ComputerLeadTest, ProLeadsHighWhileTheHumanIsWellAheadInAShortGame)
{
    g_gameLength = kShortGame;
    GiveComputer({ Seven(2), King(3) });
    GiveHuman({ Eight(4) });
    g_humanTotal = 200;
    g_computerTotal = 170;
    EXPECT_EQ(Lead(3), Seven(2));
    g_humanTotal = 201;
    EXPECT_EQ(Lead(3), King(3));
    EXPECT_EQ(Lead(2), Seven(2));
    // Past 300 any lead of the human's counts.
    g_humanTotal = 301;
    g_computerTotal = 300;
    EXPECT_EQ(Lead(3), King(3));
    g_humanTotal = 300;
    g_computerTotal = 290;
    EXPECT_EQ(Lead(3), Seven(2));
}

TEST_F(ComputerLeadTest, ProLeadsHighInALongGameBeyondSixtyOrPast750)
{
    g_gameLength = kLongGame;
    GiveComputer({ Seven(2), King(3) });
    g_humanTotal = 260;
    g_computerTotal = 200;
    EXPECT_EQ(Lead(3), Seven(2));
    g_humanTotal = 261;
    EXPECT_EQ(Lead(3), King(3));
    g_humanTotal = 751;
    g_computerTotal = 750;
    EXPECT_EQ(Lead(3), King(3));
}

TEST_F(ComputerLeadTest, ProKeepsTheLowCardGuardingItsTenFromTheHumansAce)
{
    g_computerTrumpPair = 1;
    GiveComputer({ Ten(2), Seven(2), Eight(1), Queen(1), King(1), Ace(3) });
    GiveHuman({ Ace(2), Seven(1) });
    // The human holds a trump and no card of suit 3: the computer's ace there is beatable.
    EXPECT_EQ(Lead(3), Eight(1));
    EXPECT_EQ(g_cards[Ace(3)].beatable(), 1);
    EXPECT_EQ(g_cards[Ten(2)].beatable(), 1);
    EXPECT_EQ(g_cards[Queen(1)].beatable(), 0);

    // A ten with two low cards is not guarded by either.
    GiveComputer({ Eight(2) });
    EXPECT_EQ(Lead(3), Seven(2));

    g_computerHand[7] = kNoCard;
    g_computerCount = 6;
    g_humanHand[1] = Ace(4);
    g_cards[Ace(4)].location() = kInHumanHand;
    EXPECT_EQ(Lead(3), Seven(2));
}

TEST_F(ComputerLeadTest, NoLowTrumpFromTheLastTwoCardsOrAsTheOnlyTrump)
{
    g_computerTrumpPair = 1;
    GiveComputer({ Eight(1), Ten(3) });
    EXPECT_EQ(Lead(2), Ten(3));
    EXPECT_EQ(Lead(3), Ten(3));
    GiveComputer({ King(4) });
    EXPECT_EQ(Lead(2), King(4));
}

TEST_F(ComputerLeadTest, ASpareLowTrumpLeadsBesideThePairFromALongerHand)
{
    GiveComputer({ Eight(1), Ten(1), King(4), King(3) });
    g_computerTrumpPair = 1;
    EXPECT_EQ(Lead(2), Eight(1));
    // Without the pair the lowest card leads, the first of two equal ones.
    g_computerTrumpPair = 0;
    EXPECT_EQ(Lead(2), King(4));
}

TEST_F(ComputerLeadTest, APlainJackIsNoLowCardToLeadBeforeASpareTrump)
{
    GiveComputer({ Jack(2), King(3), Eight(1), Queen(1) });
    g_computerTrumpPair = 1;
    EXPECT_EQ(Lead(2), Eight(1));
    g_computerHand[1] = Nine(2);
    EXPECT_EQ(Lead(2), Nine(2));
}

TEST_F(ComputerLeadTest, LevelsOutsideTheRangePlayAsTheNearestLevel)
{
    g_level = 0;
    EXPECT_EQ(ComputerLevel(), 1);
    g_level = 9;
    EXPECT_EQ(ComputerLevel(), 3);
    g_level = 2;
    EXPECT_EQ(ComputerLevel(), 2);

    EXPECT_EQ(Lead(1), kNoCard);
}

} // namespace
