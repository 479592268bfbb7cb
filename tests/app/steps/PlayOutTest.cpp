#include "support/DealTable.h"

#include "app/Globals.h"
#include "app/Hover.h"
#include "app/Layout.h"
#include "app/drawing/TableDrawing.h"
#include "engine/GameState.h"
#include "engine/TrickRules.h"
#include "support/TempFolder.h"

#include <algorithm>
#include <random>
#include <string>

namespace {

/// Games played, one per seed, and the deals of each.
constexpr int kGames = 24;
constexpr int kDealsPerGame = 3;
/// Clicks a deal may take before the test calls it stuck: bids, answers, up to 12 tricks
/// and refused cards stay far below this.
constexpr int kMostClicksPerDeal = 200;
/// Seconds the clock moves between games and between deals, so every deal is new.
constexpr int kSecondsPerGame = 7919;
constexpr int kSecondsPerDeal = 61;

constexpr char kErrorSound[] = "Sound\\Er.wav";

/// What one deal brought besides its cards: pair announcements and six trumps.
struct DealRecord {
    int pairs = 0; ///< trump pairs announced, by either side
    bool sixTrumps = false; ///< the deal ended with six trumps, without play
};

/// Whole games played with the mouse from seeded deals: each prompt gets a random live
/// button, each card click a random card of the hand (refused ones included), at the
/// level, length, deal size, animation and table width the seed picks. After every click
/// the game must wait for a live button or for a card, every card must lie in one place,
/// and every finished deal's points must add up.
class PlayOut : public DealTable, public ::testing::WithParamInterface<int> {
protected:
    void SetUp() override
    {
        DealTable::SetUp();
        // A game's end writes the statistics beside the program: here, an empty folder.
        g_programDir = folder_.path() + QStringLiteral("/");
        const int seed = GetParam();
        choices_.seed(static_cast<unsigned>(seed));
        g_level = 1 + seed % 3;
        g_gameLength = seed % 2 == 0 ? kShortGame : kLongGame;
        g_extraCards = 3 + seed % 4;
        g_animation = seed % 4 == 3 ? 0 : 1;
        if (seed % 5 == 4)
            ComputeLayout(800, 600);
        platform_.clock.nowSeconds += static_cast<std::time_t>(seed) * kSecondsPerGame;
    }

    int Choose(int n) { return std::uniform_int_distribution<int>(0, n - 1)(choices_); }

    int ErrorSounds() const
    {
        return static_cast<int>(std::ranges::count_if(
            platform_.sound.played, [](const RecordingSound::Played& p) { return p.path == kErrorSound; }));
    }
    int ComputerPairPhrases() const
    {
        return static_cast<int>(std::ranges::count(PhrasesSpoken(), image::kComputerPair));
    }

    void AnswerPrompt(const std::vector<LiveButton>& live, DealRecord& record)
    {
        const LiveButton& b = live[static_cast<std::size_t>(Choose(static_cast<int>(live.size())))];
        if (b.button == PromptButton::kPairAnswerYes || b.button == PromptButton::kPairLeadYes)
            ++record.pairs;
        if (b.state == PromptState::kHumanSixTrumps || b.state == PromptState::kComputerSixTrumps)
            record.sixTrumps = true;
        Click(ButtonRectOf(*window_, b.rect));
    }

    /// A random card; a refused one must change nothing but the sound, and then a legal one
    /// is played. The computer's answer to a lead is checked for legality once it is made.
    void PlayCard()
    {
        const auto cards = HandCards(g_humanHand, g_humanCount);
        const std::vector<int> hand(cards.begin(), cards.end());
        const auto legal = [&](int card) {
            return g_humanFollows == 0 || IsLegalAnswer(hand, SuitOf(card), SuitOf(g_computerTableCard));
        };
        int card = hand[static_cast<std::size_t>(Choose(static_cast<int>(hand.size())))];
        if (!legal(card)) {
            const int errors = ErrorSounds();
            const Hand before = g_humanHand;
            ClickCard(card);
            ASSERT_EQ(ErrorSounds(), errors + 1) << "card " << card << " refused without the sound";
            ASSERT_EQ(g_humanHand, before);
            ASSERT_EQ(g_humanMayPlay, 1);
            std::vector<int> allowed;
            std::ranges::copy_if(hand, std::back_inserter(allowed), legal);
            ASSERT_FALSE(allowed.empty()) << "no legal answer in the hand";
            card = allowed[static_cast<std::size_t>(Choose(static_cast<int>(allowed.size())))];
        }
        if (g_humanFollows == 0)
            pendingLead_ = card;
        ClickCard(card);
        ASSERT_EQ(g_cards[card].status(), kStatusPlayed) << "card " << card << " was not played";
    }

