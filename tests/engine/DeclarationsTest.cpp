#include "support/EngineTest.h"

#include "engine/Declarations.h"

#include <vector>

namespace {

/// Trump is suit 1 unless a test turns up another card.
class DeclarationsTest : public EngineTest {
protected:
    void SetUp() override
    {
        EngineTest::SetUp();
        g_extraCards = 3;
        SetTrump(1);
    }
};

TEST_F(DeclarationsTest, TheComputerHandIsSearchedWithoutBeingReordered)
{
    GiveComputer({ Ace(3), Nine(2), Seven(4), Seven(2), Eight(2) });
    const Hand before = g_computerHand;
    DecideDeclarations();
    EXPECT_EQ(g_computerHand, before);
    EXPECT_EQ(g_computerTwenties, 1);
}

TEST_F(DeclarationsTest, ABetterComputerFiftyHidesTheHumansFifty)
{
    GiveHuman({ Eight(2), Nine(2), Ten(2), Jack(2), Ace(3), Seven(4), Nine(4), Jack(4), King(1) });
    GiveComputer({ Nine(3), Ten(3), Jack(3), Queen(3), Seven(2), Ace(2), Eight(4), Ten(4), Seven(1) });
    const DeclarationOutcome outcome = DecideDeclarations();
    EXPECT_EQ(outcome.which, DeclarationCase::kComputerFifty);
    EXPECT_FALSE(outcome.humanShows);
    EXPECT_TRUE(outcome.computerShows);
    EXPECT_EQ(outcome.computerImage, image::kComputerFifty);
    EXPECT_EQ(outcome.humanImage, image::kNone);
    EXPECT_EQ(outcome.shownAnnouncement1, image::kComputerFifty);
    EXPECT_EQ(outcome.prompt, PromptState::kComputerDeclares);
    EXPECT_EQ(g_humanFifties, 1);
    EXPECT_EQ(g_computerFifties, 1);
}

TEST_F(DeclarationsTest, ATrumpFiftyBeatsAHigherRankedPlainOneAndShowsWithItsTwenty)
{
    GiveHuman({ Ten(1), Jack(1), Queen(1), King(1), Seven(3), Eight(3), Nine(3), Ace(4), Eight(2) });
    GiveComputer({ Ten(2), Jack(2), Queen(2), King(2), Seven(4), Nine(4), Ace(3), Jack(3), Seven(1) });
    const DeclarationOutcome outcome = DecideDeclarations();
    EXPECT_EQ(outcome.which, DeclarationCase::kHumanFifty);
    EXPECT_EQ(outcome.humanImage, image::kHumanFiftyAndTwenty);
    EXPECT_FALSE(outcome.computerShows);
    EXPECT_EQ(outcome.prompt, PromptState::kHumanDeclares);
    EXPECT_EQ(g_humanTrumpPair, 1);
    EXPECT_EQ(g_computerTrumpPair, 0);
}

TEST_F(DeclarationsTest, EqualTwentiesAlwaysShowWhenTheHumanChoseTrump)
{
    GiveHuman({ Seven(2), Eight(2), Nine(2), Ace(3), King(4), Jack(1), Ten(4) });
    GiveComputer({ Seven(3), Eight(3), Nine(3), Queen(4), Seven(1), Ten(1), Seven(4) });
    g_toMove = kHuman;
    const DeclarationOutcome outcome = DecideDeclarations();
    EXPECT_EQ(outcome.which, DeclarationCase::kEqualTwenties);
    EXPECT_EQ(g_equalTwenties, 1);
    EXPECT_TRUE(outcome.humanShows);
    EXPECT_TRUE(outcome.computerShows);
    EXPECT_EQ(outcome.humanImage, image::kHumanTwenty);
    EXPECT_EQ(outcome.computerImage, image::kComputerTwenty);
    EXPECT_EQ(outcome.shownAnnouncement1, image::kHumanTwenty);
    EXPECT_EQ(outcome.shownAnnouncement2, image::kComputerTwenty);
    EXPECT_EQ(outcome.prompt, PromptState::kBothDeclare);
}

TEST_F(DeclarationsTest, EqualTwentiesAreHeldBackByAWeakComputerThatChoseTrump)
{
    GiveHuman({ Seven(2), Eight(2), Nine(2), Ace(3), King(4), Jack(1), Ten(4) });
    GiveComputer({ Seven(3), Eight(3), Nine(3), Queen(4), Seven(1), Ten(1), Seven(4) });
    g_toMove = kComputer;
    const DeclarationOutcome outcome = DecideDeclarations();
    EXPECT_EQ(outcome.which, DeclarationCase::kEqualTwenties);
    EXPECT_TRUE(outcome.humanShows);
    EXPECT_FALSE(outcome.computerShows);
    EXPECT_EQ(outcome.computerImage, image::kNone);
    EXPECT_EQ(outcome.shownAnnouncement1, image::kHumanTwenty);
    EXPECT_EQ(outcome.shownAnnouncement2, image::kNone);
    EXPECT_EQ(outcome.prompt, PromptState::kHumanDeclares);
    EXPECT_EQ(g_computerTwenties, 0);
    EXPECT_EQ(g_humanTwenties, 1);
}

TEST_F(DeclarationsTest, EqualFiftiesShowOnlyWithEnoughBesideThem)
{
    g_toMove = kComputer;
    GiveHuman({ Seven(2), Eight(2), Nine(2), Ten(2), Ace(3), King(4), Queen(1), Eight(4), Jack(3) });
    GiveComputer({ Seven(3), Eight(3), Nine(3), Ten(3), Nine(4), Seven(1), Queen(2), Seven(4), Jack(4) });
    DeclarationOutcome outcome = DecideDeclarations();
    EXPECT_EQ(outcome.which, DeclarationCase::kEqualFifties);
    EXPECT_EQ(g_equalFifties, 1);
    EXPECT_FALSE(outcome.computerShows);
    EXPECT_EQ(outcome.humanImage, image::kHumanFifty);
    EXPECT_EQ(outcome.prompt, PromptState::kHumanDeclares);
    EXPECT_EQ(g_computerFifties, 0);

    // With the trump nine: 50 + 14 - 30 = 34 is enough.
    SetUp();
    g_toMove = kComputer;
    GiveHuman({ Seven(2), Eight(2), Nine(2), Ten(2), Ace(3), King(4), Queen(1), Eight(4), Jack(3) });
    GiveComputer({ Seven(3), Eight(3), Nine(3), Ten(3), Nine(4), Nine(1), Queen(2), Seven(4), Jack(4) });
    outcome = DecideDeclarations();
    EXPECT_TRUE(outcome.computerShows);
    EXPECT_EQ(outcome.computerImage, image::kComputerFifty);
    EXPECT_EQ(outcome.prompt, PromptState::kBothDeclare);
    EXPECT_EQ(g_computerFifties, 1);
    EXPECT_EQ(g_computerHasTrumpNine, 1);
}

TEST_F(DeclarationsTest, ABetterComputerTwentyNeedsTwentyTwoOtherPointsWithThreeExtraCards)
{
    // Two trumps, no jack, nine or pair: the twenty alone scores 20, short of 34.
    g_toMove = kComputer;
    GiveHuman({ Seven(2), Eight(2), Nine(2), Ace(3), King(4), Queen(3) });
    GiveComputer({ Eight(3), Nine(3), Ten(3), Ace(4), Seven(1), Eight(1), Seven(4), Nine(4) });
    DeclarationOutcome outcome = DecideDeclarations();
    EXPECT_EQ(outcome.which, DeclarationCase::kComputerTwenty);
    EXPECT_FALSE(outcome.computerShows);
    EXPECT_EQ(outcome.prompt, PromptState::kNone);
    EXPECT_EQ(g_computerTwenties, 0);

    SetUp();
    g_toMove = kComputer;
    GiveHuman({ Seven(2), Eight(2), Nine(2), Ace(3), King(4), Queen(3) });
    GiveComputer({ Eight(3), Nine(3), Ten(3), Ten(4), Jack(2), Seven(1), Eight(1), Seven(4) });
    outcome = DecideDeclarations();
    EXPECT_TRUE(outcome.computerShows);
    EXPECT_EQ(outcome.computerImage, image::kComputerTwenty);
    EXPECT_EQ(outcome.prompt, PromptState::kComputerDeclares);

    // When the human chose trump the computer is not asked.
    SetUp();
    g_toMove = kHuman;
    GiveHuman({ Seven(2), Eight(2), Nine(2), Ace(3), King(4), Queen(3) });
    GiveComputer({ Eight(3), Nine(3), Ten(3), Ace(4), Seven(1), Eight(1), Seven(4), Nine(4) });
    EXPECT_EQ(DecideDeclarations().prompt, PromptState::kComputerDeclares);
}

TEST_F(DeclarationsTest, ABetterHumanTwentyOrATrumpTwentyWins)
{
    GiveHuman({ Eight(2), Nine(2), Ten(2), Ace(4) });
    GiveComputer({ Seven(3), Eight(3), Nine(3), Ace(2) });
    DeclarationOutcome outcome = DecideDeclarations();
    EXPECT_EQ(outcome.which, DeclarationCase::kHumanTwenty);
    EXPECT_EQ(outcome.humanImage, image::kHumanTwenty);
    EXPECT_EQ(outcome.prompt, PromptState::kHumanDeclares);

    SetUp();
    GiveHuman({ Seven(1), Eight(1), Nine(1) });
    GiveComputer({ Seven(2), Eight(2), Nine(2) });
    EXPECT_EQ(DecideDeclarations().which, DeclarationCase::kHumanTwenty);
}

TEST_F(DeclarationsTest, NoRunsMeanNoPromptAndNoPoints)
{
    g_humanDeclPoints = 40;
    g_computerDeclPoints = 50;
    GiveHuman({ Seven(2), Nine(2), Jack(2), Ace(3) });
    GiveComputer({ Eight(2), Ten(2), Seven(3), Ace(4) });
    const DeclarationOutcome outcome = DecideDeclarations();
    EXPECT_EQ(outcome.which, DeclarationCase::kNone);
    EXPECT_EQ(outcome.prompt, PromptState::kNone);
    EXPECT_FALSE(outcome.humanShows || outcome.computerShows);
    EXPECT_EQ(g_humanDeclPoints, 0);
    EXPECT_EQ(g_computerDeclPoints, 0);
    EXPECT_EQ(DeclarationPoints(2, 1), 120);
}

/// The computer's hand alone, with its run counts as the search would leave them.
class KeepDeclarationTest : public DeclarationsTest {
protected:
    void Hold(const std::vector<int>& cards, int fifties, int twenties)
    {
        GiveComputer(cards);
        g_computerFifties = fifties;
        g_computerTwenties = twenties;
    }
};

TEST_F(KeepDeclarationTest, MoreTrumpsThanTheLimitAlwaysShow)
{
    Hold({ Seven(1), Eight(1), Queen(1), King(1) }, 0, 0);
    EXPECT_TRUE(ComputerKeepsDeclaration());
    EXPECT_EQ(g_computerHasTrumpPair, 1);

    // With five extra cards the limit is four, and the pair's 20 is short of 34.
    g_extraCards = 5;
    EXPECT_FALSE(ComputerKeepsDeclaration());
}

TEST_F(KeepDeclarationTest, RunsAndTrumpBonusesShowFrom34)
{
    struct Row {
        std::vector<int> cards;
        int fifties, twenties, equalTwenties, equalFifties;
        bool shows;
    };
    const Row rows[] = {
        // A twenty and the jack: 40.
        { { Jack(1), Seven(2), Eight(2), Nine(2) }, 0, 1, 0, 0, true },
        // Equal twenties take 20 off: 40 - 20 = 20; with the nine too, 54 - 20 = 34.
        { { Jack(1), Seven(2), Eight(2), Nine(2) }, 0, 1, 1, 0, false },
        { { Jack(1), Nine(1), Seven(2), Eight(2), Nine(2) }, 0, 1, 1, 0, true },
        // Equal fifties take 30 off: 50 + 14 - 30 = 34; without the nine, 20.
        { { Nine(1), Seven(2), Eight(2), Nine(2), Ten(2) }, 1, 0, 0, 1, true },
        { { Seven(2), Eight(2), Nine(2), Ten(2) }, 1, 0, 0, 1, false },
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(&row - rows);
        SetUp();
        Hold(row.cards, row.fifties, row.twenties);
        g_equalTwenties = row.equalTwenties;
        g_equalFifties = row.equalFifties;
        EXPECT_EQ(ComputerKeepsDeclaration(), row.shows);
        // Held back, the runs no longer count.
        EXPECT_EQ(g_computerFifties + g_computerTwenties, row.shows ? 1 : 0);
    }
}

TEST_F(KeepDeclarationTest, OtherPointsShowFromThreeTimesTheLimitPlusTwiceTheExtraCardsPlusSeven)
{
    struct Case {
        int extraCards;
        std::vector<int> enough;
        std::vector<int> tooFew;
    };
    const Case cases[] = {
        { 3, { Ace(2), Ace(3) }, { Ace(2), Ten(3) } },
        { 4, { Ace(2), Ace(3), Jack(2) }, { Ace(2), Ten(3), Jack(2) } },
        { 5, { Ace(2), Ace(3), King(2), Queen(2) }, { Ace(2), Ace(3), King(2), Jack(2) } },
        { 6, { Ace(2), Ten(3), Ten(4) }, { Ten(2), Ten(3), Ten(4) } },
    };
    for (const Case& c : cases) {
        SetUp();
        g_extraCards = c.extraCards;
        Hold(c.enough, 0, 1);
        EXPECT_TRUE(ComputerKeepsDeclaration()) << c.extraCards;
        SetUp();
        g_extraCards = c.extraCards;
        Hold(c.tooFew, 0, 1);
        EXPECT_FALSE(ComputerKeepsDeclaration()) << c.extraCards;
    }
}

TEST_F(KeepDeclarationTest, TheTrumpJackAndNineAreNotCountedAsOtherPoints)
{
    Hold({ Jack(1), Ace(2) }, 0, 0);
    EXPECT_FALSE(ComputerKeepsDeclaration());
}

} // namespace
