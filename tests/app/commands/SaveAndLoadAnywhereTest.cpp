#include "support/DealTable.h"

#include "app/Globals.h"
#include "app/Layout.h"
#include "app/dialogs/Igra.h"
#include "app/dialogs/Open.h"
#include "app/dialogs/Save.h"
#include "app/dialogs/Vvod_imy.h"
#include "app/files/SavedGameFile.h"
#include "app/files/SavedGameState.h"
#include "app/files/SettingsFile.h"
#include "app/files/StatisticsFile.h"
#include "engine/Declarations.h"
#include "engine/GameState.h"
#include "engine/PromptRules.h"
#include "engine/RunSearch.h"
#include "engine/Settings.h"
#include "support/EngineTest.h"
#include "support/ScriptedDialogs.h"
#include "support/TempFolder.h"

#include <optional>
#include <random>
#include <set>
#include <sstream>
#include <string>
#include <tuple>

namespace {

/// Games from seeded deals, one per seed; the seed picks the level, the length and the
/// deal size, so that every level plays both lengths.
constexpr int kSeededGames = 8;
/// Both totals start 30 short of the target of a short game (501) or a long one (1001), so
/// that a game ends within a few deals.
constexpr int kShortGameStart = 471;
constexpr int kLongGameStart = 971;
/// Clicks a game may take before the test calls it stuck.
constexpr int kMostClicks = 800;
/// Seconds the clock moves between games and before each next deal, so every deal is new.
constexpr int kSecondsPerGame = 7919;
constexpr int kSecondsPerDeal = 61;
/// A seeded game is saved at about one rest point in `kSaveOdds`, so that loads follow one
/// another as well as plain play. Of `kOverlayOdds` saves one is made under the score sheet
/// and one under the statistics; one load in `kNewWindowOdds` goes into a new window, the
/// others into the window in use with its buttons spoilt.
constexpr unsigned kSaveOdds = 2;
constexpr unsigned kOverlayOdds = 6;
constexpr unsigned kUnderScoreSheet = 0;
constexpr unsigned kUnderStatistics = 1;
constexpr unsigned kNewWindowOdds = 4;
/// Save points all games together must reach.
constexpr int kLeastSavePoints = 200;

/// How a game begins: a seeded deal, or a position that leads at once to what seeded deals
/// meet seldom. A game from a position is saved at every rest point.
enum class Start {
    kSeededDeal,
    kComputerPassesFirst, ///< the computer bids first and passes: prompts 2 and 6
    kBothPassFirst, ///< the human passes first and the computer too: prompts 5 and 7
    kHumanSeven, ///< the human takes the turned-up suit holding its seven: prompt 3
    kComputerSeven, ///< he takes it while the computer holds the seven: prompt 4
    kComputerPair, ///< the computer leads a card of its trump pair: its label stands
    kHumanPairLead, ///< the human leads holding only his trump pair: prompt 16
    kHumanPairAnswer, ///< he answers a trump lead with a card of his pair: prompt 15
};

/// What the player does once the game has ended, each step from a rest point: another
/// player asked for, who starts a new game or not, and "Нет" to a new game at the final
/// panel, which leaves the table empty.
enum class AfterGame { kOtherPlayerNo, kOtherPlayerYes, kNoNewGame };
const std::vector<AfterGame> kAfterGames[] {
    { AfterGame::kOtherPlayerNo, AfterGame::kNoNewGame, AfterGame::kOtherPlayerNo,
        AfterGame::kOtherPlayerYes },
    { AfterGame::kNoNewGame, AfterGame::kOtherPlayerNo, AfterGame::kOtherPlayerYes },
    { AfterGame::kOtherPlayerYes },
};

const QString kSaveName = QStringLiteral("ИГРА");

/// The values a game's saved game holds after each click, and the record the game's end
/// added to the statistics.
struct GameRecord {
    std::vector<std::string> steps;
    QByteArray statistics;
};

std::string Situation()
{
    std::ostringstream out;
    out << "prompt " << static_cast<int>(g_promptState) << ", image " << g_announcement << ", to move "
        << g_toMove << ", follows " << g_humanFollows << ", hands " << g_humanCount << "/" << g_computerCount;
    return out.str();
}

/// The words (0-based) in which two saved games differ, with both values.
std::string Differences(const std::string& a, const std::string& b)
{
    const QList<QByteArray> x = QByteArray::fromStdString(a).split(' ');
    const QList<QByteArray> y = QByteArray::fromStdString(b).split(' ');
    std::ostringstream out;
    for (qsizetype i = 0; i < std::max(x.size(), y.size()); ++i)
        if (x.value(i) != y.value(i))
            out << " word " << i << ": " << x.value(i).toStdString() << " for " << y.value(i).toStdString();
    return out.str();
}

/// Whole games played with the mouse, once straight through and once saved and loaded at
/// rest points chosen by the seed, every value the file does not hold turned into a wrong
/// leftover before each load. Every save the game writes must load. After every click both
/// games must hold the same values, and their ends must add the same statistics record.
/// Only what the human's answers showed of his voids cannot be kept, so the straight game
/// forgets it at the same points. Half the games change their length at a deal's result;
/// each game's end is followed by the steps the seed picks, each from a rest point.
class SaveAndLoadAnywhere : public DealTable {
protected:
    GameRecord Play(int seed, Start start, const GameRecord* straight)
    {
        DealTable::SetUp();
        folder_.emplace();
        g_programDir = folder_->path() + QStringLiteral("/");
        g_playerName = QStringLiteral("ИГРОК");
        g_settingsFile = kSharedSettingsFile;
        ApplySettings(ParseSettings(QByteArray()), window_->m_customColour);
        g_level = 1 + seed % 3;
        g_gameLength = seed / 3 % 2 == 0 ? kShortGame : kLongGame;
        g_extraCards = 3 + seed % 4;
        g_animation = 0;
        const int total = g_gameLength == kShortGame ? kShortGameStart : kLongGameStart;
        ScoreOneDeal(total, total);
        platform_.clock.nowSeconds = ScriptedClock().nowSeconds + seed * kSecondsPerGame;
        platform_.rand.seed(static_cast<unsigned>(seed));
        std::mt19937 choices(static_cast<unsigned>(seed));
        std::mt19937 saves(static_cast<unsigned>(seed));
        Begin(start);
        GameRecord record;
        bool lengthToSwitch = seed % 2 == 1;
        for (int click = 0; g_gameOver == 0; ++click) {
            if (click == kMostClicks) {
                ADD_FAILURE() << "the game does not end: " << Situation();
                return record;
            }
            if (start != Start::kSeededDeal || saves() % kSaveOdds == 0) {
                if (RestPoint(saves, straight); HasFatalFailure())
                    return record;
            }
            if (lengthToSwitch && g_promptState == PromptState::kDealResult) {
                SwitchLength();
                lengthToSwitch = false;
            }
            const std::string before = Situation();
            if (ClickSomething(choices); HasFatalFailure())
                return record;
            if (!Recorded(record, straight, before))
                return record;
        }
        record.statistics = folder_->read(QString::fromStdString(StatisticsFileName(g_level, g_gameLength)));
        for (const AfterGame step : kAfterGames[seed % std::size(kAfterGames)]) {
            if (RestPoint(saves, straight); HasFatalFailure())
                return record;
            const std::string before = Situation();
            Take(step);
            if (!Recorded(record, straight, before))
                return record;
        }
        return record;
    }

