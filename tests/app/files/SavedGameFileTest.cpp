#include "support/SavedGameSample.h"
#include "support/TableFixture.h"

#include "app/Globals.h"
#include "app/files/SavedGameFile.h"
#include "app/files/SavedGameState.h"
#include "platform/Cp1251.h"
#include "support/QStringPrinter.h"

#include <QList>

#include <algorithm>
#include <functional>

#include <gtest/gtest.h>

namespace {

/// The saved game of the sample table: the text and the game the writer makes of it.
class SavedGameFileTest : public TableTest {
protected:
    void SetUp() override
    {
        TableTest::SetUp();
        PutMidDealOnTable(*table_);
        game_ = CaptureSavedGame(*table_);
    }

    /// The sample's text with words (0-based) replaced; an empty word removes it.
    static QByteArray edited(std::vector<std::pair<int, QByteArray>> edits)
    {
        QList<QByteArray> words = MidDealText().split(' ');
        // From the last word back, so that a removal moves no word still to be edited.
        std::ranges::sort(edits, std::greater {});
        for (const auto& [at, word] : edits) {
            if (word.isEmpty())
                words.removeAt(at);
            else
                words[at] = word;
        }
        return words.join(' ');
    }
    static QByteArray replaced(int at, const QByteArray& word) { return edited({ { at, word } }); }

    /// The first `count` words of a text (the sample's unless told), each with its blank.
    static QByteArray firstWords(int count, const QByteArray& text = MidDealText())
    {
        const QList<QByteArray> words = text.split(' ');
        return words.mid(0, count).join(' ') + ' ';
    }

