#include "engine/ScoreSheet.h"

#include "engine/CardTable.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <string_view>

namespace {

/// A text and its indents in pixels: left of the centre for the human, right of it for
/// the computer. Longer texts stand further out, so that each column reads centred.
struct IndentedText {
    const char* text;
    int humanIndent;
    int computerIndent;
};

/// By SheetText; "%i" stands for the cell's number.
constexpr std::array<IndentedText, 5> kDealTexts { {
    { "%i", 83, 63 },
    { "%i бейт", 91, 55 },
    { "%i бейт (-100)", 103, 43 },
    { "Висячий бейт", 111, 35 },
    { "Нет взяток (-100)", 115, 31 },
} };

constexpr const char* kWon = "Выиграл";
constexpr const char* kLost = "Проиграл";
constexpr const char* kDrawn = "Ничия";

/// The game-end rows below the last deal row: a blank row, the result, the margin.
constexpr int kResultBelowLast = 2;
constexpr int kMarginBelowLast = 3;

/// Indents of the game-end rows: the result words, the winner's margin and the "0".
constexpr int kHumanResultIndent = 103;
constexpr int kHumanDrawnIndent = 91;
constexpr int kComputerLostIndent = 38;
constexpr int kComputerWonIndent = 42;
constexpr int kComputerDrawnIndent = 52;
constexpr int kHumanMarginIndent = 83;
constexpr int kHumanZeroIndent = 80;
constexpr int kComputerMarginIndent = 63;
constexpr int kComputerZeroIndent = 66;

std::string Filled(const char* pattern, long long value)
{
    std::string text = pattern;
    if (const auto at = text.find("%i"); at != std::string::npos)
        text.replace(at, 2, std::to_string(value));
    return text;
}

/// The number a text holds where its pattern has "%i", as std::to_string writes it; 0 for
/// a pattern without one that the text matches; nullopt when the text does not match.
std::optional<int> Unfilled(std::string_view pattern, std::string_view text)
{
    const auto at = pattern.find("%i");
    if (at == std::string_view::npos)
        return text == pattern ? std::optional<int>(0) : std::nullopt;
    const std::string_view prefix = pattern.substr(0, at);
    const std::string_view suffix = pattern.substr(at + 2);
    if (text.size() <= prefix.size() + suffix.size() || !text.starts_with(prefix) || !text.ends_with(suffix))
        return std::nullopt;
    const std::string_view number = text.substr(prefix.size(), text.size() - prefix.size() - suffix.size());
    int value = 0;
    const auto [end, error] = std::from_chars(number.data(), number.data() + number.size(), value);
    if (error != std::errc() || end != number.data() + number.size() || std::to_string(value) != number)
        return std::nullopt;
    return value;
}

} // namespace

std::optional<DealCellReading> ReadDealCell(int side, const SheetCell& cell)
{
    for (std::size_t k = 0; k < kDealTexts.size(); ++k) {
        const auto text = static_cast<SheetText>(k);
        const std::optional<int> value = Unfilled(kDealTexts[k].text, cell.text);
        if (value && DealCell(side, text, *value) == cell)
            return DealCellReading { text, *value };
    }
    return std::nullopt;
}

SheetCell DealCell(int side, SheetText text, int value)
{
    const IndentedText& entry = kDealTexts[static_cast<std::size_t>(text)];
    return { Filled(entry.text, value), side == kComputer ? entry.computerIndent : entry.humanIndent };
}

bool SheetDropsPage(int lastRow)
{
    return lastRow >= kSheetKeptRows;
}

int NextSheetRow(int lastRow)
{
    const int next = std::clamp(lastRow, 0, kSheetLastRow) + 1;
    return SheetDropsPage(lastRow) ? next - kSheetPageRows : next;
}

int FirstRowOfPage(int row)
{
    if (row < 1)
        return 1;
    return (row - 1) / kSheetPageRows * kSheetPageRows + 1;
}

GameOutcome OutcomeOf(int humanTotal, int computerTotal)
{
    if (humanTotal > computerTotal)
        return GameOutcome::HumanWins;
    if (humanTotal < computerTotal)
        return GameOutcome::ComputerWins;
    return GameOutcome::Drawn;
}

std::string ResultWord(GameOutcome outcome)
{
    switch (outcome) {
    case GameOutcome::HumanWins:
        return kWon;
    case GameOutcome::ComputerWins:
        return kLost;
    case GameOutcome::Drawn:
        break;
    }
    return kDrawn;
}

long long MarginOf(int humanTotal, int computerTotal)
{
    return static_cast<long long>(humanTotal) - computerTotal;
}

GameEndRows GameEndRowsOf(int humanTotal, int computerTotal)
{
    const long long margin = MarginOf(humanTotal, computerTotal);
    const std::string zero = "0";
    switch (OutcomeOf(humanTotal, computerTotal)) {
    case GameOutcome::HumanWins:
        return { { { kWon, kHumanResultIndent }, { kLost, kComputerLostIndent } },
            { { std::to_string(margin), kHumanMarginIndent }, { zero, kComputerZeroIndent } } };
    case GameOutcome::ComputerWins:
        return { { { kLost, kHumanResultIndent }, { kWon, kComputerWonIndent } },
            { { zero, kHumanZeroIndent }, { std::to_string(-margin), kComputerMarginIndent } } };
    case GameOutcome::Drawn:
        break;
    }
    return { { { kDrawn, kHumanDrawnIndent }, { kDrawn, kComputerDrawnIndent } },
        { { zero, kHumanZeroIndent }, { zero, kComputerZeroIndent } } };
}

GameEndPlaces GameEndPlacesOf(int dealRows)
{
    const int last = std::max(dealRows, 0);
    const int firstRow = FirstRowOfPage(last);
    const int place = last - firstRow + 1;
    if (place + kMarginBelowLast <= kSheetPageRows)
        return { firstRow, place, place + kResultBelowLast, place + kMarginBelowLast };
    // The panel shows the page from a later row instead, so that the last deal row stands
    // right above the totals that end the game.
    constexpr int kLastPlace = kSheetPageRows - kMarginBelowLast;
    return { last - kLastPlace + 1, kLastPlace, kLastPlace + kResultBelowLast,
        kLastPlace + kMarginBelowLast };
}
