#include "support/EngineTest.h"

#include "engine/TrumpBidding.h"

#include <utility>
#include <vector>

namespace {

using TrumpBiddingTest = EngineTest;

int Grade(std::vector<int> cards)
{
    return GradeOtherSuit(EvaluateSuit(cards, SuitOf(cards.front())));
}

/// Deals the computer six cards with `turnedUp` on the table and asks it in evaluate mode.
class ComputerBidTest : public EngineTest {
protected:
    void Deal(int turnedUp, const std::vector<int>& computer)
    {
        TurnUp(turnedUp);
        GiveComputer(computer);
        g_bidEvalState = kBidEvaluate;
    }
};

TEST_F(TrumpBiddingTest, ASuitIsValuedAsIfItWereTrump)
{
    const std::vector<int> cards { Jack(2), Nine(2), Queen(2), King(2), Seven(2), Ace(1) };
    const SuitEvaluation suit = EvaluateSuit(cards, 2);
    EXPECT_EQ(suit.count, 5);
    EXPECT_EQ(suit.sum, 11 + 12 + 9);
    EXPECT_EQ(suit.special, 21 + 14 + 19);
    EXPECT_EQ(suit.seven, 1);
    EXPECT_EQ(suit.queenOrKing, 1);
    EXPECT_EQ(suit.pair, 1);

    const SuitEvaluation king = EvaluateSuit(cards, 1);
    EXPECT_EQ(king.count, 1);
    EXPECT_EQ(king.sum, 14);
    EXPECT_EQ(king.special, 0);
}

TEST_F(TrumpBiddingTest, GradesOfTwoPlainCardsFollowTheirTrumpStrengths)
{
    EXPECT_EQ(Grade({ Seven(2), Eight(2) }), 1);
    EXPECT_EQ(Grade({ Seven(2), Queen(2) }), 2);
    EXPECT_EQ(Grade({ Eight(2), Queen(2) }), 3);
    EXPECT_EQ(Grade({ Seven(2), King(2) }), 4);
    EXPECT_EQ(Grade({ Eight(2), King(2) }), 5);
    EXPECT_EQ(Grade({ Seven(2), Ten(2) }), 6);
    EXPECT_EQ(Grade({ Eight(2), Ten(2) }), 7);
    EXPECT_EQ(Grade({ Seven(2), Ace(2) }), 8);
    EXPECT_EQ(Grade({ Eight(2), Ace(2) }), 9);
    EXPECT_EQ(Grade({ Queen(2), Ten(2) }), 10);
    EXPECT_EQ(Grade({ Queen(2), Ace(2) }), 11);
    EXPECT_EQ(Grade({ King(2), Ten(2) }), 11);
    EXPECT_EQ(Grade({ King(2), Ace(2) }), 12);
    EXPECT_EQ(Grade({ Ten(2), Ace(2) }), 13);
}

TEST_F(TrumpBiddingTest, TheLastMatchingRowGivesTheGrade)
{
    EXPECT_EQ(Grade({ Nine(3) }), 14);
    EXPECT_EQ(Grade({ Seven(3), Eight(3), Ace(3) }), 16);
    EXPECT_EQ(Grade({ Nine(3), Seven(3) }), 17);
    // Queen and king sum to 23 (grade 7) but the pair row comes later.
    EXPECT_EQ(Grade({ Queen(3), King(3) }), 18);
    EXPECT_EQ(Grade({ Jack(3) }), 19);
    EXPECT_EQ(Grade({ Nine(3), Seven(3), Eight(3) }), 20);
    EXPECT_EQ(Grade({ Jack(3), Ten(3) }), 21);
    EXPECT_EQ(Grade({ Queen(3), King(3), Seven(3) }), 23);
    EXPECT_EQ(Grade({ Jack(3), Ace(3) }), 24);
    EXPECT_EQ(Grade({ Seven(3), Eight(3), Ten(3), Ace(3) }), 25);
    EXPECT_EQ(Grade({ Jack(3), Seven(3), Eight(3) }), 26);
    EXPECT_EQ(Grade({ Nine(3), Queen(3), King(3) }), 27);
    EXPECT_EQ(Grade({ Jack(3), Nine(3) }), 28);
    EXPECT_EQ(Grade({ Jack(3), Nine(3), Seven(3) }), 30);
    EXPECT_EQ(Grade({ Seven(3), Eight(3), Ten(3), Ace(3), Queen(3) }), 31);
    EXPECT_EQ(Grade({ Nine(3), Seven(3), Eight(3), Ten(3) }), 32);
    EXPECT_EQ(Grade({ Queen(3), King(3), Seven(3), Eight(3) }), 33);
    EXPECT_EQ(Grade({ Jack(3), Seven(3), Eight(3), Ten(3) }), 34);
    EXPECT_EQ(Grade({ Nine(3), Queen(3), King(3), Seven(3) }), 35);
    EXPECT_EQ(Grade({ Jack(3), Nine(3), Seven(3), Eight(3) }), 36);
    EXPECT_EQ(Grade({ Jack(3), Queen(3), King(3) }), 37);
    EXPECT_EQ(Grade({ Seven(3), Eight(3), Nine(3), Ten(3), Queen(3), Ace(3) }), 38);
}

TEST_F(TrumpBiddingTest, GradeValuesMatchExactlyUnlessTheRowSaysAtLeast)
{
    EXPECT_EQ(Grade({ Seven(4) }), 0);
    EXPECT_EQ(Grade({ Ace(4) }), 0);
    // Jack with the ace (sum 14) reaches the "at least 14" row; with the ten (13) it does not.
    EXPECT_EQ(Grade({ Jack(4), Ace(4) }), 24);
    EXPECT_EQ(Grade({ Jack(4), Ten(4) }), 21);
    // Four cards with jack, nine, queen and king (54) match no special row of four cards:
    // only "cnt 4" (queen and king sum to 23, short of 27).
    EXPECT_EQ(Grade({ Jack(4), Nine(4), Queen(4), King(4) }), 22);
    // Jack, queen, king and a fourth card: 40 has no row of four, the sum row does.
    EXPECT_EQ(Grade({ Jack(4), Queen(4), King(4), Seven(4) }), 25);
    // Three cards with the pair and no nine (19) vs. with the nine (33).
    EXPECT_EQ(Grade({ Queen(4), King(4), Ace(4) }), 23);
}

TEST_F(ComputerBidTest, FiveCardsOfTheTurnedUpSuitAlwaysTake)
{
    Deal(Eight(1), { Seven(1), Nine(1), Ten(1), Queen(1), Ace(1), Seven(2) });
    EXPECT_EQ(ComputerAcceptsTrump(), 1);
    EXPECT_EQ(g_bidEvalState, kBidCached);

    Deal(Eight(1), {});
    EXPECT_EQ(ComputerChooseSuit(), 1);
}

TEST_F(ComputerBidTest, TheTurnedUpJackCompletesATakeWithNinePairAndSeven)
{
    Deal(Jack(1), { Nine(1), Queen(1), King(1), Seven(1), Seven(2), Eight(3) });
    EXPECT_EQ(ComputerAcceptsTrump(), 1);
}

TEST_F(ComputerBidTest, WithoutTheTurnedUpJackTheSameHandPassesAndNamesNothing)
{
    g_computerNamedSuit = 4;
    Deal(Ace(1), { Nine(1), Queen(1), King(1), Seven(1), Seven(2), Eight(3) });
    EXPECT_EQ(ComputerAcceptsTrump(), 0);
    EXPECT_EQ(g_computerNamedSuit, 0);
}

TEST_F(ComputerBidTest, PassingFirstCachesTheSuitForTheSecondRound)
{
    Deal(Eight(1), { Seven(1), Jack(3), Nine(3), Queen(3), King(3), Eight(2) });
    const auto fields = [] {
        std::vector<std::array<int, 20>> all;
        for (const CardRecord& record : g_cards)
            all.push_back(record.field);
        return all;
    };
    const auto before = fields();
    EXPECT_EQ(ComputerAcceptsTrump(), 0);
    EXPECT_EQ(g_computerNamedSuit, 3);
    EXPECT_EQ(g_trumpSuit, 1);
    EXPECT_EQ(fields(), before);
    EXPECT_EQ(g_otherSuit1, 2);
    EXPECT_EQ(g_otherSuit3, 4);

    // Later calls return the cached suit; they no longer look at the hand.
    g_computerHand = {};
    g_computerCount = 0;
    EXPECT_EQ(ComputerAcceptsTrump(), 3);
    EXPECT_EQ(ComputerChooseSuit(), 3);
}

TEST_F(ComputerBidTest, AnyOtherModeAnswersZeroWithoutLooking)
{
    Deal(Eight(1), { Seven(1), Nine(1), Ten(1), Queen(1), Ace(1), Seven(2) });
    g_bidEvalState = 0;
    g_computerNamedSuit = 2;
    EXPECT_EQ(ComputerAcceptsTrump(), 0);
    EXPECT_EQ(ComputerChooseSuit(), 0);
    EXPECT_EQ(g_bidEvalState, 0);
    EXPECT_EQ(g_computerNamedSuit, 2);
}

TEST_F(ComputerBidTest, AnOtherSuitAbove24IsNamed)
{
    Deal(Eight(1), { Jack(2), Seven(2), Eight(2), Ten(2), Seven(3), Eight(4) });
    EXPECT_EQ(ComputerChooseSuit(), 2);
    EXPECT_EQ(OtherSuitOfIndex(2), 2);
}

TEST_F(ComputerBidTest, EqualGradesGoToTheLowerIndex)
{
    Deal(Eight(1), { Nine(3), Nine(4), Seven(2), Eight(2), Ten(1), Ace(1) });
    EXPECT_EQ(ComputerChooseSuit(), 3);
    EXPECT_EQ(OtherSuitOfIndex(3), 3);
}

TEST_F(ComputerBidTest, NothingGradedAndNoTakeLeavesNoSuit)
{
    Deal(Eight(1), { Seven(2), Seven(3), Seven(4), Ten(1), Ace(1), King(1) });
    EXPECT_EQ(ComputerChooseSuit(), 0);
}

TEST_F(ComputerBidTest, AnsweringThePassItTakesOnWeakerTestsOnlyWhileNoOtherSuitGradesHigh)
{
    struct Row {
        int answer, turnedUp;
        std::vector<int> hand;
    };
    const Row rows[] = {
        // Jack, queen and king of T take beside an other suit of grade 24, not of 25 or 26
        // (seven cards, as the grade of 25 needs four of a suit).
        { 1, Eight(1), { Jack(1), Queen(1), King(1), Jack(2), Ace(2), Seven(3) } },
        { 2, Eight(1), { Jack(1), Queen(1), King(1), Seven(2), Eight(2), Ten(2), Ace(2) } },
        { 2, Eight(1), { Jack(1), Queen(1), King(1), Jack(2), Seven(2), Eight(2) } },
        // The weakest takes hold beside a grade of 19, not of 20 or 21.
        { 1, Ace(1), { Queen(1), King(1), Seven(1), Jack(2), Seven(3), Seven(4) } },
        { 2, Ace(1), { Queen(1), King(1), Seven(1), Nine(2), Seven(2), Eight(2) } },
        { 1, Queen(1), { Seven(1), Eight(1), Ten(1), Ace(1), Jack(2), Seven(3) } },
        { 2, Queen(1), { Seven(1), Eight(1), Ten(1), Ace(1), Jack(2), Seven(2) } },
        // Under the turned-up jack, three cards of T with its seven and nine take beside
        // a grade of 20; two cards, or three without the seven, leave that suit named.
        { 1, Jack(1), { Seven(1), Eight(1), Nine(1), Eight(2), Nine(2), Ten(2) } },
        { 2, Jack(1), { Seven(1), Nine(1), Eight(2), Nine(2), Ten(2), Seven(3) } },
        { 2, Jack(1), { Eight(1), Nine(1), Ten(1), Eight(2), Nine(2), Ten(2) } },
        // Beside the lone jack of suit 2 (grade 19), one weakest take at a time: the nine
        // with the queen or king in three cards summing 24 (not 22); the pair in three cards
        // (not two); the nine with the seven in three cards summing 20 (not 19), unless the
        // turned-up card is the eight.
        { 1, Ace(1), { Nine(1), Queen(1), Ten(1), Jack(2), Seven(3), Seven(4) } },
        { 2, Ace(1), { Nine(1), King(1), Eight(1), Jack(2), Seven(3), Seven(4) } },
        { 2, Ace(1), { Queen(1), King(1), Jack(2), Seven(3), Seven(4), Eight(4) } },
        { 1, Ten(1), { Nine(1), Seven(1), Queen(1), Jack(2), Seven(3), Seven(4) } },
        { 2, Ten(1), { Nine(1), Seven(1), Eight(1), Jack(2), Seven(3), Seven(4) } },
        { 1, Ten(1), { Nine(1), Seven(1), Ace(1), Jack(2), Seven(3), Seven(4) } },
        { 2, Eight(1), { Nine(1), Seven(1), Ace(1), Jack(2), Seven(3), Seven(4) } },
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(&row - rows);
        SetUp();
        Deal(row.turnedUp, row.hand);
        EXPECT_EQ(ComputerChooseSuit(), row.answer);
    }
}

TEST_F(ComputerBidTest, BiddingFirstItNamesAnOtherSuitOnlyWithEnoughInIt)
{
    // Suit 2 is named for the nine and pair summing 37 (not 36), or the jack and nine with
    // the queen or king summing 24 (not 22); not without the queen or king.
    const std::pair<int, std::vector<int>> rows[] = {
        { 2, { Nine(2), Queen(2), King(2), Ace(2) } },
        { 0, { Nine(2), Queen(2), King(2), Ten(2) } },
        { 2, { Jack(2), Nine(2), Queen(2), Ten(2) } },
        { 0, { Jack(2), Nine(2), King(2), Eight(2) } },
        { 0, { Jack(2), Nine(2), Ten(2), Ace(2) } },
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(&row - rows);
        SetUp();
        std::vector<int> hand = row.second;
        hand.insert(hand.end(), { Seven(3), Eight(4) });
        Deal(Eight(1), hand);
        EXPECT_EQ(ComputerAcceptsTrump(), 0);
        EXPECT_EQ(g_computerNamedSuit, row.first);
    }
}

TEST_F(ComputerBidTest, TheTurnedUpCardCountsAsATrumpOfItsSuit)
{
    // Values left for another trump must not hide the turned-up nine.
    Deal(Nine(2), { Jack(2), Queen(2), King(2), Seven(2), Seven(3), Eight(4) });
    g_trumpSuit = 3;
    SetCardValues();
    g_trumpSuit = 2;
    EXPECT_EQ(ComputerAcceptsTrump(), 1);
}

} // namespace
