#include "app/files/PositionChecks.h"
#include "app/files/SavedPosition.h"

#include "engine/DealScoring.h"
#include "engine/GameState.h"
#include "engine/ScoreSheet.h"

#include <optional>

namespace {

using namespace saved;

const QString kScore = QStringLiteral("со счётом");

/// A side's cell of a row, read back as the engine writes it.
std::optional<DealCellReading> CellOf(const SavedPosition& p, int row, int side)
{
    const SavedRow& cells = p.game().rows[static_cast<std::size_t>(row)];
    const SheetCell cell = side == kHuman ? SheetCell { cells.human.toStdString(), cells.humanIndent }
                                          : SheetCell { cells.computer.toStdString(), cells.computerIndent };
    std::optional<DealCellReading> reading = ReadDealCell(side, cell);
    // A bait counter is 1 or 2 between deals; the third costs 100 and starts it again.
    if (reading && reading->text == SheetText::Bait
        && (reading->value < 1 || reading->value >= kBaitsPenalised))
        return std::nullopt;
    if (reading && reading->text == SheetText::BaitPenalty && reading->value != kBaitsPenalised)
        return std::nullopt;
    return reading;
}

/// Every row is one the scoring writes: each cell a total, a bait, the tie or the penalty
/// for no trick, at its own indent.
QString RowsProblem(const SavedPosition& p)
{
    for (int row = 1; row <= p.value(kSheetRowCount); ++row)
        if (!CellOf(p, row, kHuman) || !CellOf(p, row, kComputer))
            return QStringLiteral("строка счёта %1 не из тех, что пишет игра").arg(row);
    return {};
}

/// A side's values against the last deal row, which the last scored deal wrote: a total
/// shown is the side's total, a bait shown its counter, and a tie shown is the one that
/// hangs. A tie hangs only with its row: the tied taker's cell says so, unless it took no
/// trick and the penalty took its place.
int FirstOffLastRow(const SavedPosition& p, int side)
{
    const std::optional<DealCellReading> last = CellOf(p, p.value(kSheetRowCount), side);
    const int total = side == kHuman ? kHumanTotal : kComputerTotal;
    const int baits = side == kHuman ? kHumanBaits : kComputerBaits;
    const bool tie = p.value(kHangingTie) == side;
    switch (last->text) {
    case SheetText::Total:
        return p.value(total) != last->value ? total : tie ? kHangingTie : 0;
    case SheetText::Bait:
        return p.value(baits) != last->value ? baits : tie ? kHangingTie : 0;
    case SheetText::BaitPenalty:
        return p.value(baits) != 0 ? baits : tie ? kHangingTie : 0;
    case SheetText::HangingTie:
        return tie ? 0 : kHangingTie;
    case SheetText::NoTrick:
        break;
    }
    return 0;
}

/// The tied taker's points hang: they equal what its opponent scored in that deal, which
/// shows where the opponent's totals before and after it do.
int FirstOffHanging(const SavedPosition& p)
{
    const int tie = p.value(kHangingTie);
    if (tie == g_noHangingTie)
        return 0;
    const int points = p.value(kHangingPoints);
    if (points <= 0)
        return kHangingPoints;
    const int opponent = tie == kHuman ? kComputer : kHuman;
    const int row = p.value(kSheetRowCount);
    const std::optional<DealCellReading> after = CellOf(p, row, opponent);
    const std::optional<DealCellReading> before
        = row == 1 ? DealCellReading { SheetText::Total, 0 } : CellOf(p, row - 1, opponent);
    if (after->text == SheetText::Total && before->text == SheetText::Total
        && static_cast<long long>(after->value) - before->value != points)
        return kHangingPoints;
    return 0;
}

/// The game's score: a game with no row yet has scored nothing; otherwise its last row
/// tells the totals, baits and tie. The row counter is the row last written.
int FirstOffScore(const SavedPosition& p)
{
    if (p.value(kSheetRow) != p.value(kSheetRowCount))
        return kSheetRow;
    if (p.value(kSheetRowCount) == 0) {
        for (const int n : { kHumanTotal, kComputerTotal, kHumanBaits, kComputerBaits, kHangingTie })
            if (p.value(n) != 0)
                return n;
        return 0;
    }
    for (const int side : { kHuman, kComputer })
        if (const int n = FirstOffLastRow(p, side); n != 0)
            return n;
    return FirstOffHanging(p);
}

/// A game's end: the final panel and the empty table after it hold the totals the game ended
/// at, or the score a change of player cleared since. Every other deal's result has its row.
QString GameEndProblem(const SavedPosition& p)
{
    const bool ended
        = ScoreAfterGameEnd(p.value(kHumanTotal), p.value(kComputerTotal), p.value(kSheetRowCount));
    if (p.waiting() == Waiting::kEmptyTable)
        return ended ? QString() : QStringLiteral("сдача окончена без кнопки, а партия нет");
    if (p.value(kGameOver) == 1 && !ended)
        return Mismatch(p, kGameOver, kScore);
    if (p.stands({ PromptState::kDealResult }) && p.value(kGameOver) == 0 && p.value(kSheetRowCount) == 0)
        return Mismatch(p, kSheetRowCount, kScore);
    return {};
}

} // namespace

QString ScoreProblem(const SavedPosition& p)
{
    if (QString problem = RowsProblem(p); !problem.isEmpty())
        return problem;
    if (const int n = FirstOffScore(p); n != 0)
        return Mismatch(p, n, kScore);
    return GameEndProblem(p);
}
