#pragma once

#include "app/Hover.h"
#include "app/VertanDlg.h"
#include "app/files/DataFile.h"
#include "engine/CardTable.h"
#include "engine/PromptState.h"
#include "support/HeadlessPlatform.h"

#include "support/EngineTest.h"

#include <memory>
#include <string>
#include <vector>

/// Cards of the second deal, in the order they are drawn: the computer's and the human's
/// alternately, then the card laid face up on the rest of the deck.
struct SecondDeal {
    std::vector<int> computer;
    std::vector<int> human;
    int deckCard = kNoCard;
};

/// Draws of the first-hand number that give the human and the computer the first bid.
constexpr int kHumanFirstDraw = 104;
constexpr int kComputerFirstDraw = 37;

/// Reads the generated program folder's pictures the first time; the result of that read.
const DataFileResult& LoadGeneratedPictures();
/// A table window with every game value at its start and the generated pictures, laid out
/// for a 1024 x 768 client; the pictures must have been loaded.
std::unique_ptr<CVertanDlg> OpenLoadedTable();
/// A table window over the game state as it stands, laid out and painted as OpenLoadedTable
/// leaves it.
std::unique_ptr<CVertanDlg> OpenTable();
/// Puts a table window that has been played on back to what OpenLoadedTable leaves: every
/// game value at its start; the members that play changes, the title and the pictures
/// (faces, backs, tile, clean table) as a new window has them. Left as play left them, as
/// in a window the game goes on using: the program folder, the back buffer, what the
/// window shows and the bitmaps' pens, brushes and fonts (a load redraws the whole table,
/// and the game sets what it draws with). Much cheaper than a new window, whose 1600 x
/// 1200 bitmaps are allocated and painted anew: a fuzz target plays thousands of inputs on one.
void ReopenTable(CVertanDlg& table);

/// The mouse on a table: a prompt button answered as a person does (the pointer leaves any
/// button, moves to the rectangle's middle and clicks), and a card of the human's hand
/// clicked in the strip at its left edge that no later card covers (false when the hand
/// does not hold it).
void ClickButton(CVertanDlg& table, const platform::Rect& button);
bool ClickHandCard(CVertanDlg& table, int card);

/// The buttons of the prompt in force that stand with its image.
std::vector<LiveButton> LiveButtons();
/// True when a click on a hand card plays it.
bool HumanMayPlay();

/// A game's score as its first scored deal leaves it: those totals, shown in row 1.
void ScoreOneDeal(int humanTotal, int computerTotal);

/// The prompt, the image, who moves and the hands, for a message about a stuck game.
std::string Situation();

/// Why the cards do not each lie in exactly one place; empty when they do. A card lies in
/// the hand its location names, face up on the table (the turned-up card and the shown
/// deck card), in a trick (played), or in the deck; the card of a pending pair question is
/// played but still in the hand.
std::string CardPlaceFault();

/// A table window on the headless platform with the generated pictures loaded, 1024 x 768,
/// whose deals come from scripted random numbers and a scripted clock.
class DealTable : public ::testing::Test {
protected:
    static void SetUpTestSuite();
    void SetUp() override;
    void TearDown() override;

    /// Replaces the window by a new one over the game state as it stands (see OpenTable).
    void OpenWindow();

    /// Scripts and runs StartDeal: who bids first (at the first deal of a game), the first
    /// six cards of each hand, the turned-up card (from the clock) and the second deal.
    void Deal(int firstHand, const std::vector<int>& computer, const std::vector<int>& human, int turnedUp,
        const SecondDeal& second);
    /// Scripts the numbers and the clock of the next deal as Deal does, without starting it.
    void ScriptDeal(int firstHand, const std::vector<int>& computer, const std::vector<int>& human,
        int turnedUp, const SecondDeal& second);

    /// A position late in a deal under trump suit 1: only these cards are in the hands, the
    /// two lowest others lie face up (turned up at the deal, and on the deck), nothing is
    /// played, both rows are spaced and drawn and the human leads.
    void SetPosition(const std::vector<int>& human, const std::vector<int>& computer);

    /// Answers the prompt in force with the mouse: the pointer leaves any button, moves to
    /// the middle of the rectangle and clicks there.
    void Click(const platform::Rect& button);
    /// Plays a card of the human's hand with the mouse: a click on its own rectangle, in
    /// the strip at its left edge that no later card of the row covers.
    void ClickCard(int card);

    /// Every card lies in exactly one place (see CardPlaceFault).
    static void ExpectEveryCardInOnePlace() { EXPECT_EQ(CardPlaceFault(), ""); }

    /// True when the back buffer shows card `card`'s face with its top-left corner at (x, y)
    /// (the corner pixels aside, which take the table's colour), from row `fromRow` of the
    /// card down (2..93; a higher row for a card partly covered from above).
    bool FaceDrawnAt(int card, int x, int y, int fromRow = 2) const;

    /// Every voice phrase spoken so far, by number.
    std::vector<int> PhrasesSpoken() const;

    HeadlessPlatform platform_;
    std::unique_ptr<CVertanDlg> window_;
};

/// Hands that hold no run of three in any suit and no six trumps: the human holds only the
/// seven, nine, jack and king of each suit, the computer only the eight, ten, queen and ace.
namespace plain {
constexpr int kTurnedUp = 1; ///< the seven of suit 1, so no trump seven is offered
inline const std::vector<int> kComputer { 5, 13, 21, 6, 14, 22 };
inline const std::vector<int> kHuman { 9, 17, 25, 2, 10, 18 };
inline const SecondDeal kSecond { { 29, 30, 7 }, { 26, 3, 11 }, 31 };
} // namespace plain

/// A computer hand that takes the turned-up suit 1 in the first round: five trumps (eight,
/// nine, jack, queen, ace) and no run of three; beside it hands with no runs either.
namespace strong {
constexpr int kTurnedUp = 1; ///< the seven of suit 1
inline const std::vector<int> kComputer { 5, 9, 17, 21, 29, 6 };
inline const std::vector<int> kHuman { 13, 25, 2, 10, 18, 3 };
inline const SecondDeal kSecond { { 30, 14, 7 }, { 26, 11, 4 }, 31 };
} // namespace strong

/// Trump sevens to exchange for the turned-up nine of suit 1: the human holds the seven,
/// or the computer holds it outside any run.
namespace sevens {
constexpr int kTurnedUp = 9;
inline const std::vector<int> kHumanWithSeven { 1, 17, 25, 2, 10, 18 };
inline const std::vector<int> kComputerWithSeven { 1, 13, 21, 6, 14, 22 };
inline const std::vector<int> kHumanBesideSeven { 17, 25, 2, 10, 18, 3 };
inline const SecondDeal kSecondBesideSeven { { 29, 30, 7 }, { 26, 11, 4 }, 31 };
} // namespace sevens
