#include "app/files/SavedGameFile.h"

#include "app/dialogs/PlayerName.h"
#include "app/files/ImageData.h"
#include "app/files/SavedGamePosition.h"
#include "app/files/SettingsFile.h"
#include "engine/CardValues.h"
#include "engine/PromptState.h"
#include "engine/ScoreSheet.h"
#include "platform/Cp1251.h"

#include <QList>

#include <algorithm>
#include <charconv>
#include <utility>

namespace {

/// A text value is read into a buffer of 20 bytes: at most 19 bytes a word.
constexpr int kMaxWordBytes = 19;
/// Points and pixel positions have no range of their own; no game comes near these
/// magnitudes, and the sums made of them stay far from overflow.
constexpr int kPointsLimit = 1'000'000;
constexpr int kPixelLimit = 1'000'000;
/// Failed contracts since the side's last penalty: the third one is paid at once.
constexpr int kMostBaits = 2;
/// Runs in one hand of at most 12 cards: runs of four (fifties), runs of three (twenties).
constexpr int kMostFifties = kMaxHand / 4;
constexpr int kMostTwenties = kMaxHand / 3;
/// Card values: the most points a card is worth, and the natural order of the ace.
constexpr int kMostCardPoints = std::ranges::max(kTrumpPoints);
constexpr int kAceSequence = kRankAce + 1;

/// The five cell texts with blanks, and how the file keeps each. None holds a Latin
/// letter, so matching them exactly is matching them with Latin letter case ignored.
struct SqueezedText {
    /// The text as the score sheet holds it, and as the file does; UTF-8.
    const char* spaced;
    const char* squeezed;
};
constexpr std::array<SqueezedText, 5> kSqueezedTexts { {
    { "1 бейт", "1бейт" },
    { "2 бейт", "2бейт" },
    { "3 бейт (-100)", "3бейт(-100)" },
    { "Висячий бейт", "Висячийбейт" },
    { "Нет взяток (-100)", "Нетвзяток(-100)" },
} };

QString squeezed(const QString& text)
{
    for (const SqueezedText& entry : kSqueezedTexts)
        if (text == QString::fromUtf8(entry.spaced))
            return QString::fromUtf8(entry.squeezed);
    return text;
}

QString spaced(const QString& word)
{
    for (const SqueezedText& entry : kSqueezedTexts)
        if (word == QString::fromUtf8(entry.squeezed))
            return QString::fromUtf8(entry.spaced);
    return word;
}

/// The values a number may take: low..high.
struct Range {
    int low;
    int high;
    bool holds(long long value) const { return value >= low && value <= high; }
};

constexpr Range kFlag { 0, 1 };
constexpr Range kSide { kNoSide, kComputer };
constexpr Range kSuitOrNone { 0, kSuits };
constexpr Range kCard { 1, g_deckSize };
constexpr Range kCardOrNone { kNoCard, g_deckSize };
constexpr Range kPoints { -kPointsLimit, kPointsLimit };
constexpr Range kPixels { -kPixelLimit, kPixelLimit };
constexpr Range kImage { image::kNone, kAnnouncementCount };
constexpr Range kRows { 0, kSheetKeptRows };
constexpr Range kHandCount { 0, kMaxHand };

/// The account of the header values 17..73 after the name and the settings (free, each in
/// its range), in file order: the values any game gives each, and whether it is free (play
/// reads it as any value in range, or sets it anew before it reads it) or what play derives
/// it from, which the position's checks hold it against (SavedGamePosition.h): the places
/// of the cards and the prompt that stands (places), how the game waits (waiting: the
/// prompt rules), what the cards of the deal make of it (deal), or the score. Once a deal
/// is scored, the next one deals anew: its values are free then, but for the deal points
/// its result shows (and the cards, pairs and declarations they were scored from), the
/// score, and who bids first next.
constexpr int kFirstGameValue = saved::kLastSetting + 1;
constexpr std::array<Range, kSavedHeaderValues - kFirstGameValue + 1> kGameValueRanges { {
    kFlag, // 17 the human holds six trumps: waiting (prompt 20), deal (his six trumps; once scored, 360)
    kFlag, // 18 the computer holds six trumps: likewise with prompt 21
    kFlag, // 19 the human showed he holds no trump: deal (no trump in his hand)
    kSide, // 20 hanging tie: score (the last row's tied taker)
    { kHuman, kComputer }, // 21 first hand: waiting (who the prompt lets bid first, or the tied side)
    kPoints, // 22 human deal points: deal (the tricks and pair taken, or six trumps)
    kPoints, // 23 computer deal points: likewise
    kSuitOrNone, // 24 trump suit: places (the turned-up suit until one is named); free once scored
    kCardOrNone, // 25 turned-up card: places (face up beside the deck); free once scored
    kCardOrNone, // 26 the computer's table card: places (its lead the human answers); else free
    kFlag, // 27 computer trump pair: deal (its dealt queen and king, until one announces them)
    kFlag, // 28 human trump pair: likewise, and not while his card of it is questioned
    kFlag, // 29 buttons active: free (the hover's, which a load forgets)
    kSide, // 30 to move: waiting (nobody, the side that took the trump, the side to play)
    kFlag, // 31 the human may play: waiting (only with no prompt standing)
    kFlag, // 32 human showing: waiting (his runs or six trumps out of the row)
    kPixels, // 33 name x on the deal-result panel: free (every redraw places it)
    kPixels, // 34 name x on the score sheet: likewise
    kFlag, // 35 human seven raised: waiting (prompt 3)
    kFlag, // 36 computer showing: waiting (its runs or six trumps out of the row)
    kFlag, // 37 computer seven raised: waiting (prompt 4)
    kFlag, // 38 the computer's card shown: waiting (its lead awaits the human's answer)
    { kDeckNotShown, kDeckWithTurnedUpCard }, // 39 deck: places (0, a card or 100, see below)
    { kTrumpMarkNone, kTrumpMarkSpot2 }, // 40 trump mark place: waiting
    kImage, // 41 announcement: places (the image the prompt stands with, else 0)
    // 42 prompt state: places (the prompt that stands); with no image, free (the last answered)
    { 0, static_cast<int>(PromptState::kComputerSixTrumps) },
    kFlag, // 43 game over: waiting (the final panel), score (the totals that ended the game)
    kRows, // 44 score rows: score (one a scored deal, a page dropped past two)
    kRows, // 45 current score row: score (the last row written)
    kFlag, // 46 computer pair shown: waiting and deal (over its lead of the pair)
    kFlag, // 47 the human leads the trick: waiting (play with no lead to answer)
    kSide, // 48 taker: deal (who led the first trick); free before play and once scored
    kHandCount, // 49 human cards held: places (as dealt, less his tricks)
    kHandCount, // 50 computer cards held: likewise
    { 0, kMostBaits }, // 51 computer baits: score (its bait in the last row)
    { 0, kMostBaits }, // 52 human baits: likewise
    kFlag, // 53 the human follows: places (the hands differ by the lead), waiting
    kPoints, // 54 human total: score (the last row)
    kPoints, // 55 computer total: likewise
    // 56..58 shown announcements: waiting (the bid, the suits offered), deal (the runs
    // shown); free where no prompt shows them.
    kImage, kImage, kImage,
    // 59..61 suits on the suit buttons: waiting (those shown while a suit may be named);
    // else free.
    kSuitOrNone, kSuitOrNone, kSuitOrNone,
    // 62..64 other suits: free (worked out from the trump before each use).
    kSuitOrNone, kSuitOrNone, kSuitOrNone,
    kPoints, // 65 hanging points: score (what the tie's opponent scored); free with no tie
    // 66..69 computer fifties and twenties, human fifties and twenties: deal (the runs of
    // each hand, the computer's or none when it held them back); free before the second deal
    // and once they are declared.
    { 0, kMostFifties }, { 0, kMostTwenties }, { 0, kMostFifties }, { 0, kMostTwenties },
    kPoints, // 70 computer declaration points: deal (its runs, when they scored)
    kPoints, // 71 human declaration points: deal (his runs, when declared)
    kFlag, // 72 the human took a trick: deal (his points, his lead after a trick)
    kFlag, // 73 the computer took a trick: likewise
} };

/// The account of the kept card fields in file order: suit (places: the card's own);
/// location, points, strength, sequence (places: the hands, and the trump valued); status
/// (places: played from a hand; deal: what the human showed); inRun and shown (deal: the
/// runs of the card's hand, or its six trumps shown; free off a hand); sortMark (free: the
/// sorts write it, nothing reads it). The hands' order is free: they are drawn as they stand.
/// The score rows are the score's: each the text and indent of a scored deal.
constexpr std::array<Range, kSavedCardFields.size()> kCardFieldRanges { {
    { 1, kSuits },
    { kInDeck, kFaceUpOnTable },
    { 0, kMostCardPoints },
    { 0, kTrumpJackStrength },
    { 0, kAceSequence },
    { kStatusInPlay, kStatusPlayed },
    kFlag,
    kFlag,
    kFlag,
} };

bool headerValueValid(int n, long long value)
{
    if (n <= saved::kLastSetting)
        return SettingInRange(n, value);
    if (!kGameValueRanges[static_cast<std::size_t>(n - kFirstGameValue)].holds(value))
        return false;
    if (n == saved::kDeckShown)
        return value == kDeckNotShown || IsCard(static_cast<int>(value)) || value == kDeckWithTurnedUpCard;
    // The score sheet and statistics overlays keep the prompt they cover in values the file
    // does not hold: a game saved under one could never close it into a prompt of its own.
    if (n == saved::kPromptState)
        return value != static_cast<int>(PromptState::kScoreSheet)
            && value != static_cast<int>(PromptState::kStatistics);
    return true;
}

bool cardFieldValid(int card, std::size_t field, long long value)
{
    if (!kCardFieldRanges[field].holds(value))
        return false;
    // A card's suit follows from its identifier for the whole run.
    if (field == saved::kSuitField)
        return value == SuitOf(card);
    if (field == saved::kStatusField)
        return value == kStatusInPlay || value == kStatusSeen || value == kStatusPlayed;
    return true;
}

/// Why a text is refused; thrown by the reading below and caught once at its top.
struct Damage {
    /// In words for the player.
    QString problem;
};

/// The values of a text, one word at a time.
class Words {
public:
    explicit Words(const QByteArray& text)
    {
        const QByteArray words = text.simplified();
        if (!words.isEmpty())
            words_ = words.split(' ');
    }

