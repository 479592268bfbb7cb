#include "support/EngineTest.h"

#include "engine/ComputerAnswer.h"
#include "engine/TrickRules.h"

namespace {

/// Trump is suit 1; the human has led and his card has left his hand.
class ComputerAnswerTest : public EngineTest {
protected:
    void SetUp() override
    {
        EngineTest::SetUp();
        SetTrump(1);
    }

    /// The computer's answer to `led` at `level`: the card and the trick's winner.
    static std::pair<int, int> Answer(int led, int level)
    {
        g_level = level;
        const ComputerAnswer answer = ChooseComputerAnswer(SuitOf(led), g_cards[led].strength());
        return { answer.position == 0 ? kNoCard : g_computerHand[answer.position], answer.winner };
    }
};

TEST_F(ComputerAnswerTest, APlainLeadIsBeatenWithTheHighestCardThatBeatsIt)
{
    GiveComputer({ Queen(2), Ace(2), Ten(2), Seven(1) });
    for (const int level : { 1, 2, 3 })
        EXPECT_EQ(Answer(King(2), level), std::make_pair(Ace(2), kComputer)) << "level " << level;
}

TEST_F(ComputerAnswerTest, ProAheadOfTheHumansBestCardBeatsWithItsLowestWinner)
{
    GiveComputer({ Queen(2), Ace(2), Ten(2), Seven(1) });
    GiveHuman({ Jack(2), Eight(3) });
    // The human's best card of the suit (the jack) is below the computer's ace: the ten wins
    // while the human is ahead by more than the margin, 30 in a short game and 60 in a long
    // one, or by anything once his total passes 400 or 850.
    struct Row {
        int gameLength, human, computer, answer;
    };
    const Row rows[] = {
        { kShortGame, 240, 200, Ten(2) },
        { kShortGame, 230, 200, Ace(2) },
        { kShortGame, 400, 390, Ace(2) },
        { kShortGame, 401, 400, Ten(2) },
        { kLongGame, 161, 100, Ten(2) },
        { kLongGame, 160, 100, Ace(2) },
        { kLongGame, 850, 800, Ace(2) },
        { kLongGame, 851, 800, Ten(2) },
    };
    for (const Row& row : rows) {
        g_gameLength = row.gameLength;
        g_humanTotal = row.human;
        g_computerTotal = row.computer;
        EXPECT_EQ(Answer(King(2), 3), std::make_pair(row.answer, kComputer))
            << row.human << " " << row.computer;
        EXPECT_EQ(Answer(King(2), 2), std::make_pair(Ace(2), kComputer));
    }

    // The human out of the suit, or holding its best card: the general rule.
    g_humanHand[1] = Seven(4);
    EXPECT_EQ(Answer(King(2), 3), std::make_pair(Ace(2), kComputer));
}

TEST_F(ComputerAnswerTest, ProPlaysTheGeneralRuleAgainstAStrongerCardInTheHumansHand)
{
    GiveComputer({ Jack(2), Ten(2), Seven(1) });
    GiveHuman({ Ace(2) });
    g_gameLength = kLongGame;
    g_humanTotal = 500;
    g_computerTotal = 100;
    EXPECT_EQ(Answer(Nine(2), 3), std::make_pair(Ten(2), kComputer));
    // Below the computer's ten, the human's best card lets it win low.
    g_humanHand[1] = Queen(2);
    EXPECT_EQ(Answer(Nine(2), 3), std::make_pair(Jack(2), kComputer));
}

TEST_F(ComputerAnswerTest, ATrumpLeadIsBeatenWithTheLowestTrumpThatBeatsIt)
{
    GiveComputer({ Jack(1), Seven(1), Ace(2) });
    EXPECT_EQ(Answer(Nine(1), 1), std::make_pair(Jack(1), kComputer));

    g_computerHand[1] = Ace(1);
    EXPECT_EQ(Answer(Nine(1), 1), std::make_pair(Seven(1), kHuman));
    // Of two trumps that beat, the lower; the plain ace is never thrown on a trump lead.
    EXPECT_EQ(Answer(Queen(1), 2), std::make_pair(Ace(1), kComputer));
    GiveComputer({ King(1) });
    EXPECT_EQ(Answer(Queen(1), 2), std::make_pair(King(1), kComputer));
}

TEST_F(ComputerAnswerTest, OutOfTheLedSuitItTrumpsLowElseThrowsItsLowestCard)
{
    GiveComputer({ Ten(3), Ace(1), Eight(1), King(4) });
    EXPECT_EQ(Answer(Ace(2), 1), std::make_pair(Eight(1), kComputer));

    g_computerHand = {};
    g_computerCount = 0;
    GiveComputer({ Ten(3), King(4), Seven(4) });
    EXPECT_EQ(Answer(Ace(2), 1), std::make_pair(Seven(4), kHuman));
    // Holding the suit only below the lead: its lowest card of the suit.
    GiveComputer({ Nine(2), Eight(2) });
    EXPECT_EQ(Answer(Ace(2), 1), std::make_pair(Eight(2), kHuman));
}

TEST_F(ComputerAnswerTest, TheLastCardIsPlayedAndDecidesTheTrickByTheRule)
{
    GiveComputer({ Seven(3) });
    EXPECT_EQ(Answer(Jack(3), 1), std::make_pair(Seven(3), kHuman));
    g_computerHand[1] = Seven(1);
    EXPECT_EQ(Answer(Ace(3), 1), std::make_pair(Seven(1), kComputer));
    g_computerHand[1] = Ace(4);
    EXPECT_EQ(Answer(Seven(3), 3), std::make_pair(Ace(4), kHuman));
}

TEST_F(ComputerAnswerTest, EveryAnswerIsLegalForTheHandItCameFrom)
{
    // Every lead against every hand of three drawn from a fixed spread of cards.
    const std::vector<int> spread { Seven(1), Jack(1), Ace(2), Seven(2), Ten(3), King(4), Nine(4) };
    for (std::size_t a = 0; a < spread.size(); ++a)
        for (std::size_t b = a + 1; b < spread.size(); ++b)
            for (std::size_t c = b + 1; c < spread.size(); ++c)
                for (int led = 1; led <= g_deckSize; ++led) {
                    const std::vector<int> hand { spread[a], spread[b], spread[c] };
                    if (std::ranges::find(hand, led) != hand.end())
                        continue;
                    g_computerHand = {};
                    g_computerCount = 0;
                    GiveComputer(hand);
                    for (const int level : { 1, 3 }) {
                        const auto [card, winner] = Answer(led, level);
                        ASSERT_TRUE(IsLegalAnswer(hand, SuitOf(card), SuitOf(led))) << led << " " << card;
                        const bool takes = AnswerTakesTrick(
                            SuitOf(led), g_cards[led].strength(), SuitOf(card), g_cards[card].strength());
                        EXPECT_EQ(winner, takes ? kComputer : kHuman);
                    }
                }
}

TEST_F(ComputerAnswerTest, AnEmptyHandHasNoAnswer)
{
    EXPECT_EQ(Answer(Ace(2), 1), std::make_pair(kNoCard, kNoSide));
}

} // namespace
