#pragma once

#include "app/Globals.h"
#include "engine/CardTable.h"

#include <QByteArray>
#include <QString>

#include <array>
#include <optional>

/// A saved game ("<name>.svv" in the program folder): Windows-1251 text without header,
/// magic number or version. Every value is followed by one blank, with no line breaks;
/// only the last score row's computer indent has none. Four sections: 73 header values,
/// nine fields of each card 1..32, the two hands, and the score rows.

/// Header values, numbered 1..73 in file order.
constexpr int kSavedHeaderValues = 73;

/// The header values by number.
namespace saved {
constexpr int kPlayerName = 1;
/// Settings fields 2..16 follow the name with the same numbers; field 3 is unsigned.
constexpr int kFirstSetting = 2;
constexpr int kCustomColour = 3;
constexpr int kLastSetting = 16;
constexpr int kHumanSixTrumps = 17;
constexpr int kComputerSixTrumps = 18;
constexpr int kHumanNoTrumps = 19;
constexpr int kHangingTie = 20;
constexpr int kFirstHand = 21;
constexpr int kHumanDealPoints = 22;
constexpr int kComputerDealPoints = 23;
constexpr int kTrumpSuit = 24;
constexpr int kTrumpCard = 25;
constexpr int kComputerTableCard = 26;
constexpr int kComputerTrumpPair = 27;
constexpr int kHumanTrumpPair = 28;
constexpr int kButtonsActive = 29;
constexpr int kToMove = 30;
constexpr int kHumanMayPlay = 31;
constexpr int kHumanShowing = 32;
constexpr int kNameHeaderX = 33;
constexpr int kNameHeaderX2 = 34;
constexpr int kHumanSevenRaised = 35;
constexpr int kComputerShowing = 36;
constexpr int kComputerSevenRaised = 37;
constexpr int kComputerCardShown = 38;
constexpr int kDeckShown = 39;
constexpr int kTrumpMarkPos = 40;
constexpr int kAnnouncement = 41;
constexpr int kPromptState = 42;
constexpr int kGameOver = 43;
constexpr int kSheetRowCount = 44;
constexpr int kSheetRow = 45;
constexpr int kComputerPairShown = 46;
constexpr int kHumanLeadsTrick = 47;
constexpr int kTaker = 48;
constexpr int kHumanCount = 49;
constexpr int kComputerCount = 50;
constexpr int kComputerBaits = 51;
constexpr int kHumanBaits = 52;
constexpr int kHumanFollows = 53;
constexpr int kHumanTotal = 54;
constexpr int kComputerTotal = 55;
constexpr int kShownAnnouncement1 = 56;
constexpr int kShownAnnouncement2 = 57;
/// The suit buttons' suits (59..61) and the other suits (62..64) run in threes too.
constexpr int kOfferedSuit1 = 59;
constexpr int kOtherSuit1 = 62;
constexpr int kHangingPoints = 65;
constexpr int kComputerFifties = 66;
constexpr int kComputerTwenties = 67;
constexpr int kHumanFifties = 68;
constexpr int kHumanTwenties = 69;
constexpr int kComputerDeclPoints = 70;
constexpr int kHumanDeclPoints = 71;
constexpr int kHumanTookTrick = 72;
constexpr int kComputerTookTrick = 73;
} // namespace saved

/// The card record fields a saved game keeps, in file order: suit, location, points,
/// strength, sequence, status, inRun, shown, sortMark.
constexpr std::array<int, 9> kSavedCardFields { 1, 2, 3, 4, 5, 6, 17, 18, 19 };
/// Places in that order of the fields the reader checks.
namespace saved {
constexpr std::size_t kSuitField = 0;
constexpr std::size_t kLocationField = 1;
constexpr std::size_t kPointsField = 2;
constexpr std::size_t kStrengthField = 3;
constexpr std::size_t kSequenceField = 4;
constexpr std::size_t kStatusField = 5;
constexpr std::size_t kInRunField = 6;
constexpr std::size_t kShownField = 7;
} // namespace saved

/// One score row: each side's cell text (one word or one of the five spaced texts the
/// engine writes) and indent in pixels.
struct SavedRow {
    QString human;
    int humanIndent = 0;
    QString computer;
    int computerIndent = 0;
    bool operator==(const SavedRow&) const = default;
};

/// Everything a saved game holds.
struct SavedGame {
    /// Header value 1: the player's name, one word of 1..12 characters.
    QString playerName;
    /// Header values 2..73 by number (0 and 1 unused). Value 3, the custom colour, is
    /// 0..0xFFFFFF; value 42 a PromptState; 44, 49 and 50 count the rows and hand cards.
    std::array<int, kSavedHeaderValues + 1> header {};
    /// For each card 1..32 (0 unused), the kept fields in the order of kSavedCardFields.
    std::array<std::array<int, kSavedCardFields.size()>, g_deckSize + 1> cards {};
    /// The hands, cards at positions 1..count (counts: header values 49 and 50).
    Hand humanHand {};
    Hand computerHand {};
    /// Score rows 1..count (count: header value 44); row 0 unused.
    std::array<SavedRow, kSheetCells> rows {};
    bool operator==(const SavedGame&) const = default;
};

/// The file's text. A cell text that is one of the five spaced texts is written without
/// its blanks; any other text as it stands.
QByteArray FormatSavedGame(const SavedGame& game);

/// A saved game read back, or why it was refused.
struct SavedGameReading {
    /// The game; empty when the text is refused.
    std::optional<SavedGame> game;
    /// Why the text was refused, in words for the player; empty when it was read.
    QString problem;
};

/// Reads and checks a whole text: every value must be there, be a number where a number
/// stands, and lie in the range the game can produce; nothing may follow the last row;
/// and the whole must be a position the game can go on from (PositionProblem). A refused
/// text yields no game at all, so a caller changes nothing.
SavedGameReading ParseSavedGame(const QByteArray& text);
