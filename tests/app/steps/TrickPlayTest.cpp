#include "support/DealTable.h"

#include "app/Layout.h"
#include "app/Spots.h"
#include "app/drawing/TableDrawing.h"
#include "engine/CardValues.h"
#include "engine/GameState.h"
#include "engine/TrickRules.h"

#include <QImage>

#include <string>

namespace {

constexpr char kTableSound[] = "Sound\\Hh.wav";
constexpr char kErrorSound[] = "Sound\\Er.wav";

/// Tricks played with the mouse, from the plain deal (trump suit 1, taken by the human, who
/// leads) or from a position set up in the middle of a deal.
class TrickPlay : public DealTable {
protected:
    /// The plain deal, the turned-up suit taken at once: the human leads the first trick.
    void DealAndTake()
    {
        Deal(kHuman, plain::kComputer, plain::kHuman, plain::kTurnedUp, plain::kSecond);
        Click(window_->m_rcButton1);
        ASSERT_EQ(g_humanLeadsTrick, 1);
    }

    int Played(const std::string& name) const
    {
        int n = 0;
        for (const RecordingSound::Played& played : platform_.sound.played)
            n += played.path == name ? 1 : 0;
        return n;
    }

    static int Points(int card) { return g_cards[card].points(); }
};

TEST_F(TrickPlay, AHumanLeadIsAnsweredAndTheWinnerLeadsNext)
{
    DealAndTake();
    const int humanCount = g_humanCount;
    const int tableSounds = Played(kTableSound);

    // The seven of suit 2 is led; the computer beats it with its ace and takes the trick.
    ClickCard(Seven(2));

    EXPECT_EQ(g_humanCount, humanCount - 1);
    EXPECT_EQ(FindInHand(g_humanHand, g_humanCount, Seven(2)), 0);
    EXPECT_EQ(g_cards[Seven(2)].status(), kStatusPlayed);
    EXPECT_EQ(g_cards[Ace(2)].status(), kStatusPlayed);
    EXPECT_EQ(g_trickWinner, kComputer);
    EXPECT_EQ(g_computerDealPoints, Points(Ace(2)));
    EXPECT_EQ(g_computerTookTrick, 1);
    EXPECT_EQ(g_humanTookTrick, 0);
    EXPECT_EQ(g_humanLeadsTrick, 0);
    // Two cards reach the table, the trick is turned over and flies off, and the
    // computer's next lead lands.
    EXPECT_EQ(Played(kTableSound) - tableSounds, 5);

    // It leads its ten of suit 2, now the best card of the suit, and the human answers.
    EXPECT_EQ(g_computerTableCard, Ten(2));
    EXPECT_EQ(g_computerCount, humanCount - 2);
    EXPECT_EQ(g_toMove, kHuman);
    EXPECT_EQ(g_humanFollows, 1);
    EXPECT_EQ(g_humanMayPlay, 1);
    EXPECT_EQ(g_computerCardShown, 1);
    EXPECT_TRUE(FaceDrawnAt(Ten(2), LeadCardPoint().x, LeadCardPoint().y));
    // Both rows closed up, the hit rectangles with them.
    EXPECT_EQ(g_humanGap, SpaceRow(g_humanCount, g_clientWidth).gap);
    EXPECT_EQ(g_computerGap, SpaceRow(g_computerCount, g_clientWidth).gap);
    for (int k = 1; k <= g_humanCount; ++k) {
        EXPECT_EQ(g_humanCardRects[k].left, HumanCardX(k));
        EXPECT_TRUE(FaceDrawnAt(g_humanHand[k], HumanCardX(k), HumanRowTop())) << "slot " << k;
    }
    ExpectEveryCardInOnePlace();
}

TEST_F(TrickPlay, AnIllegalAnswerSoundsTheErrorAndChangesNothing)
{
    DealAndTake();
    ClickCard(Seven(2));
    ASSERT_EQ(g_computerTableCard, Ten(2));
    const Hand hand = g_humanHand;
    const QImage buffer = window_->m_dcBuffer.image().copy();
    const QImage shown = window_->surface().dc().image().copy();
    const std::size_t sounds = platform_.sound.played.size();

    // He holds suit 2, so neither a trump nor another suit may answer.
    ClickCard(Jack(1));
    ClickCard(Seven(3));

    EXPECT_EQ(Played(kErrorSound), 2);
    EXPECT_EQ(platform_.sound.played.size(), sounds + 2);
    EXPECT_EQ(g_humanHand, hand);
    EXPECT_EQ(g_cards[Jack(1)].status(), kStatusInPlay);
    EXPECT_EQ(g_humanMayPlay, 1);
    EXPECT_EQ(g_computerCardShown, 1);
    EXPECT_EQ(g_humanNoTrumps, 0);
    EXPECT_EQ(g_humanVoid[2], 0);
    EXPECT_TRUE(window_->m_dcBuffer.image() == buffer);
    EXPECT_TRUE(window_->surface().dc().image() == shown);

    // With the card sounds off a refused card is silent.
    g_cardSounds = 0;
    ClickCard(Jack(1));
    EXPECT_EQ(Played(kErrorSound), 2);

    // A card of the suit is taken, even one that cannot beat the ten.
    g_cardSounds = 1;
    ClickCard(King(2));
    EXPECT_EQ(g_cards[King(2)].status(), kStatusPlayed);
    EXPECT_EQ(g_trickWinner, kComputer);
    EXPECT_EQ(g_computerDealPoints, Points(Ace(2)) + Points(Ten(2)) + Points(King(2)));
}

TEST_F(TrickPlay, AWinningAnswerGivesTheHumanTheNextLead)
{
    SetPosition({ Jack(1), Seven(3), Eight(4) }, { Ace(3), Nine(2), Ten(4) });
    ClickCard(Seven(3));
    // The computer's ace takes and it leads again: its nine of suit 2.
    ASSERT_EQ(g_computerTableCard, Nine(2));

    // Out of suit 2 the human must trump: the jack takes, noted as a void suit.
    ClickCard(Eight(4));
    EXPECT_EQ(Played(kErrorSound), 1);
    ClickCard(Jack(1));

    EXPECT_EQ(g_trickWinner, kHuman);
    EXPECT_EQ(g_humanDealPoints, Points(Jack(1)) + Points(Nine(2)));
    EXPECT_EQ(g_humanVoid[2], 1);
    EXPECT_EQ(g_humanNoTrumps, 0);
    EXPECT_EQ(g_computerCardShown, 0);
    EXPECT_EQ(g_toMove, kHuman);
    EXPECT_EQ(g_humanFollows, 0);
    EXPECT_EQ(g_humanLeadsTrick, 1);
    EXPECT_EQ(g_humanMayPlay, 1);
    // The trick area is bare table again.
    const Point lead = LeadCardPoint();
    EXPECT_EQ(window_->m_dcBuffer.getPixel(lead.x + 40, lead.y + 90),
        window_->m_dcTable.getPixel(lead.x + 40, lead.y + 90));

    // The last trick: the human's eight of suit 4 loses to the computer's ten, which
    // scores its ten points and ten more.
    ClickCard(Eight(4));
    EXPECT_EQ(g_humanCount, 0);
    EXPECT_EQ(g_computerCount, 0);
    EXPECT_EQ(g_computerDealPoints, Points(Ace(3)) + Points(Ten(4)) + kLastTrickBonus);
    EXPECT_EQ(g_humanMayPlay, 0);
}

TEST_F(TrickPlay, ThePairLedByTheComputerGoesToTheHumanWhoTakesIt)
{
    SetPosition({ Ace(1), Seven(2) }, { Queen(1), King(1) });
    g_computerTrumpPair = 1;
    g_toMove = kComputer;
    g_humanMayPlay = 0;
    g_humanLeadsTrick = 0;

    // Nothing but the pair in hand: it leads its king and announces.
    window_->PlayComputerLead();
    ASSERT_EQ(g_computerTableCard, King(1));
    EXPECT_EQ(g_computerPairOnTrick, 1);
    EXPECT_EQ(g_computerPairShown, 1);
    EXPECT_EQ(g_computerTrumpPair, 0);
    EXPECT_EQ(PhrasesSpoken().back(), image::kComputerPair);
    EXPECT_FALSE(platform_.sound.played.back().waitForEnd);

    ClickCard(Ace(1));
    EXPECT_EQ(g_trickWinner, kHuman);
    EXPECT_EQ(g_humanDealPoints, Points(King(1)) + Points(Ace(1)) + kTrumpPairPoints);
    EXPECT_EQ(g_computerDealPoints, 0);
    EXPECT_EQ(g_computerPairOnTrick, 0);
    EXPECT_EQ(g_computerPairShown, 0);

    // The queen that is left trumps the human's last lead without a second announcement.
    ClickCard(Seven(2));
    EXPECT_EQ(g_computerDealPoints, Points(Queen(1)) + kLastTrickBonus);
}

TEST_F(TrickPlay, ALosingQueenKeepsTheComputersPairForAWinningKing)
{
    SetPosition({ Ace(1), Seven(2), Eight(2) }, { Queen(1), King(1), Seven(3) });
    g_computerTrumpPair = 1;

    // The queen cannot beat the ace: no announcement, the pair stays to be announced.
    ClickCard(Ace(1));
    EXPECT_EQ(g_cards[Queen(1)].status(), kStatusPlayed);
    EXPECT_EQ(g_trickWinner, kHuman);
    EXPECT_EQ(g_computerTrumpPair, 1);
    EXPECT_TRUE(PhrasesSpoken().empty());

    // Out of suit 2, it trumps with the king and announces: 20 more at once.
    ClickCard(Seven(2));
    EXPECT_EQ(g_trickWinner, kComputer);
    EXPECT_EQ(g_computerTrumpPair, 0);
    EXPECT_EQ(g_computerDealPoints, Points(King(1)) + kTrumpPairPoints);
    EXPECT_EQ(PhrasesSpoken(), std::vector<int> { image::kComputerPair });
    // Answering, the announcement does not stand on the table.
    EXPECT_EQ(g_computerPairShown, 0);
}

TEST_F(TrickPlay, WithoutAnimationTheCardsLandWhereTheyWouldHaveFlown)
{
    DealAndTake();
    ClickCard(Nine(2));
    const QImage animated = window_->m_dcBuffer.image().copy();
    const int computerPoints = g_computerDealPoints;

    const QImage animatedShown = window_->surface().dc().image().copy();

    g_animation = 0;
    DealAndTake();
    ClickCard(Nine(2));

    EXPECT_EQ(g_computerDealPoints, computerPoints);
    // The closed-up row leaves nothing behind where its last card stood, and the still
    // backs of the collected trick are gone from the window.
    EXPECT_TRUE(window_->m_dcBuffer.image() == animated);
    EXPECT_TRUE(window_->surface().dc().image() == animatedShown);
}

TEST_F(TrickPlay, FlightsEndWhateverTheirStepCount)
{
    // Steps that truncate every move to nothing, or none at all (a damaged setting), still
    // bring each card to its place; the trick is played and collected.
    for (const int steps : { 0, -3, 100000 }) {
        SetPosition({ Seven(2), Eight(3) }, { Ace(2), Nine(3) });
        g_computerDealPoints = 0;
        g_animSteps = steps;
        ClickCard(Seven(2));
        EXPECT_EQ(g_computerDealPoints, Points(Ace(2))) << steps << " steps";
        EXPECT_EQ(g_computerTableCard, Nine(3)) << steps << " steps";
        EXPECT_TRUE(FaceDrawnAt(Nine(3), LeadCardPoint().x, LeadCardPoint().y)) << steps << " steps";
        EXPECT_TRUE(FaceDrawnAt(Eight(3), HumanCardX(1), HumanRowTop())) << steps << " steps";
    }
}

TEST_F(TrickPlay, AHandEmptiedBeforeItsTimeEndsTheDealInsteadOfWaitingForACard)
{
    // A damaged position can leave the computer without cards while the human holds some,
    // or with a count that names cards its hand does not hold: no trick can be completed,
    // so the deal is scored at once, whoever took the last trick.
    for (const int count : { 0, 2 }) {
        SCOPED_TRACE(count);
        SetPosition({ Seven(2), Eight(3) }, {});
        g_computerCount = count;
        g_trickWinner = kComputer;
        g_promptState = PromptState::kNone;
        ClickCard(Seven(2));
        EXPECT_EQ(g_promptState, PromptState::kDealResult);
        EXPECT_EQ(g_humanMayPlay, 0);

        SetPosition({ Seven(2) }, {});
        g_computerCount = count;
        g_toMove = kComputer;
        g_humanMayPlay = 0;
        g_promptState = PromptState::kNone;
        window_->PlayComputerLead();
        EXPECT_EQ(g_promptState, PromptState::kDealResult);
        EXPECT_EQ(g_computerCardShown, 0);
    }
}

TEST_F(TrickPlay, AWholeDealIsPlayedOutToEmptyHands)
{
    DealAndTake();
    int tricks = 0;
    while (g_humanCount > 0 && tricks < 20) {
        ASSERT_EQ(g_toMove, kHuman);
        ASSERT_EQ(g_humanMayPlay, 1);
        const auto hand = HandCards(g_humanHand, g_humanCount);
        int card = hand.front();
        if (g_humanFollows == 1)
            for (const int c : hand)
                if (IsLegalAnswer(hand, SuitOf(c), SuitOf(g_computerTableCard))) {
                    card = c;
                    break;
                }
        ExpectEveryCardInOnePlace();
        ClickCard(card);
        ++tricks;
    }
    EXPECT_EQ(g_humanCount, 0);
    EXPECT_EQ(g_computerCount, 0);
    EXPECT_EQ(Played(kErrorSound), 0);
    // The deal is scored and its result waits for the human.
    EXPECT_EQ(g_promptState, PromptState::kDealResult);

    int played = 0;
    int points = 0;
    for (int card = 1; card <= g_deckSize; ++card)
        if (g_cards[card].status() == kStatusPlayed) {
            ++played;
            points += Points(card);
        }
    EXPECT_EQ(played, 2 * (g_firstDealCount + g_extraCards));
    EXPECT_EQ(g_humanDealPoints + g_computerDealPoints, points + kLastTrickBonus);
    EXPECT_EQ(g_humanTookTrick + g_computerTookTrick, 2);
}

} // namespace
