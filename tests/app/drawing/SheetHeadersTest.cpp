#include "support/TableFixture.h"

#include "app/Globals.h"
#include "engine/GameState.h"

#include <algorithm>
#include <array>

namespace {

using enum PromptState;

/// How a header text stands in its half: where the layout puts it, moved within the half
/// as far as needed, or squeezed to fill the half.
enum class Fit { Kept, Moved, Squeezed };

/// Where a side's header text is to stand: its first column from the centre when kept.
struct Placed {
    Fit fit;
    int at = 0;
};

/// The deal-result panel and the score sheet, looked at along their header line: which
/// columns of the panel carry text (a text cell, or a glyph's ink anywhere beside it).
class SheetHeadersTest : public TableTest {
protected:
    void SetUp() override
    {
        TableTest::SetUp();
        table_->m_textBackColour = kCell;
    }

    /// First and last column from the centre, within [from, to], that carry text on the
    /// header line: between the top bevel and the rule under the headers.
    std::optional<std::pair<int, int>> textIn(int from, int to) const
    {
        const std::array panelColours { table_->m_brush2.colour, g_penLightGrey.colour, g_penGrey.colour,
            g_penDimGrey.colour, g_penGreyBold.colour };
        std::optional<std::pair<int, int>> found;
        for (int dx = from; dx <= to; ++dx)
            for (int y = cy_ - 207; y < cy_ - 180; ++y)
                if (std::ranges::find(panelColours, table_->m_dcBuffer.getPixel(c_ + dx, y))
                    == panelColours.end()) {
                    found = { found ? found->first : dx, dx };
                    break;
                }
        return found;
    }

    /// The width of a text in the panels' own font.
    int naturalWidth(const QString& text) const
    {
        platform::MemoryDC probe(1, 1);
        probe.setFont(table_->m_font);
        return probe.textWidth(text);
    }

    /// A side's text in its half, columns [from, to] from the centre: at its place and at
    /// its natural width when kept; against the half's right end when moved; filling the
    /// half when squeezed.
    void expectPlaced(int from, int to, const QString& text, const Placed& placed) const
    {
        const auto span = textIn(from, to);
        ASSERT_TRUE(span.has_value());
        const auto [first, last] = *span;
        const bool natural = last - first + 1 >= naturalWidth(text);
        switch (placed.fit) {
        case Fit::Kept:
            EXPECT_EQ(std::pair(first, natural), std::pair(placed.at, true));
            break;
        case Fit::Moved:
            EXPECT_TRUE(natural);
            EXPECT_GE(last, to - kSlack) << "moved no further than needed";
            break;
        case Fit::Squeezed:
            EXPECT_FALSE(natural);
            EXPECT_TRUE(first <= from + kSlack && last >= to - kSlack) << "squeezed no more than needed";
            break;
        }
    }

    /// How far from an end of its half a text that was moved or squeezed may stop.
    static constexpr int kSlack = 10;
    int c_ = 0;
    int cy_ = 0;
    static constexpr platform::COLORREF kCell = platform::RGB(1, 250, 1);
};

TEST_F(SheetHeadersTest, NamesAndPointsStayInTheirHalvesInEveryLayout)
{
    const QString wide = QStringLiteral("ЖЖЖЖЖЖЖЖЖЖЖЖ");
    const QString eight = QStringLiteral("ЖЖЖЖЖЖЖЖ");
    const QString twelve = QStringLiteral("Александрова");
    const struct {
        PromptState state;
        QString name;
        int human; ///< deal points, shown on the deal-result panel only
        int computer;
        Placed humanText;
        Placed computerText;
    } rows[] {
        { kDealResult, QStringLiteral("ИВАН"), 61, 52, { Fit::Kept, -111 }, { Fit::Kept, 21 } },
        { kDealResult, QStringLiteral("Я"), 0, 360, { Fit::Kept, -95 }, { Fit::Kept, 21 } },
        { kDealResult, twelve, 162, 0, { Fit::Kept, -143 }, { Fit::Kept, 21 } },
        { kDealResult, eight, 61, 52, { Fit::Moved }, { Fit::Kept, 21 } },
        { kDealResult, wide, 61, 52, { Fit::Squeezed }, { Fit::Kept, 21 } },
        { kDealResult, wide, 360, -100, { Fit::Squeezed }, { Fit::Moved } },
        { kDealResult, QStringLiteral("ШЩЮФЖШЩЮФЖШЩ"), -100, 162, { Fit::Squeezed }, { Fit::Kept, 21 } },
        { kScoreSheet, QStringLiteral("ИВАН"), 0, 0, { Fit::Kept, -93 }, { Fit::Kept, 32 } },
        { kScoreSheet, twelve, 0, 0, { Fit::Kept, -125 }, { Fit::Kept, 32 } },
        { kScoreSheet, eight, 0, 0, { Fit::Moved }, { Fit::Kept, 32 } },
        { kScoreSheet, wide, 0, 0, { Fit::Squeezed }, { Fit::Kept, 32 } },
    };
    // The narrow layout and the wide one place the panel alike, around the table's centre.
    for (const auto& [width, height] : { std::pair(640, 480), std::pair(1024, 768) })
        for (const auto& row : rows) {
            SCOPED_TRACE(QStringLiteral("%1 with %2 : %3 in prompt %4 at width %5")
                             .arg(row.name)
                             .arg(row.human)
                             .arg(row.computer)
                             .arg(static_cast<int>(row.state))
                             .arg(width)
                             .toStdString());
            layOut(width, height);
            std::tie(c_, cy_) = std::pair(width / 2, height / 2);
            std::tie(g_playerName, g_humanDealPoints, g_computerDealPoints)
                = std::tuple(row.name, row.human, row.computer);
            pose(row.state);

            // Nothing on or beside the frame and the left bevel, the column line or the
            // bold right edge.
            EXPECT_EQ(textIn(-151, -147), std::nullopt);
            EXPECT_EQ(textIn(-1, 1), std::nullopt);
            EXPECT_EQ(textIn(147, 151), std::nullopt);
            const bool dealResult = row.state == kDealResult;
            const QString human = dealResult ? row.name + "  " + QString::number(row.human) : row.name;
            const QString computer
                = dealResult ? "КОМПЬЮТЕР  " + QString::number(row.computer) : QStringLiteral("КОМПЬЮТЕР");
            expectPlaced(-146, -2, human, row.humanText);
            expectPlaced(2, 146, computer, row.computerText);
        }
}

} // namespace