    QByteArray word()
    {
        if (next_ == words_.size())
            throw Damage { QStringLiteral("файл обрывается") };
        return words_[next_++];
    }

    long long number()
    {
        const QByteArray text = word();
        long long value = 0;
        const char* end = text.constData() + text.size();
        const auto [stop, error] = std::from_chars(text.constData(), end, value);
        if (error != std::errc() || stop != end)
            throw Damage { QStringLiteral("вместо числа стоит «%1»").arg(platform::FromCp1251(text)) };
        return value;
    }

    bool atEnd() const { return next_ == words_.size(); }

private:
    /// The text's words, and the index of the next one to read.
    QList<QByteArray> words_;
    qsizetype next_ = 0;
};

QString readName(Words& words)
{
    const QString name = platform::FromCp1251(words.word());
    if (!NameRefusal(name).isEmpty())
        throw Damage { QStringLiteral("имя игрока «%1» недопустимо").arg(name) };
    return name;
}

void readHeader(Words& words, SavedGame& game)
{
    game.playerName = readName(words);
    for (int n = saved::kFirstSetting; n <= kSavedHeaderValues; ++n) {
        const long long value = words.number();
        if (!headerValueValid(n, value))
            throw Damage { QStringLiteral("значение %1 заголовка (%2) недопустимо").arg(n).arg(value) };
        game.header[static_cast<std::size_t>(n)] = static_cast<int>(value);
    }
}

void readCards(Words& words, SavedGame& game)
{
    for (int card = 1; card <= g_deckSize; ++card) {
        auto& fields = game.cards[static_cast<std::size_t>(card)];
        for (std::size_t field = 0; field < fields.size(); ++field) {
            const long long value = words.number();
            if (!cardFieldValid(card, field, value))
                throw Damage { QStringLiteral("поле %1 карты %2 (%3) недопустимо")
                                   .arg(kSavedCardFields[field])
                                   .arg(card)
                                   .arg(value) };
            fields[field] = static_cast<int>(value);
        }
    }
}

void readHands(Words& words, SavedGame& game)
{
    std::array<bool, g_deckSize + 1> held {};
    const auto readHand = [&](Hand& hand, int count) {
        for (int k = 1; k <= count; ++k) {
            const long long card = words.number();
            if (!kCard.holds(card))
                throw Damage { QStringLiteral("в руке недопустимая карта %1").arg(card) };
            // One card lies in one place: a card in two hands, or twice in one, is damage.
            if (std::exchange(held[static_cast<std::size_t>(card)], true))
                throw Damage { QStringLiteral("карта %1 лежит в руках дважды").arg(card) };
            hand[static_cast<std::size_t>(k)] = static_cast<int>(card);
        }
    };
    readHand(game.humanHand, game.header[saved::kHumanCount]);
    readHand(game.computerHand, game.header[saved::kComputerCount]);
}

QString readCellText(Words& words, int row)
{
    const QByteArray word = words.word();
    if (word.size() > kMaxWordBytes)
        throw Damage {
            QStringLiteral("текст строки счёта %1 длиннее %2 знаков").arg(row).arg(kMaxWordBytes)
        };
    return spaced(platform::FromCp1251(word));
}

int readIndent(Words& words, int row)
{
    const long long indent = words.number();
    if (!kPixels.holds(indent))
        throw Damage { QStringLiteral("отступ строки счёта %1 (%2) недопустим").arg(row).arg(indent) };
    return static_cast<int>(indent);
}

void readRows(Words& words, SavedGame& game)
{
    for (int row = 1; row <= game.header[saved::kSheetRowCount]; ++row) {
        SavedRow& cells = game.rows[static_cast<std::size_t>(row)];
        cells.human = readCellText(words, row);
        cells.humanIndent = readIndent(words, row);
        cells.computer = readCellText(words, row);
        cells.computerIndent = readIndent(words, row);
    }
    // More rows than the count would run past the sheet's cells.
    if (!words.atEnd())
        throw Damage { QStringLiteral("после последней строки счёта есть лишнее") };
}

} // namespace