    /// The computer's answer to the human's lead, if this click brought it, obeys the rule.
    void CheckComputerAnswer(const Hand& before, int countBefore)
    {
        if (pendingLead_ == kNoCard)
            return;
        for (const int card : HandCards(before, countBefore)) {
            const bool nextLead = g_computerCardShown == 1 && card == g_computerTableCard;
            if (g_cards[card].status() != kStatusPlayed || nextLead)
                continue;
            const auto hand = HandCards(before, countBefore);
            EXPECT_TRUE(IsLegalAnswer(hand, SuitOf(card), SuitOf(pendingLead_)))
                << "the computer answered " << pendingLead_ << " with " << card;
            pendingLead_ = kNoCard;
        }
    }

    /// While the human is to play, the rows stand closed up, hit rectangles and all.
    void CheckRows()
    {
        EXPECT_EQ(g_humanGap, SpaceRow(g_humanCount, g_clientWidth).gap);
        EXPECT_EQ(g_humanCardStep, SpaceRow(g_humanCount, g_clientWidth).step);
        EXPECT_EQ(g_computerGap, SpaceRow(g_computerCount, g_clientWidth).gap);
        const bool overlapping = g_humanCardStep + g_humanGap < kCardWidth;
        for (int k = 1; k <= g_humanCount; ++k) {
            EXPECT_EQ(g_humanCardRects[k],
                (platform::Rect {
                    HumanCardX(k), HumanRowTop(), HumanCardX(k) + kCardWidth, HumanRowTop() + kCardHeight }));
            if (!overlapping || k == g_humanCount) {
                EXPECT_TRUE(FaceDrawnAt(g_humanHand[k], HumanCardX(k), HumanRowTop())) << "slot " << k;
            }
        }
    }

    void CheckDealEnd(const DealRecord& record, int pairPhrasesBefore)
    {
        EXPECT_EQ(g_humanCount, 0);
        EXPECT_EQ(g_computerCount, 0);
        if (record.sixTrumps)
            return;
        int played = 0;
        int points = 0;
        for (int card = 1; card <= g_deckSize; ++card)
            if (g_cards[card].status() == kStatusPlayed) {
                ++played;
                points += g_cards[card].points();
            }
        EXPECT_EQ(played, 2 * (g_firstDealCount + g_extraCards));
        const int pairs = record.pairs + ComputerPairPhrases() - pairPhrasesBefore;
        EXPECT_EQ(g_humanDealPoints + g_computerDealPoints,
            points + kLastTrickBonus + g_humanDeclPoints + g_computerDeclPoints + kTrumpPairPoints * pairs);
        EXPECT_GE(g_humanTookTrick + g_computerTookTrick, 1);
    }

    void PlayDeal()
    {
        DealRecord record;
        const int pairPhrasesBefore = ComputerPairPhrases();
        for (int clicks = 0; g_promptState != PromptState::kDealResult; ++clicks) {
            ASSERT_LT(clicks, kMostClicksPerDeal) << "the deal does not end: " << Situation();
            const std::vector<LiveButton> live = LiveButtons();
            const Hand computerBefore = g_computerHand;
            const int computerCountBefore = g_computerCount;
            if (!live.empty()) {
                ASSERT_FALSE(HumanMayPlay()) << "a prompt and a card both wait: " << Situation();
                AnswerPrompt(live, record);
            } else if (HumanMayPlay()) {
                CheckRows();
                PlayCard();
            } else {
                FAIL() << "neither a live button nor a card waits: " << Situation();
            }
            if (::testing::Test::HasFatalFailure())
                return;
            CheckComputerAnswer(computerBefore, computerCountBefore);
            if (g_promptState != PromptState::kDealResult)
                ExpectEveryCardInOnePlace();
        }
        CheckDealEnd(record, pairPhrasesBefore);
    }

    TempFolder folder_;
    std::mt19937 choices_;
    /// The human's led card whose answer is still to come (a pair question stands between).
    int pendingLead_ = kNoCard;
};

TEST_P(PlayOut, WholeDealsEndScoredWithEveryCardAccountedFor)
{
    window_->StartDeal();
    for (int deal = 1; deal <= kDealsPerGame; ++deal) {
        PlayDeal();
        if (::testing::Test::HasFatalFailure())
            return;
        ASSERT_EQ(g_promptState, PromptState::kDealResult);
        if (deal == kDealsPerGame)
            break;
        // The next deal, or at the game's end a new game.
        platform_.clock.nowSeconds += kSecondsPerDeal;
        if (GameIsOver())
            platform_.messageBox.answer({ true });
        Click(window_->m_rcButton1);
        ASSERT_NE(g_promptState, PromptState::kDealResult) << "no next deal";
    }
}

INSTANTIATE_TEST_SUITE_P(Seeds, PlayOut, ::testing::Range(0, kGames));

} // namespace