    /// A rest point: the straight game forgets what a load would, the other is saved and
    /// loaded, under an overlay and into a new window as the seed's stream says.
    void RestPoint(std::mt19937& saves, const GameRecord* straight)
    {
        const unsigned overlay = saves() % kOverlayOdds;
        const bool newWindow = saves() % kNewWindowOdds == 0;
        if (!straight)
            ForgetVoids(overlay);
        else
            SaveAndLoad(overlay, newWindow);
    }

    /// Records the game's values after a step; false, with a failure, when they differ from
    /// the straight game's after the same step.
    bool Recorded(GameRecord& record, const GameRecord* straight, const std::string& before)
    {
        record.steps.push_back(FormatSavedGame(CaptureSavedGame(*window_)).toStdString());
        const std::size_t step = record.steps.size() - 1;
        if (!straight || record.steps[step] == straight->steps.at(step))
            return true;
        ADD_FAILURE() << "step " << step << " from " << before << " went otherwise than never saved:"
                      << Differences(record.steps[step], straight->steps[step]);
        return false;
    }

    /// The other length is chosen in the game options while a deal's result stands.
    void SwitchLength()
    {
        dialogs_.answerAs<CIgra>([](CIgra& dialog) {
            dialog.m_gameLength = dialog.m_gameLength == kShortGame ? kLongGame : kShortGame;
            return int(QDialog::Accepted);
        });
        window_->OnGameOptions();
    }