    SavedGame game_;
};

TEST_F(SavedGameFileTest, MidDealGameIsWrittenByteForByteAndReadBack)
{
    const QByteArray text = FormatSavedGame(game_);
    EXPECT_EQ(text, MidDealText());
    EXPECT_TRUE(text.startsWith("\xC8\xC2\xC0\xCD 3 ")) << "the name in Windows-1251, one blank after it";
    EXPECT_TRUE(text.endsWith(" 35")) << "no blank after the last indent";
    EXPECT_FALSE(text.contains('\n'));

    const SavedGameReading reading = ParseSavedGame(text);
    ASSERT_TRUE(reading.game) << reading.problem.toStdString();
    EXPECT_EQ(*reading.game, game_);
    EXPECT_EQ(reading.game->rows[2].human, QStringLiteral("Нет взяток (-100)"));
    EXPECT_EQ(reading.game->header[54], -100);

    // Values are words: line breaks and runs of blanks separate them as well.
    QByteArray edited = text;
    edited.replace(' ', "\r\n  ");
    const SavedGameReading lines = ParseSavedGame(edited + "\n");
    ASSERT_TRUE(lines.game) << lines.problem.toStdString();
    EXPECT_EQ(*lines.game, game_);
}

TEST_F(SavedGameFileTest, OnlyTheFiveSpacedCellTextsAreSqueezed)
{
    const std::vector<std::pair<QString, QString>> cells {
        { QStringLiteral("1 бейт"), QStringLiteral("1бейт") },
        { QStringLiteral("2 бейт"), QStringLiteral("2бейт") },
        { QStringLiteral("3 бейт (-100)"), QStringLiteral("3бейт(-100)") },
        { QStringLiteral("Висячий бейт"), QStringLiteral("Висячийбейт") },
        { QStringLiteral("Нет взяток (-100)"), QStringLiteral("Нетвзяток(-100)") },
        { QStringLiteral("-100"), QStringLiteral("-100") },
        { QStringLiteral("Бейт"), QStringLiteral("Бейт") },
    };
    for (const auto& [cell, inFile] : cells) {
        SCOPED_TRACE(cell.toStdString());
        game_.rows[1].human = cell;
        game_.rows[2].computer = cell;
        const QByteArray text = FormatSavedGame(game_);
        const QList<QByteArray> words = text.split(' ');
        ASSERT_EQ(words.size(), MidDealText().split(' ').size());
        EXPECT_EQ(words[RowWord(1, 0)], platform::ToCp1251(inFile));
        EXPECT_EQ(words[RowWord(2, 2)], platform::ToCp1251(inFile));
        const SavedGameReading reading = ParseSavedGame(text);
        ASSERT_TRUE(reading.game) << reading.problem.toStdString();
        EXPECT_EQ(reading.game->rows[1].human, cell);
        EXPECT_EQ(reading.game->rows[2].computer, cell);
    }
}

TEST_F(SavedGameFileTest, GameWithoutRowsEndsWithTheBlankAfterTheComputerHand)
{
    game_.header[saved::kSheetRowCount] = 0;
    const QByteArray text = FormatSavedGame(game_);
    EXPECT_EQ(text, firstWords(RowWord(1, 0), replaced(HeaderWord(saved::kSheetRowCount), "0")));
    EXPECT_TRUE(text.endsWith(" 19 28 "));

    const SavedGameReading reading = ParseSavedGame(text);
    ASSERT_TRUE(reading.game) << reading.problem.toStdString();
    EXPECT_EQ(reading.game->header[saved::kSheetRowCount], 0);
    EXPECT_EQ(reading.game->rows[1], SavedRow {});
}

TEST_F(SavedGameFileTest, MissingOrExtraValuesRefuseTheWholeFile)
{
    const std::vector<QByteArray> texts {
        "",
        " \r\n ",
        firstWords(1), // the name alone
        firstWords(40), // in the header
        firstWords(CardWord(17, 4)), // in the card table
        firstWords(HumanHandWord(3)), // in the human hand
        firstWords(RowWord(1, 0)), // rows counted but missing
        firstWords(RowWord(2, 3)), // the last indent missing
        MidDealText() + " 0", // a value after the last row
        MidDealText() + " 1бейт 91 162 63", // a row more than counted
        replaced(HeaderWord(saved::kSheetRowCount), "1"), // a row more than counted
        replaced(HeaderWord(saved::kSheetRowCount), "3"), // a row fewer than counted
        replaced(HeaderWord(saved::kHumanCount), "4"), // hands and rows out of step
        replaced(HeaderWord(saved::kComputerCount), "5"),
    };
    for (const QByteArray& text : texts) {
        SCOPED_TRACE(text.right(60).toStdString());
        const SavedGameReading reading = ParseSavedGame(text);
        EXPECT_FALSE(reading.game);
        EXPECT_FALSE(reading.problem.isEmpty());
    }
    EXPECT_EQ(ParseSavedGame(firstWords(60)).problem, QStringLiteral("файл обрывается"));
}

TEST_F(SavedGameFileTest, WordsThatAreNoNumbersRefuseTheFile)
{
    for (const QByteArray& word : { QByteArray("x7"), QByteArray("7x"), QByteArray("1.5"), QByteArray("0x10"),
             QByteArray("+3"), QByteArray("99999999999999999999") }) {
        SCOPED_TRACE(word.toStdString());
        for (const int at :
            { HeaderWord(2), HeaderWord(54), CardWord(9, 3), HumanHandWord(1), RowWord(2, 1) }) {
            const SavedGameReading reading = ParseSavedGame(replaced(at, word));
            EXPECT_FALSE(reading.game) << "at word " << at;
        }
    }
    EXPECT_EQ(
        ParseSavedGame(replaced(HeaderWord(5), "x7")).problem, QStringLiteral("вместо числа стоит «x7»"));
}

TEST_F(SavedGameFileTest, HeaderValuesOutsideWhatTheGameProducesRefuseTheFile)
{
    // Settings: background 1..11, custom colour, card back 1..8, second-deal cards 3..6,
    // voice, hand order, card sounds, level, length, delay, pause, button sounds, animation,
    // animation steps 5..20, announcement style 0..3. Then flags, sides, points, suits and
    // cards; the deck (nothing, a card or 100), trump mark places and images 0..38; prompt
    // states 0..21 but the overlays', whose closing restores what the file lacks; rows 0..54,
    // hands of 0..12 cards and the runs a hand of 12 can hold.
    const std::vector<std::pair<int, long long>> bad { { 2, 0 }, { 2, 12 }, { 3, -1 }, { 3, 0x1000000 },
        { 4, 0 }, { 4, 9 }, { 5, 2 }, { 5, 7 }, { 6, 0 }, { 6, 4 }, { 7, 3 }, { 8, 2 }, { 9, 4 }, { 10, 0 },
        { 11, -1 }, { 12, 1000001 }, { 13, 2 }, { 14, -1 }, { 15, 4 }, { 15, 21 }, { 16, 4 }, { 17, 2 },
        { 20, 3 }, { 21, -1 }, { 22, 1000001 }, { 23, -1000001 }, { 24, 5 }, { 25, 33 }, { 26, -1 },
        { 30, 3 }, { 48, 3 }, { 51, 3 }, { 52, -1 }, { 54, 1000001 }, { 59, 5 }, { 62, 5 }, { 64, -1 },
        { 71, -1000001 }, { 73, 2 }, { 39, 33 }, { 39, 99 }, { 39, 101 }, { 40, 3 }, { 41, 39 }, { 56, 39 },
        { 42, -1 }, { 42, 22 }, { 42, 18 }, { 42, 19 }, { 44, 55 }, { 45, 55 }, { 49, 13 }, { 50, 13 },
        { 49, -1 }, { 66, 4 }, { 67, 5 }, { 68, -1 }, { 69, 5 } };
    for (const auto& [n, value] : bad) {
        SCOPED_TRACE("value " + std::to_string(n) + " = " + std::to_string(value));
        const SavedGameReading reading = ParseSavedGame(replaced(HeaderWord(n), QByteArray::number(value)));
        EXPECT_FALSE(reading.game);
        EXPECT_EQ(
            reading.problem, QStringLiteral("значение %1 заголовка (%2) недопустимо").arg(n).arg(value));
    }

    // The ends of the ranges are values the game produces.
    const std::vector<std::pair<int, long long>> good { { 2, 11 }, { 3, 0xFFFFFF }, { 5, 6 }, { 15, 5 },
        { 15, 20 }, { 39, 100 }, { 39, 32 }, { 42, 21 }, { 42, 0 }, { 45, 54 }, { 54, -1000000 }, { 66, 3 },
        { 67, 4 } };
    for (const auto& [n, value] : good) {
        SCOPED_TRACE("value " + std::to_string(n) + " = " + std::to_string(value));
        const SavedGameReading reading = ParseSavedGame(replaced(HeaderWord(n), QByteArray::number(value)));
        ASSERT_TRUE(reading.game) << reading.problem.toStdString();
        EXPECT_EQ(reading.game->header[static_cast<std::size_t>(n)], value);
    }
}

TEST_F(SavedGameFileTest, CardsOutsideTheDeckOrInTwoPlacesRefuseTheFile)
{
    const std::vector<std::pair<int, QByteArray>> bad {
        { CardWord(5, 0), "2" }, // card 5 is of suit 1
        { CardWord(5, 1), "4" }, // locations 0..3
        { CardWord(5, 2), "21" }, // points 0..20
        { CardWord(5, 3), "17" }, // strength 0..16
        { CardWord(5, 4), "9" }, // natural order 0..8
        { CardWord(5, 5), "3" }, // status 0, 4 or 5
        { CardWord(5, 6), "2" }, { CardWord(5, 7), "-1" }, { CardWord(32, 8), "2" },
        { HumanHandWord(1), "0" }, { HumanHandWord(5), "33" }, { ComputerHandWord(4), "-5" },
        { HumanHandWord(2), "27" }, // twice in one hand
        { ComputerHandWord(1), "14" }, // in both hands
    };
    for (const auto& [at, word] : bad) {
        SCOPED_TRACE("word " + std::to_string(at) + " = " + word.toStdString());
        const SavedGameReading reading = ParseSavedGame(replaced(at, word));
        EXPECT_FALSE(reading.game);
        EXPECT_FALSE(reading.problem.isEmpty());
    }
}

TEST_F(SavedGameFileTest, NamesAndCellTextsTheGameCannotUseRefuseTheFile)
{
    const std::vector<std::pair<int, QByteArray>> bad {
        { HeaderWord(1), "../X" }, // a path
        { HeaderWord(1), "A.B" }, { HeaderWord(1), "ABCDEFGHIJKLM" }, // 13 characters
        { HeaderWord(1), "A\x01" }, // a control character
        { HeaderWord(1), "A\xA0" }, // a non-breaking space: the name dialog would cut it there
        { RowWord(1, 0), "12345678901234567890" }, // 20 bytes: the reader holds 19
        { RowWord(2, 3), "1000001" }, // an indent far off the table
    };
    for (const auto& [at, word] : bad) {
        SCOPED_TRACE(word.toStdString());
        EXPECT_FALSE(ParseSavedGame(replaced(at, word)).game);
    }
    const SavedGameReading longest = ParseSavedGame(replaced(RowWord(1, 2), "1234567890123456789"));
    ASSERT_TRUE(longest.game) << longest.problem.toStdString();
    EXPECT_EQ(longest.game->rows[1].computer, QStringLiteral("1234567890123456789"));
}

TEST_F(SavedGameFileTest, PositionsTheGameCannotGoOnFromRefuseTheFile)
{
    using Edits = std::vector<std::pair<int, QByteArray>>;
    const auto value = [](int n, int v) { return std::pair(HeaderWord(n), QByteArray::number(v)); };
    const auto field = [](int card, std::size_t f, int v) {
        return std::pair(CardWord(card, static_cast<int>(f)), QByteArray::number(v));
    };
    using namespace saved;
    const std::vector<std::pair<Edits, const char*>> bad {
        { { value(kComputerCount, 0), { ComputerHandWord(4), "" }, { ComputerHandWord(3), "" },
              { ComputerHandWord(2), "" }, { ComputerHandWord(1), "" } },
            "карта 1 по таблице карт в руке, но её там нет" },
        { { field(27, kLocationField, kInDeck) }, "карта 27 лежит в руке вопреки таблице карт" },
        { { field(27, kStatusField, kStatusPlayed) }, "сыгранная карта 27 осталась в руке" },
        { { field(4, kStatusField, kStatusPlayed) }, "сыгранная карта 4 не из руки" },
        { { field(1, kStatusField, kStatusSeen) }, "показанная карта 1 не из руки игрока" },
        { { field(4, kLocationField, kFaceUpOnTable) }, "карта 4 открыта не на своём месте" },
        { { field(4, kLocationField, kInComputerHand), field(4, kStatusField, kStatusPlayed) },
            "у сторон разное число карт" },
        { { value(kHumanFollows, 0) }, "руки не сходятся со взяткой на столе" },
        { { value(kComputerTableCard, 27) }, "нет карты компьютера, на которую отвечает игрок" },
        { { value(kPromptState, 7), value(kAnnouncement, 29) }, "торговля идёт не при шести картах в руке" },
        { { value(kPromptState, 3), value(kAnnouncement, 31) }, "обмен без козырной семёрки в руке" },
        { { value(kPromptState, 15), value(kAnnouncement, 33) },
            "вопрос о паре без сыгранной дамы или короля" },
        { { value(kToMove, kComputer) }, "никто не может сделать ход" },
    };
    for (const auto& [edits, problem] : bad) {
        SCOPED_TRACE(problem);
        const SavedGameReading reading = ParseSavedGame(edited(edits));
        EXPECT_FALSE(reading.game);
        EXPECT_EQ(reading.problem, QString::fromUtf8(problem));
    }
    // The pair question over the human's answer with his trump queen, played and still held.
    const SavedGameReading question = ParseSavedGame(edited(
        { value(kPromptState, 15), value(kAnnouncement, 33), field(22, kStatusField, kStatusPlayed) }));
    EXPECT_TRUE(question.game) << question.problem.toStdString();
}

} // namespace
