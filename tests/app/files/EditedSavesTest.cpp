#include "support/DealTable.h"

#include "app/dialogs/Vvod_imy.h"
#include "app/files/SavedGameFile.h"
#include "app/files/SavedGameState.h"
#include "app/files/SettingsFile.h"
#include "engine/CardValues.h"
#include "engine/GameState.h"
#include "engine/ScoreSheet.h"
#include "support/QStringPrinter.h"
#include "support/ScriptedDialogs.h"

#include <functional>

namespace {

using namespace saved;

/// How a save the game made is reached: a scripted deal and the answers given after it.
enum class Reach {
    kHumanMustName, ///< the computer bids first and passes twice: prompt 11 stands
    kMustNameBesideSeven, ///< the same while the computer holds the turned-up suit's seven
    kComputerBid, ///< the computer bids first: prompt 2 stands over its pass
    kHumanAnswersPass, ///< the same, acknowledged: prompt 6 stands
    kHumanNamesOrPasses, ///< the human passes, the computer passes after him: prompt 7 stands
    kHumanSeven, ///< the human takes the turned-up suit holding its seven: prompt 3 stands
    kComputerNamed, ///< the human passes twice, the computer must name: prompt 8 stands
    kTricksAfterNaming, ///< the human named a suit at prompt 7 and leads the first trick
    kHumanDeclares, ///< the human took the turned-up suit and holds a twenty: prompt 12 stands
    kComputerDeclares, ///< the same, but the computer's twenty is better: prompt 13 stands
    kHumanSixTrumps, ///< the human holds six trumps in order: prompt 20 stands
    kSixTrumpsScored, ///< the same, acknowledged: the deal is scored, prompt 17 stands
    kDealResult, ///< the deal after the human's naming played out: prompt 17 stands
    kGameEndedNo, ///< the same deal ends a short game, and no new one is wanted: nothing stands
    kClearedAfterGame, ///< the same, after another player was asked for at the final panel and
                       ///< did not start a game: the ended game's score is cleared
};

/// Second deals on the plain first deal that bring the human a twenty, and the computer a
/// better one.
const SecondDeal kHumanTwenty { { 29, 30, 15 }, { 7, 3, 11 }, 31 };
const SecondDeal kBetterComputerTwenty { { 12, 16, 20 }, { 7, 3, 11 }, 31 };

/// A card of a save: one by its number, or the one a header value names.
using Pick = std::function<int(const SavedGame&)>;
Pick Card(int card)
{
    return [card](const SavedGame&) { return card; };
}
Pick Named(int n)
{
    return [n](const SavedGame& game) { return game.header[static_cast<std::size_t>(n)]; };
}
/// The first card of the stock.
int FirstInStock(const SavedGame& game)
{
    int card = 1;
    while (game.cards[static_cast<std::size_t>(card)][kLocationField] != kInDeck)
        ++card;
    return card;
}

using Edit = std::function<void(SavedGame&)>;
Edit Header(int n, const Pick& value)
{
    return [n, value](SavedGame& game) { game.header[static_cast<std::size_t>(n)] = value(game); };
}
Edit Header(int n, int value)
{
    return Header(n, Card(value));
}
Edit Field(const Pick& card, std::size_t field, int value)
{
    return [card, field, value](
               SavedGame& game) { game.cards[static_cast<std::size_t>(card(game))][field] = value; };
}
/// The totals, and the last row showing them.
Edit Totals(int human, int computer)
{
    return [human, computer](SavedGame& game) {
        std::tie(game.header[kHumanTotal], game.header[kComputerTotal]) = std::tuple(human, computer);
        const SheetCell h = DealCell(kHuman, SheetText::Total, human);
        const SheetCell c = DealCell(kComputer, SheetText::Total, computer);
        game.rows[static_cast<std::size_t>(game.header[kSheetRowCount])]
            = { QString::fromStdString(h.text), h.indent, QString::fromStdString(c.text), c.indent };
    };
}
/// Every card takes the points and strength it has under that suit.
Edit ValuedUnder(int suit)
{
    return [suit](SavedGame& game) {
        for (int card = 1; card <= g_deckSize; ++card) {
            game.cards[static_cast<std::size_t>(card)][kPointsField] = CardPoints(card, suit);
            game.cards[static_cast<std::size_t>(card)][kStrengthField] = CardStrength(card, suit);
        }
    };
}
/// The human holds the first card of the stock in place of that card, which goes to the stock.
Edit HumanTradesForStock(int card)
{
    return [card](SavedGame& game) {
        auto location
            = [&game](int c) -> int& { return game.cards[static_cast<std::size_t>(c)][kLocationField]; };
        const int stock = FirstInStock(game);
        std::ranges::replace(game.humanHand, card, stock);
        std::swap(location(card), location(stock));
    };
}

/// Saves of real play, edited by one value or a few, must be refused for the right reason:
/// each would let the game go on with a card in two places, a card lost, a prompt nobody
/// can answer or the computer weighing values no deal gives its cards.
class EditedSavesTest : public DealTable {
protected:
    SavedGame Reached(Reach reach)
    {
        SetUp();
        platform_.rand = ScriptedRand {};
        ApplySettings(ParseSettings(QByteArray()), window_->m_customColour);
        std::tie(g_background, g_cardBack) = std::tuple(g_loadedBackground, g_loadedCardBack);
        g_playerName = QStringLiteral("ИГРОК");
        g_animation = 0;
        const auto answer = [this](std::initializer_list<platform::Rect CVertanDlg::*> buttons) {
            for (const auto button : buttons)
                Click((*window_).*button);
        };
        using W = CVertanDlg;
        switch (reach) {
        case Reach::kHumanMustName:
            Deal(kComputer, plain::kComputer, plain::kHuman, plain::kTurnedUp, plain::kSecond);
            answer({ &W::m_rcButton1, &W::m_rcButton2, &W::m_rcButton1 });
            break;
        case Reach::kMustNameBesideSeven:
            Deal(kComputer, sevens::kComputerWithSeven, sevens::kHumanBesideSeven, sevens::kTurnedUp,
                sevens::kSecondBesideSeven);
            answer({ &W::m_rcButton1, &W::m_rcButton2, &W::m_rcButton1 });
            break;
        case Reach::kComputerBid:
        case Reach::kHumanAnswersPass:
            Deal(kComputer, plain::kComputer, plain::kHuman, plain::kTurnedUp, plain::kSecond);
            if (reach == Reach::kHumanAnswersPass)
                answer({ &W::m_rcButton1 });
            break;
        case Reach::kHumanNamesOrPasses:
            Deal(kHuman, plain::kComputer, plain::kHuman, plain::kTurnedUp, plain::kSecond);
            answer({ &W::m_rcButton2, &W::m_rcButton1 });
            break;
        case Reach::kHumanSeven:
            Deal(kHuman, plain::kComputer, sevens::kHumanWithSeven, sevens::kTurnedUp, plain::kSecond);
            answer({ &W::m_rcButton1 });
            break;
        case Reach::kComputerNamed:
            Deal(kHuman, plain::kComputer, plain::kHuman, plain::kTurnedUp, plain::kSecond);
            answer({ &W::m_rcButton2, &W::m_rcButton1, &W::m_rcButton2 });
            break;
        case Reach::kTricksAfterNaming:
            Deal(kHuman, plain::kComputer, plain::kHuman, plain::kTurnedUp, plain::kSecond);
            answer({ &W::m_rcButton2, &W::m_rcButton1, &W::m_rcSuit1 });
            break;
        case Reach::kHumanDeclares:
        case Reach::kComputerDeclares:
            Deal(kHuman, plain::kComputer, plain::kHuman, plain::kTurnedUp,
                reach == Reach::kHumanDeclares ? kHumanTwenty : kBetterComputerTwenty);
            answer({ &W::m_rcButton1 });
            break;
        case Reach::kDealResult:
        case Reach::kGameEndedNo:
        case Reach::kClearedAfterGame:
            if (reach != Reach::kDealResult) {
                g_gameLength = kShortGame;
                ScoreOneDeal(495, 495);
            }
            Deal(kHuman, plain::kComputer, plain::kHuman, plain::kTurnedUp, plain::kSecond);
            answer({ &W::m_rcButton2, &W::m_rcButton1, &W::m_rcSuit1 });
            PlayOut();
            if (reach == Reach::kClearedAfterGame) {
                dialogs_.answerAs<CVvod_imy>([](CVvod_imy& dialog) {
                    dialog.m_name = QStringLiteral("ПЁТР");
                    return int(QDialog::Accepted);
                });
                platform_.messageBox.answer({ false });
                window_->OnChangePlayer();
            }
            if (reach != Reach::kDealResult) {
                platform_.messageBox.answer({ false });
                answer({ &W::m_rcButton1 });
            }
            break;
        case Reach::kHumanSixTrumps:
        case Reach::kSixTrumpsScored:
            // Seven to queen of suit 1 with its king turned up.
            Deal(kComputer, { 2, 10, 18, 6, 14, 22 }, { 1, 5, 9, 13, 17, 21 }, 25, {});
            if (reach == Reach::kSixTrumpsScored)
                answer({ &W::m_rcButton1 });
            break;
        }
        return CaptureSavedGame(*window_);
    }

