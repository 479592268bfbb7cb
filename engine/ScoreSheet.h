#pragma once

#include <optional>
#include <string>

/// The score sheet's rows: one per deal, a cell for each side with its text and its
/// indent, the pixels from the centre column at which the text starts (the human's to the
/// left, the computer's to the right). Texts are UTF-8 here.

/// Rows a page of the sheet shows; rows are numbered from 1.
constexpr int kSheetPageRows = 22;
/// Rows the sheet can hold: cells 1..54 of each column.
constexpr int kSheetLastRow = 54;
/// Deal rows a game writes before it drops a page: the page in play and the one before it.
/// A deal row that would start a third page moves the sheet up by a page first, so that a
/// long game never runs out of rows and its page in play always fits on the panel.
constexpr int kSheetKeptRows = 2 * kSheetPageRows;
static_assert(kSheetKeptRows <= kSheetLastRow);

/// One cell: its text and its indent in pixels.
struct SheetCell {
    std::string text;
    int indent = 0;
    bool operator==(const SheetCell&) const = default;
};

/// A row: the human's cell and the computer's.
struct SheetRow {
    SheetCell human;
    SheetCell computer;
    bool operator==(const SheetRow&) const = default;
};

/// What a deal cell says; each text has its indent for each side.
enum class SheetText {
    Total, ///< the side's game total, "%i"
    Bait, ///< the taker's bait counter after a failed deal, "%i бейт" (1 or 2)
    BaitPenalty, ///< the third bait, which costs 100: "%i бейт (-100)"
    HangingTie, ///< a tied deal: the taker's points hang, "Висячий бейт"
    NoTrick, ///< the side took no trick and loses 100, "Нет взяток (-100)"
};

/// The cell of side 1..2 (kHuman, kComputer) saying `text`; `value` fills its number.
SheetCell DealCell(int side, SheetText text, int value = 0);

/// A deal cell read back: what its text says and the number in it (0 for a text without).
struct DealCellReading {
    SheetText text;
    int value = 0;
};
/// What the cell of side 1..2 says, when it is one DealCell writes for that side, text and
/// indent alike; nullopt for any other.
std::optional<DealCellReading> ReadDealCell(int side, const SheetCell& cell);

/// True when the deal row after `lastRow`, the row last written, would lie past the rows
/// kept: rows kSheetPageRows + 1..kSheetLastRow then move to rows 1.. before it is written.
bool SheetDropsPage(int lastRow);
/// The row a new deal row takes after `lastRow`, on the second page when the sheet has
/// dropped a page. A counter outside 0..kSheetLastRow (a damaged saved game) counts as the
/// nearest value inside.
int NextSheetRow(int lastRow);

/// The first row of the page that shows `row`: 1, 23, 45 ...; 1 for a row below 1.
int FirstRowOfPage(int row);

/// How a game ended, from the human's side.
enum class GameOutcome {
    HumanWins,
    ComputerWins,
    Drawn,
};

/// The higher total wins, whoever reached the target first; equal totals draw.
GameOutcome OutcomeOf(int humanTotal, int computerTotal);

/// The human's result word: "Выиграл", "Проиграл" or "Ничия".
std::string ResultWord(GameOutcome outcome);

/// The two rows under the last deal row at a game end (after a blank row): each side's
/// result word, then the winner's margin against the loser's "0". They follow from the
/// totals, so they are drawn from them and never stored over a deal row.
struct GameEndRows {
    SheetRow result;
    SheetRow margin;
    bool operator==(const GameEndRows&) const = default;
};
GameEndRows GameEndRowsOf(int humanTotal, int computerTotal);

/// Where the game-end rows stand on the deal-result panel, as places 1..22 of a page.
struct GameEndPlaces {
    /// The first row of the page shown; deal rows from it to the last are shown too.
    int firstRow = 1;
    /// The place of the last deal row, with a rule under it; 0 = no rule on this page.
    int rulePlace = 0;
    int resultPlace = 0;
    int marginPlace = 0;
    bool operator==(const GameEndPlaces&) const = default;
};
/// After `dealRows` deal rows: a blank row, then the result and margin rows, on the page of
/// the last deal row. When they would run past its end, the rows shown start later, so that
/// the last deal row stands at place 19 with the game-end rows under it at 21 and 22.
GameEndPlaces GameEndPlacesOf(int dealRows);

/// The human's total less the computer's, without overflow.
long long MarginOf(int humanTotal, int computerTotal);
