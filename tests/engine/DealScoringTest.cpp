#include "engine/DealScoring.h"
#include "engine/CardTable.h"

#include <gtest/gtest.h>

#include <ostream>

void PrintTo(const SheetCell& cell, std::ostream* out)
{
    *out << '"' << cell.text << "\" at " << cell.indent;
}

void PrintTo(const GameScore& s, std::ostream* out)
{
    *out << "human " << s.human.total << "/" << s.human.baits << ", computer " << s.computer.total << "/"
         << s.computer.baits << ", tie " << s.hangingTie << " hanging " << s.hangingPoints;
}

namespace {

/// A side's score: total and baits.
SideScore Side(int total, int baits = 0)
{
    return { total, baits };
}

const SheetCell kHumanNoTrick { "Нет взяток (-100)", 115 };
const SheetCell kComputerNoTrick { "Нет взяток (-100)", 31 };

/// One deal scored from a game score: what the score and the sheet row become.
struct ContractCase {
    const char* what;
    GameScore before;
    DealPoints deal;
    GameScore after;
    SheetRow row;
};

TEST(DealScoringTest, ContractRulesWithWorkedNumbers)
{
    const ContractCase cases[] {
        { "the human makes his contract", { Side(0), Side(0) }, { kHuman, 100, 62, true, true },
            { Side(100), Side(62) }, { { "100", 83 }, { "62", 63 } } },
        { "an opponent without a trick keeps nothing it declared and loses 100", { Side(40), Side(30) },
            { kHuman, 182, 50, true, false }, { Side(222), Side(-70) }, { { "222", 83 }, kComputerNoTrick } },
        { "the computer fails: the human takes both sides' points, the computer's total stays",
            { Side(200), Side(150) }, { kComputer, 92, 70, true, true }, { Side(362), Side(150, 1) },
            { { "362", 83 }, { "1 бейт", 55 } } },
        { "the second bait", { Side(0, 1), Side(0) }, { kHuman, 60, 102, true, true },
            { Side(0, 2), Side(162) }, { { "2 бейт", 91 }, { "162", 63 } } },
        { "the third bait costs 100 and starts the count again", { Side(300), Side(120, 2) },
            { kComputer, 112, 50, true, true }, { Side(462), Side(20, 0) },
            { { "462", 83 }, { "3 бейт (-100)", 43 } } },
        { "a third bait without a trick costs 200 and reads as no trick", { Side(0), Side(40, 2) },
            { kComputer, 162, 20, true, false }, { Side(182), Side(-160, 0) },
            { { "182", 83 }, kComputerNoTrick } },
        { "a tie: the taker's points hang, the opponent scores its own", { Side(10), Side(20) },
            { kHuman, 81, 81, true, true }, { Side(10), Side(101), kHuman, 81 },
            { { "Висячий бейт", 111 }, { "101", 63 } } },
        { "a tie whose opponent took no trick: its points, then the penalty", { Side(0), Side(0) },
            { kComputer, 20, 20, false, true }, { Side(-80), Side(0), kComputer, 20 },
            { kHumanNoTrick, { "Висячий бейт", 35 } } },
        { "hanging points go to the next taker who makes it", { Side(10), Side(101), kHuman, 81 },
            { kComputer, 62, 100, true, true }, { Side(72), Side(282) }, { { "72", 83 }, { "282", 63 } } },
        { "hanging points go to the opponent of a taker who fails", { Side(10), Side(101), kHuman, 81 },
            { kComputer, 102, 60, true, true }, { Side(253), Side(101, 1) },
            { { "253", 83 }, { "1 бейт", 55 } } },
        { "a second tie drops the first tie's points", { Side(10), Side(101), kHuman, 81 },
            { kComputer, 70, 70, true, true }, { Side(80), Side(101), kComputer, 70 },
            { { "80", 83 }, { "Висячий бейт", 35 } } },
        { "six trumps of the first hand, with points hanging", { Side(0), Side(0), kComputer, 40 },
            { kHuman, 360, 0, true, true }, { Side(400), Side(0) }, { { "400", 83 }, { "0", 63 } } },
        { "six trumps of the other side: the first hand fails", { Side(0), Side(0) },
            { kHuman, 0, 360, true, true }, { Side(0, 1), Side(360) }, { { "1 бейт", 91 }, { "360", 63 } } },
        { "a total below zero keeps its sign", { Side(-150), Side(0) }, { kComputer, 62, 100, true, true },
            { Side(-88), Side(100) }, { { "-88", 83 }, { "100", 63 } } },
    };
    for (const ContractCase& c : cases) {
        GameScore score = c.before;
        const SheetRow row = ScoreContract(score, c.deal);
        EXPECT_EQ(score, c.after) << c.what;
        EXPECT_EQ(row.human, c.row.human) << c.what;
        EXPECT_EQ(row.computer, c.row.computer) << c.what;
    }
}

TEST(DealScoringTest, HangingPointsAreReadOnlyWhileATieHangs)
{
    GameScore score { Side(0), Side(0), g_noHangingTie, 500 };
    ScoreContract(score, { kHuman, 100, 62, true, true });
    EXPECT_EQ(score.human.total, 100);
    EXPECT_EQ(score.hangingPoints, 0);
}

} // namespace