    /// The human plays the first card the rules take, and says yes to a pair question,
    /// until the deal is scored.
    void PlayOut()
    {
        while (g_promptState != PromptState::kDealResult) {
            if (const std::vector<LiveButton> live = LiveButtons(); !live.empty()) {
                Click(ButtonRectOf(*window_, live.front().rect));
                continue;
            }
            ASSERT_TRUE(HumanMayPlay()) << Situation();
            const Hand before = g_humanHand;
            for (int k = 1; k <= g_humanCount && g_humanHand == before && LiveButtons().empty(); ++k)
                ClickCard(before[static_cast<std::size_t>(k)]);
            ASSERT_TRUE(g_humanHand != before || !LiveButtons().empty())
                << "no card is taken: " << Situation();
        }
    }

    static QString Problem(SavedGame game, const std::vector<Edit>& edits)
    {
        for (const Edit& edit : edits)
            edit(game);
        return ParseSavedGame(FormatSavedGame(game)).problem;
    }

    ScriptedDialogs dialogs_;
    platform::ScopedService<platform::DialogRunner> runner_ { dialogs_ };
};

TEST_F(EditedSavesTest, ThePositionsReachedAreReadAsMade)
{
    // The empty table after a game's end holds the totals the game ended at, whichever side
    // reached 501, or a score cleared since.
    const struct {
        Reach reach;
        int prompt;
        std::vector<Edit> edits {};
    } reached[] { { Reach::kHumanMustName, 11 }, { Reach::kMustNameBesideSeven, 11 },
        { Reach::kComputerBid, 2 }, { Reach::kHumanSeven, 3 }, { Reach::kComputerNamed, 8 },
        { Reach::kTricksAfterNaming, 7 }, { Reach::kHumanDeclares, 12 }, { Reach::kComputerDeclares, 13 },
        { Reach::kHumanSixTrumps, 20 }, { Reach::kSixTrumpsScored, 17 }, { Reach::kGameEndedNo, 17 },
        { Reach::kGameEndedNo, 17, { Totals(501, 500) } }, { Reach::kGameEndedNo, 17, { Totals(-100, 501) } },
        { Reach::kClearedAfterGame, 17 } };
    for (const auto& row : reached) {
        const SavedGame made = Reached(row.reach);
        EXPECT_EQ(made.header[kPromptState], row.prompt);
        EXPECT_EQ(Problem(made, row.edits), QString())
            << "prompt " << row.prompt << ", row " << &row - reached;
        if (row.reach == Reach::kClearedAfterGame) {
            EXPECT_EQ(std::tuple(
                          made.header[kHumanTotal], made.header[kComputerTotal], made.header[kSheetRowCount]),
                std::tuple(0, 0, 0));
        }
    }
}

TEST_F(EditedSavesTest, EachEditTheGameCannotPlayOnFromIsRefusedForItsOwnReason)
{
    const struct {
        Reach reach;
        std::vector<Edit> edits;
        const char* problem;
        /// The card the problem names, in the save as made.
        Pick card = Card(kNoCard);
    } rows[] {
        // The turned-up card and the deck's card lie face up on the table, once each.
        { Reach::kTricksAfterNaming, { Field(Named(kTrumpCard), kLocationField, kInDeck) },
            "карта %1 не лежит открытой", Named(kTrumpCard) },
        { Reach::kTricksAfterNaming, { Field(Named(kDeckShown), kLocationField, kInDeck) },
            "карта %1 не лежит открытой", Named(kDeckShown) },
        { Reach::kTricksAfterNaming, { Header(kDeckShown, Named(kTrumpCard)) }, "карта %1 открыта дважды",
            Named(kTrumpCard) },
        { Reach::kHumanMustName, { Header(kTrumpCard, kNoCard) }, "в сдаче нет открытой карты или козыря" },
        { Reach::kTricksAfterNaming, { Header(kTrumpSuit, 0), ValuedUnder(0) },
            "в сдаче нет открытой карты или козыря" },
        // A prompt stands only where the deal poses it, with the image it is posed with, and
        // play starts from its answer only with the side that took the trump.
        { Reach::kHumanMustName, { Header(kPromptState, 4) }, "вопрос 4 стоит не со своей надписью" },
        { Reach::kMustNameBesideSeven,
            { Header(kPromptState, 4), Header(kAnnouncement, image::kCaptionAcknowledge) },
            "значение 30 заголовка (0) не согласуется с вопросом 4" },
        { Reach::kHumanSeven, { Header(kToMove, kNoSide) },
            "значение 30 заголовка (0) не согласуется с вопросом 3" },
        { Reach::kHumanDeclares, { Header(kToMove, kNoSide) },
            "значение 30 заголовка (0) не согласуется с вопросом 12" },
        { Reach::kComputerDeclares, { Header(kToMove, kNoSide) },
            "значение 30 заголовка (0) не согласуется с вопросом 13" },
        { Reach::kHumanMustName,
            { Header(kDeckShown, FirstInStock), Field(FirstInStock, kLocationField, kFaceUpOnTable) },
            "вопрос 11 не к месту в этой части сдачи" },
        { Reach::kTricksAfterNaming, { Header(kAnnouncement, image::kHumanTwenty) },
            "вопрос 7 стоит не со своей надписью" },
        { Reach::kTricksAfterNaming, { Header(kAnnouncement, image::kCaptionPass) },
            "вопрос 7 не к месту в этой части сдачи" },
        { Reach::kComputerBid, { Header(kShownAnnouncement1, image::kComputerPassesAgain) },
            "вопрос 2 стоит не со своей надписью" },
        { Reach::kHumanMustName,
            { Header(kAnnouncement, image::kNone), Header(kHumanMayPlay, 1), Header(kToMove, kHuman) },
            "сдача стоит без вопроса" },
        { Reach::kHumanSeven, { HumanTradesForStock(Seven(1)) }, "обмен без козырной семёрки в руке" },
        // Once the deal is scored its result waits for the button; a table without one is
        // the end of a game.
        { Reach::kDealResult, { Header(kAnnouncement, image::kCaptionYes) },
            "вопрос 17 стоит не со своей надписью" },
        { Reach::kDealResult, { Header(kAnnouncement, image::kNone) },
            "сдача окончена без кнопки, а партия нет" },
        { Reach::kGameEndedNo, { Totals(500, 500) }, "сдача окончена без кнопки, а партия нет" },
        // Card values are those the game gives under the trump, or under the turned-up suit
        // while the computer's named suit waits for its acknowledgement.
        { Reach::kTricksAfterNaming, { Field(Card(Ace(2)), kStrengthField, 0) },
            "у карты %1 не те очки или сила", Card(Ace(2)) },
        { Reach::kTricksAfterNaming, { Field(Card(Ten(3)), kPointsField, 11) },
            "у карты %1 не те очки или сила", Card(Ten(3)) },
        { Reach::kHumanSeven, { Field(Card(Seven(1)), kSequenceField, 2) }, "у карты %1 не те очки или сила",
            Card(Seven(1)) },
        { Reach::kComputerNamed, { ValuedUnder(2) }, "у карты %1 не те очки или сила", Card(Seven(1)) },
        // Values that follow from the prompt that stands and from the score: a card may not be
        // played under a bidding prompt, the suit buttons offer the suits other than the
        // turned-up one, the row counter is the last row written, and only the final panel
        // ends a game.
        { Reach::kHumanAnswersPass, { Header(kHumanMayPlay, 1) },
            "значение 31 заголовка (1) не согласуется с вопросом 6" },
        { Reach::kHumanNamesOrPasses, { Header(kShownAnnouncement1 + 2, image::ComputerNamesSuit(1)) },
            "значение 58 заголовка (18) не согласуется с вопросом 7" },
        { Reach::kDealResult, { Header(kSheetRow, 2) },
            "значение 45 заголовка (2) не согласуется со счётом" },
        { Reach::kHumanDeclares, { Header(kGameOver, 1) },
            "значение 43 заголовка (1) не согласуется с вопросом 12" },
        { Reach::kComputerBid, { Header(kHangingTie, kHuman) },
            "значение 20 заголовка (1) не согласуется с вопросом 2" },
        { Reach::kHumanNamesOrPasses, { Header(kOfferedSuit1 + 1, 1) },
            "значение 60 заголовка (1) не согласуется с вопросом 7" },
        // A scored deal's points are its six trumps' 360, for one side; its result stands
        // over empty hands.
        { Reach::kSixTrumpsScored, { Header(kHumanDealPoints, 359) },
            "очки сдачи (359 и 0) не сходятся с её игрой" },
        { Reach::kSixTrumpsScored, { Header(kComputerSixTrumps, 1), Header(kComputerDealPoints, 360) },
            "очки сдачи (360 и 360) не сходятся с её игрой" },
        { Reach::kDealResult,
            { Header(kComputerCount, 1), [](SavedGame& game) { game.computerHand[1] = FirstInStock(game); } },
            "вопрос 17 не к месту в этой части сдачи" },
        // The human took the turned-up suit himself: it is marked beside the talon. Runs he
        // was not dealt scored nothing, though the deal's points add up with them.
        { Reach::kHumanSeven, { Header(kTrumpMarkPos, kTrumpMarkNone) },
            "значение 40 заголовка (0) не согласуется с вопросом 3" },
        { Reach::kDealResult,
            { Header(kHumanDeclPoints, kTwentyPoints),
                Header(kHumanDealPoints,
                    [](const SavedGame& game) { return game.header[kHumanDealPoints] + 20; }) },
            "значение 71 заголовка (20) не согласуется с картами" },
    };
    for (const auto& row : rows) {
        const SavedGame made = Reached(row.reach);
        QString expected = QString::fromUtf8(row.problem);
        if (expected.contains(QLatin1String("%1")))
            expected = expected.arg(row.card(made));
        EXPECT_EQ(Problem(made, row.edits), expected);
    }
}

} // namespace