    void Take(AfterGame step)
    {
        if (step == AfterGame::kNoNewGame) {
            platform_.messageBox.answer({ false });
            return Click(ButtonRectOf(*window_, LiveButtons().at(0).rect));
        }
        dialogs_.answerAs<CVvod_imy>([](CVvod_imy& dialog) {
            dialog.m_name = QStringLiteral("ПЁТР");
            return int(QDialog::Accepted);
        });
        platform_.messageBox.answer({ step == AfterGame::kOtherPlayerYes });
        window_->OnChangePlayer();
    }

    /// A deal late in its play: the hands hold these cards, and the seven tricks before were
    /// taken by `leader`, who leads the next one. Each side played seven of the lowest free
    /// cards, and the declarations marked the runs among all they were dealt.
    void LateInDeal(const std::vector<int>& human, const std::vector<int>& computer, int leader)
    {
        constexpr int kTricksBefore = 7;
        SetPosition(human, computer);
        int& points = leader == kHuman ? g_humanDealPoints : g_computerDealPoints;
        for (int trick = 0; trick < kTricksBefore; ++trick)
            for (const int place : { kInHumanHand, kInComputerHand }) {
                const auto free = std::ranges::find_if(g_cards.begin() + 1, g_cards.end(),
                    [](const CardRecord& c) { return c.location() == kInDeck; });
                std::tie(free->location(), free->status()) = std::tuple(place, kStatusPlayed);
                points += free->points();
            }
        (leader == kHuman ? g_humanTookTrick : g_computerTookTrick) = 1;
        std::array<RunSearchResult, 2> runs;
        for (const int place : { kInHumanHand, kInComputerHand }) {
            std::vector<int> dealt;
            for (int card = 1; card <= g_deckSize; ++card)
                if (g_cards[card].location() == place)
                    dealt.push_back(card);
            const RunsOfHand found = FindRuns(dealt, g_trumpSuit);
            runs[place == kInHumanHand ? 0 : 1] = found.runs;
            for (const int card : dealt)
                g_cards[card].inRun() = g_cards[card].shown()
                    = found.inRun[static_cast<std::size_t>(card)] ? 1 : 0;
        }
        // Asked to declare runs that scored, the human showed them.
        if (HumanRunsScore(CompareRuns(runs[0], runs[1])))
            for (const int card : HandCards(g_humanHand, g_humanCount))
                if (g_cards[card].shown() == 1)
                    g_cards[card].status() = kStatusSeen;
        std::tie(g_firstHand, window_->m_taker, g_trumpMarkPos) = std::tuple(kHuman, leader, kTrumpMarkSpot2);
    }

    void Begin(Start start)
    {
        const auto computerLeads = [this] {
            g_toMove = kComputer;
            g_humanMayPlay = 0;
            g_humanLeadsTrick = 0;
            window_->PlayComputerLead();
        };
        switch (start) {
        case Start::kSeededDeal:
            return window_->StartDeal();
        case Start::kComputerPassesFirst:
            return Deal(kComputer, plain::kComputer, plain::kHuman, plain::kTurnedUp, plain::kSecond);
        case Start::kBothPassFirst:
            Deal(kHuman, plain::kComputer, plain::kHuman, plain::kTurnedUp, plain::kSecond);
            return Click(window_->m_rcButton2);
        case Start::kHumanSeven:
            Deal(kHuman, plain::kComputer, sevens::kHumanWithSeven, sevens::kTurnedUp, plain::kSecond);
            return Click(window_->m_rcButton1);
        case Start::kComputerSeven:
            Deal(kHuman, sevens::kComputerWithSeven, sevens::kHumanBesideSeven, sevens::kTurnedUp,
                sevens::kSecondBesideSeven);
            return Click(window_->m_rcButton1);
        case Start::kComputerPair:
            LateInDeal({ Ace(1), Seven(2) }, { Queen(1), King(1) }, kComputer);
            g_computerTrumpPair = 1;
            return computerLeads();
        case Start::kHumanPairLead:
            LateInDeal({ Queen(1), King(1) }, { Seven(1), Eight(1) }, kHuman);
            g_humanTrumpPair = 1;
            return;
        case Start::kHumanPairAnswer:
            LateInDeal({ Queen(1), King(1), Seven(2) }, { Seven(1), Eight(1), Ten(1) }, kComputer);
            g_humanTrumpPair = 1;
            return computerLeads();
        }
    }