QByteArray FormatSavedGame(const SavedGame& game)
{
    QByteArray text;
    const auto put = [&text](const QByteArray& value) {
        text += value;
        text += ' ';
    };
    put(platform::ToCp1251(game.playerName));
    for (int n = saved::kFirstSetting; n <= kSavedHeaderValues; ++n)
        put(QByteArray::number(game.header[static_cast<std::size_t>(n)]));
    for (int card = 1; card <= g_deckSize; ++card)
        for (const int value : game.cards[static_cast<std::size_t>(card)])
            put(QByteArray::number(value));
    for (const int card : HandCards(game.humanHand, game.header[saved::kHumanCount]))
        put(QByteArray::number(card));
    for (const int card : HandCards(game.computerHand, game.header[saved::kComputerCount]))
        put(QByteArray::number(card));

    const int rows = std::clamp(game.header[saved::kSheetRowCount], 0, kSheetLastRow);
    for (int row = 1; row <= rows; ++row) {
        const SavedRow& cells = game.rows[static_cast<std::size_t>(row)];
        put(platform::ToCp1251(squeezed(cells.human)));
        put(QByteArray::number(cells.humanIndent));
        put(platform::ToCp1251(squeezed(cells.computer)));
        text += QByteArray::number(cells.computerIndent);
        if (row < rows)
            text += ' ';
    }
    return text;
}

SavedGameReading ParseSavedGame(const QByteArray& text)
{
    Words words(text);
    SavedGame game;
    try {
        readHeader(words, game);
        readCards(words, game);
        readHands(words, game);
        readRows(words, game);
    } catch (const Damage& damage) {
        return { std::nullopt, damage.problem };
    }
    if (QString problem = PositionProblem(game); !problem.isEmpty())
        return { std::nullopt, std::move(problem) };
    return { game, QString() };
}
