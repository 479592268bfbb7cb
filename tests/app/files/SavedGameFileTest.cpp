#include "support/SavedGameSample.h"
#include "support/TableFixture.h"

#include "app/files/SavedGameFile.h"
#include "app/files/SavedGameState.h"
#include "support/QStringPrinter.h"

#include <QList>

#include <algorithm>
#include <functional>

namespace {

using Edits = std::vector<std::pair<int, QByteArray>>;

/// The sample's text with words (0-based) replaced; an empty word removes it.
QByteArray Edited(Edits edits)
{
    QList<QByteArray> words = MidDealText().split(' ');
    // From the last word back, so that a removal moves no word still to be edited.
    std::ranges::sort(edits, std::greater {});
    for (const auto& [at, word] : edits)
        word.isEmpty() ? words.removeAt(at) : void(words[at] = word);
    return words.join(' ');
}

/// The first `count` words of a text, each with its blank.
QByteArray FirstWords(int count, const QByteArray& text = MidDealText())
{
    return text.split(' ').mid(0, count).join(' ') + ' ';
}

std::pair<int, QByteArray> Header(int n, long long value)
{
    return { HeaderWord(n), QByteArray::number(value) };
}

using SavedGameFileTest = TableTest;

TEST_F(SavedGameFileTest, ValuesAreWordsAndAGameWithoutRowsEndsWithTheBlankAfterTheHands)
{
    PutMidDealOnTable(*table_);
    SavedGame game = CaptureSavedGame(*table_);
    EXPECT_EQ(ParseSavedGame(MidDealText().replace(' ', "\r\n  ") + '\n').game, game);
    // The first deal of a game, scored nothing yet.
    using namespace saved;
    const Edits unscored { Header(kHangingTie, 0), Header(kSheetRowCount, 0), Header(kSheetRow, 0),
        Header(kHumanBaits, 0), Header(kHumanTotal, 0), Header(kComputerTotal, 0) };
    for (const auto& [word, value] : unscored)
        game.header[static_cast<std::size_t>(word + 1)] = value.toInt();
    game.rows = {};
    const QByteArray text = FormatSavedGame(game);
    EXPECT_EQ(text, FirstWords(RowWord(1, 0), Edited(unscored)));
    EXPECT_EQ(ParseSavedGame(text).game, game);
}

TEST_F(SavedGameFileTest, TextsThatHoldNoWholeGameAreRefused)
{
    // Cut in the header, the cards, a hand or the rows; more after the last row; rows or
    // hands out of step with their counts.
    const QString cut = QStringLiteral("файл обрывается"),
                  more = QStringLiteral("после последней строки счёта есть лишнее");
    const std::pair<QByteArray, QString> texts[] { { "", cut }, { " \r\n ", cut }, { FirstWords(1), cut },
        { FirstWords(CardWord(17, 4)), cut }, { FirstWords(HumanHandWord(3)), cut },
        { FirstWords(RowWord(1, 0)), cut }, { FirstWords(RowWord(2, 3)), cut },
        { MidDealText() + " 0", more }, { MidDealText() + " 1бейт 91 162 63", more },
        { Edited({ Header(saved::kSheetRowCount, 1) }), more },
        { Edited({ Header(saved::kSheetRowCount, 3) }), cut },
        { Edited({ Header(saved::kHumanCount, 4) }), QStringLiteral("вместо числа стоит «1бейт»") },
        { Edited({ Header(saved::kComputerCount, 5) }), QStringLiteral("вместо числа стоит «1бейт»") } };
    for (const auto& [text, problem] : texts) {
        const SavedGameReading reading = ParseSavedGame(text);
        EXPECT_FALSE(reading.game) << text.right(60).toStdString();
        EXPECT_EQ(reading.problem, problem) << text.right(60).toStdString();
    }
    // One word replaced: no numbers where numbers stand; card fields out of the deck's values
    // (suit, location, points (one that would wrap round to the card's own), strength,
    // natural order, a stock card's status, the flags); cards out of the deck or twice in a
    // hand; names that are paths, too long (13), hold a control character or a no-break
    // space (the name dialog would cut there); a cell text longer than the reader's 19
    // bytes; an indent far off the table. Each is refused by its own check: the twice-held
    // card's place is taken by the card it replaced, played, so that the hand and the card
    // table agree but for it.
    const auto number = [](const char* word) { return QStringLiteral("вместо числа стоит «%1»").arg(word); };
    const auto field = [](int f, int card, const char* word) {
        return QStringLiteral("поле %1 карты %2 (%3) недопустимо").arg(f).arg(card).arg(word);
    };
    const auto name
        = [](const QString& word) { return QStringLiteral("имя игрока «%1» недопустимо").arg(word); };
    const std::pair<Edits, QString> edited[] { { { { HeaderWord(2), "x7" } }, number("x7") },
        { { { HeaderWord(54), "7x" } }, number("7x") }, { { { CardWord(9, 3), "1.5" } }, number("1.5") },
        { { { HumanHandWord(1), "0x10" } }, number("0x10") }, { { { RowWord(2, 1), "+3" } }, number("+3") },
        { { { RowWord(2, 3), "99999999999999999999" } }, number("99999999999999999999") },
        { { { CardWord(5, 0), "2" } }, field(1, 5, "2") }, { { { CardWord(5, 1), "4" } }, field(2, 5, "4") },
        { { { CardWord(5, 2), "21" } }, field(3, 5, "21") },
        { { { CardWord(5, 2), "4294967296" } }, field(3, 5, "4294967296") },
        { { { CardWord(5, 3), "17" } }, field(4, 5, "17") },
        { { { CardWord(5, 4), "9" } }, field(5, 5, "9") }, { { { CardWord(4, 5), "3" } }, field(6, 4, "3") },
        { { { CardWord(5, 6), "2" } }, field(17, 5, "2") },
        { { { CardWord(5, 7), "-1" } }, field(18, 5, "-1") },
        { { { CardWord(32, 8), "2" } }, field(19, 32, "2") },
        { { { HumanHandWord(1), "0" } }, QStringLiteral("в руке недопустимая карта 0") },
        { { { HumanHandWord(5), "33" } }, QStringLiteral("в руке недопустимая карта 33") },
        { { { HumanHandWord(2), "27" }, { CardWord(32, 5), "5" } },
            QStringLiteral("карта 27 лежит в руках дважды") },
        { { { HeaderWord(1), "../X" } }, name("../X") }, { { { HeaderWord(1), "A.B" } }, name("A.B") },
        { { { HeaderWord(1), "ABCDEFGHIJKLM" } }, name("ABCDEFGHIJKLM") },
        { { { HeaderWord(1), "A\x01" } }, name("A\x01") },
        { { { HeaderWord(1), "A\xA0" } }, name("A\u00A0") },
        { { { RowWord(1, 0), "12345678901234567890" } },
            QStringLiteral("текст строки счёта 1 длиннее 19 знаков") },
        { { { RowWord(2, 3), "1000001" } }, QStringLiteral("отступ строки счёта 2 (1000001) недопустим") } };
    for (const auto& [edits, problem] : edited) {
        const SavedGameReading reading = ParseSavedGame(Edited(edits));
        EXPECT_FALSE(reading.game) << problem.toStdString();
        EXPECT_EQ(reading.problem, problem);
    }
    // A word of 19 bytes is read, for the row to judge.
    EXPECT_EQ(ParseSavedGame(Edited({ { RowWord(1, 2), "1234567890123456789" } })).problem,
        QStringLiteral("строка счёта 1 не из тех, что пишет игра"));
}

TEST_F(SavedGameFileTest, HeaderValuesOutsideWhatTheGameProducesAreRefusedAndTheirEndsRead)
{
    // The settings' ranges, then flags, sides, points, suits and cards; the deck (nothing, a
    // card or 100), trump mark places and images 0..38; prompt states 0..21 but the overlays',
    // whose closing restores what the file lacks; rows 0..44 (a deal row past two pages drops
    // the first), a first hand drawn, hands of 0..12 cards and the runs a hand of 12 can hold.
    const std::pair<int, long long> bad[] { { 2, 0 }, { 2, 12 }, { 3, -1 }, { 3, 0x1000000 }, { 4, 0 },
        { 4, 9 }, { 5, 2 }, { 5, 7 }, { 6, 0 }, { 6, 4 }, { 7, 3 }, { 8, 2 }, { 9, 4 }, { 10, 0 }, { 11, -1 },
        { 12, 1000001 }, { 13, 2 }, { 14, -1 }, { 15, 4 }, { 15, 21 }, { 16, 4 }, { 17, 2 }, { 20, 3 },
        { 21, -1 }, { 22, 1000001 }, { 23, -1000001 }, { 24, 5 }, { 25, 33 }, { 26, -1 }, { 30, 3 },
        { 48, 3 }, { 51, 3 }, { 52, -1 }, { 54, 1000001 }, { 59, 5 }, { 62, 5 }, { 64, -1 }, { 71, -1000001 },
        { 73, 2 }, { 39, 33 }, { 39, 99 }, { 39, 101 }, { 40, 3 }, { 41, 39 }, { 56, 39 }, { 42, -1 },
        { 42, 22 }, { 42, 18 }, { 42, 19 }, { 44, 45 }, { 45, 45 }, { 21, 0 }, { 49, 13 }, { 50, 13 },
        { 49, -1 }, { 66, 4 }, { 67, 5 }, { 68, -1 }, { 69, 5 } };
    for (const auto& [n, value] : bad)
        EXPECT_EQ(ParseSavedGame(Edited({ Header(n, value) })).problem,
            QStringLiteral("значение %1 заголовка (%2) недопустимо").arg(n).arg(value));
    const std::pair<int, long long> good[] { { 2, 11 }, { 3, 0xFFFFFF }, { 5, 6 }, { 15, 5 }, { 15, 20 },
        { 42, 21 }, { 42, 0 }, { 54, -1000000 }, { 66, 3 }, { 67, 4 } };
    for (const auto& [n, value] : good) {
        const SavedGameReading reading = ParseSavedGame(Edited({ Header(n, value) }));
        ASSERT_TRUE(reading.game) << n << " = " << value << ": " << reading.problem.toStdString();
        EXPECT_EQ(reading.game->header[static_cast<std::size_t>(n)], value);
    }
    // The deck's ends pass the range, for the position to judge: this one shows card 13.
    for (const int deck : { kDeckWithTurnedUpCard, g_deckSize })
        EXPECT_EQ(ParseSavedGame(Edited({ Header(saved::kDeckShown, deck) })).problem,
            QStringLiteral("карта 13 открыта не на своём месте"));
}

TEST_F(SavedGameFileTest, PositionsTheGameCannotGoOnFromAreRefused)
{
    const auto field = [](int card, std::size_t f, int v) {
        return std::pair(CardWord(card, static_cast<int>(f)), QByteArray::number(v));
    };
    using namespace saved;
    const std::pair<Edits, const char*> bad[] {
        { { Header(kComputerCount, 0), { ComputerHandWord(4), "" }, { ComputerHandWord(3), "" },
              { ComputerHandWord(2), "" }, { ComputerHandWord(1), "" } },
            "карта 1 по таблице карт в руке, но её там нет" },
        { { field(27, kLocationField, kInDeck) }, "карта 27 лежит в руке вопреки таблице карт" },
        { { field(27, kStatusField, kStatusPlayed) }, "сыгранная карта 27 осталась в руке" },
        { { field(4, kStatusField, kStatusPlayed) }, "сыгранная карта 4 не из руки" },
        { { field(1, kStatusField, kStatusSeen) }, "показанная карта 1 не из руки игрока" },
        { { field(4, kLocationField, kFaceUpOnTable) }, "карта 4 открыта не на своём месте" },
        { { field(4, kLocationField, kInComputerHand), field(4, kStatusField, kStatusPlayed) },
            "у сторон разное число карт" },
        { { Header(kHumanFollows, 0) }, "руки не сходятся со взяткой на столе" },
        { { Header(kComputerTableCard, 27) }, "нет карты компьютера, на которую отвечает игрок" },
        { { Header(kPromptState, 7), Header(kAnnouncement, 29) }, "вопрос 7 не к месту в этой части сдачи" },
        { { Header(kPromptState, 15), Header(kAnnouncement, 33) },
            "вопрос о паре без сыгранной дамы или короля" },
        { { Header(kToMove, kComputer) }, "значение 30 заголовка (2) не согласуется с ходом игрока" },
        // Under the pair question of the human's lead nothing lies on the table to answer.
        { { Header(kPromptState, 16), Header(kAnnouncement, 33), field(22, kStatusField, kStatusPlayed) },
            "вопрос о паре без сыгранной дамы или короля" },
        { { field(3, kLocationField, kInDeck), field(3, kStatusField, kStatusInPlay),
              field(5, kLocationField, kInDeck), field(5, kStatusField, kStatusInPlay) },
            "у сторон по 8 карт, столько не сдают" },
        // The tie's points hang: what its opponent scored in the tied deal, where its totals
        // before and after show it.
        { { Header(kHangingPoints, 0) }, "значение 65 заголовка (0) не согласуется со счётом" },
        // What play made of the cards: the human, asked to declare his runs, showed them; no
        // pair lies in the computer's hand; no side took fewer than no points, nor a pair's
        // points that no hand was dealt.
        { { field(6, kStatusField, kStatusInPlay) }, "поле 6 карты 6 (0) не согласуется с картами" },
        { { Header(kComputerTrumpPair, 1) }, "значение 27 заголовка (1) не согласуется с картами" },
        { { Header(kHumanDealPoints, -1), Header(kComputerDealPoints, 50) },
            "очки сдачи (-1 и 50) не сходятся с её игрой" },
        { { Header(kHumanDealPoints, 17 + 20) }, "очки сдачи (37 и 32) не сходятся с её игрой" },
        { { { RowWord(1, 0), "20" }, { RowWord(1, 1), "83" }, { RowWord(2, 0), "101" },
              { RowWord(2, 1), "83" }, Header(kHumanTotal, 101), Header(kHangingPoints, 80) },
            "значение 65 заголовка (80) не согласуется со счётом" },
    };
    for (const auto& [edits, problem] : bad)
        EXPECT_EQ(ParseSavedGame(Edited(edits)).problem, QString::fromUtf8(problem));
    // The pair question over the human's answer with his trump queen, played and still held:
    // the trick it took is scored, and nothing is to be played until the answer. The tie's
    // opponent's total after a bait row: the points hanging show nowhere; after a total: they
    // are what it gained.
    const Edits good[] { { Header(kPromptState, 15), Header(kAnnouncement, 33),
                             field(22, kStatusField, kStatusPlayed), Header(kHumanMayPlay, 0),
                             Header(kComputerCardShown, 0), Header(kHumanDealPoints, 17 + 11 + 3) },
        { { RowWord(2, 0), "-100" }, { RowWord(2, 1), "83" } },
        { { RowWord(1, 0), "20" }, { RowWord(1, 1), "83" }, { RowWord(2, 0), "101" }, { RowWord(2, 1), "83" },
            Header(kHumanTotal, 101) } };
    for (const Edits& edits : good) {
        const SavedGameReading reading = ParseSavedGame(Edited(edits));
        EXPECT_TRUE(reading.game) << reading.problem.toStdString();
    }
}

} // namespace