    /// A live button, else a card of the hand (a refused one changes nothing).
    void ClickSomething(std::mt19937& choices)
    {
        const auto pick = [&](auto n) { return static_cast<std::size_t>(choices() % n); };
        if (g_promptState == PromptState::kDealResult)
            platform_.clock.nowSeconds += kSecondsPerDeal;
        const std::vector<LiveButton> live = LiveButtons();
        if (!live.empty())
            return Click(ButtonRectOf(*window_, live[pick(live.size())].rect));
        ASSERT_TRUE(HumanMayPlay()) << "neither a button nor a card waits: " << Situation();
        ClickCard(g_humanHand[pick(g_humanCount) + 1]);
    }

    /// The score sheet or the statistics opens over the game, or neither; true when one did.
    bool OpenOverlay(unsigned overlay)
    {
        if (overlay == kUnderScoreSheet)
            window_->OnShowScore();
        else if (overlay == kUnderStatistics)
            window_->OnShowStatistics();
        return overlay == kUnderScoreSheet || overlay == kUnderStatistics;
    }

    /// The straight game at a save point: the overlay is opened and closed, the table drawn
    /// anew and what the human showed of his voids forgotten, as by a load.
    void ForgetVoids(unsigned overlay)
    {
        if (OpenOverlay(overlay))
            Click(ButtonRectOf(*window_, LiveButtons().at(0).rect));
        window_->RedrawTable();
        g_humanVoid = {};
    }

    /// Saves the game, turns every value the file does not hold wrong (a button of the
    /// window, or the whole window, too) and loads the game.
    void SaveAndLoad(unsigned overlay, bool newWindow)
    {
        ++savePoints_;
        if (g_announcement != image::kNone)
            promptsSaved_.insert(static_cast<int>(g_promptState));
        if (EmptyAfterGame(g_promptState, g_announcement, g_humanCount, g_computerCount))
            ++(g_humanTotal == 0 && g_computerTotal == 0 ? clearedTablesSaved_ : endedTablesSaved_);
        finalPanelsCleared_ += g_gameOver == 1 && g_humanTotal == 0 && g_computerTotal == 0 ? 1 : 0;
        const std::size_t shownBefore = platform_.messageBox.shown.size();
        pairLabelsSaved_ += g_computerPairShown;
        overlaysSaved_ += OpenOverlay(overlay) ? 1 : 0;
        dialogs_.answerAs<CSave>([](CSave& dialog) {
            dialog.m_name = kSaveName;
            return int(QDialog::Accepted);
        });
        window_->OnSaveGame();

        if (newWindow) {
            OpenWindow();
            g_programDir = folder_->path() + QStringLiteral("/");
        }
        CVertanDlg& w = *window_;
        for (platform::Rect* button :
            { &w.m_rcButton1, &w.m_rcButton2, &w.m_rcSuit1, &w.m_rcSuit2, &w.m_rcSuit3 })
            *button = { 0, 0, g_clientWidth, g_clientHeight };
        int hotButton = static_cast<int>(g_hotButton);
        int sheetPrompt = static_cast<int>(g_sheetSavedPrompt);
        const std::initializer_list<std::pair<int*, int>> leftovers { { &g_firstDealDone, 1 },
            { &g_bidEvalState, kBidCached }, { &g_computerNamedSuit, kSuits }, { &g_sevenFound, 1 },
            { &g_sevenCard, g_deckSize }, { &g_sevenPos, kMaxHand }, { &g_sevenExchanger, kComputer },
            { &g_handIndex, kMaxHand }, { &g_humanCardSuit, kSuits }, { &g_humanCardStrength, 16 },
            { &g_humanCardPoints, 20 }, { &g_trickWinner, kComputer }, { &g_humanPairOnTrick, 1 },
            { &g_computerPairOnTrick, 1 }, { &g_equalTwenties, 1 }, { &g_equalFifties, 1 },
            { &g_sheetOpen, 1 }, { &g_statsOpen, 1 }, { &hotButton, 35 }, { &sheetPrompt, 21 },
            { &g_humanVoid[1], 1 }, { &g_humanVoid[2], 1 }, { &g_humanVoid[3], 1 }, { &g_humanVoid[4], 1 } };
        for (const auto& [value, largest] : leftovers)
            *value = (*value + 1) % (largest + 1);
        g_hotButton = static_cast<PromptButton>(hotButton);
        g_sheetSavedPrompt = static_cast<PromptState>(sheetPrompt);
        for (CardRecord& card : g_cards) {
            card.beatable() = 1 - card.beatable();
            card.strongerOut() += 3;
        }
        platform_.rand.seed(0);

        dialogs_.answerAs<COpen>([](COpen& dialog) {
            dialog.m_name = kSaveName;
            return int(QDialog::Accepted);
        });
        window_->OnLoadGame();
        ASSERT_EQ(platform_.messageBox.shown.size(), shownBefore)
            << platform_.messageBox.shown[shownBefore].text.toStdString();
        ASSERT_EQ(dialogs_.answersLeft(), 0u) << "the save or the load was not made";
    }

    std::optional<TempFolder> folder_;
    ScriptedDialogs dialogs_;
    platform::ScopedService<platform::DialogRunner> runner_ { dialogs_ };
    /// What the loads met: how many, at which live prompts, under the computer's pair label,
    /// under an overlay.
    int savePoints_ = 0;
    std::set<int> promptsSaved_;
    int pairLabelsSaved_ = 0;
    int overlaysSaved_ = 0;
    /// Saves of the empty table after a game's end, with the totals it ended at and with
    /// the score a change of player cleared; saves of a final panel over a cleared score.
    int endedTablesSaved_ = 0;
    int clearedTablesSaved_ = 0;
    int finalPanelsCleared_ = 0;
};

TEST_F(SaveAndLoadAnywhere, GamesGoOnAsIfNeverSaved)
{
    std::vector<std::pair<int, Start>> games { { 0, Start::kComputerPassesFirst },
        { 1, Start::kBothPassFirst }, { 2, Start::kHumanSeven }, { 3, Start::kComputerSeven },
        { 4, Start::kComputerPair }, { 5, Start::kHumanPairLead }, { 6, Start::kHumanPairAnswer } };
    for (int seed = 0; seed < kSeededGames; ++seed)
        games.emplace_back(seed, Start::kSeededDeal);
    for (const auto& [seed, start] : games) {
        SCOPED_TRACE("seed " + std::to_string(seed) + ", start " + std::to_string(static_cast<int>(start)));
        const GameRecord straight = Play(seed, start, nullptr);
        ASSERT_FALSE(HasFailure());
        const GameRecord loaded = Play(seed, start, &straight);
        ASSERT_FALSE(HasFailure());
        EXPECT_EQ(loaded.steps.size(), straight.steps.size());
        EXPECT_FALSE(straight.statistics.isEmpty());
        EXPECT_EQ(loaded.statistics, straight.statistics);
    }
    RecordProperty("savePoints", savePoints_);
    EXPECT_GE(savePoints_, kLeastSavePoints);
    // The prompts whose answers read what the file does not hold: the computer's bid, the
    // seven exchange, the pair questions, the next deal; the computer's pair label; the
    // overlays.
    for (const int prompt : { 2, 3, 4, 5, 6, 7, 15, 16, 17 })
        EXPECT_TRUE(promptsSaved_.contains(prompt)) << "no save at prompt " << prompt;
    EXPECT_GT(pairLabelsSaved_, 0);
    EXPECT_GT(overlaysSaved_, 0);
    EXPECT_GT(endedTablesSaved_, 0);
    EXPECT_GT(clearedTablesSaved_, 0);
    EXPECT_GT(finalPanelsCleared_, 0);
}

} // namespace
