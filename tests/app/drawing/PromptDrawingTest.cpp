#include "support/TableFixture.h"

#include "app/Globals.h"
#include "app/Layout.h"
#include "app/drawing/TableDrawing.h"
#include "engine/CardTable.h"
#include "engine/GameState.h"

namespace {

using platform::Rect;
using platform::RGB;
using enum PromptState;

/// On a 1024 x 768 table c = 512, cy = 384, the middle line is 344, the upper 239 and the
/// lower 449; answer A's caption stands at x = 256 and answer B's at 768. The test's images
/// are 7 x 5 blocks around their spots; text cells are filled with their own colour.
class PromptDrawingTest : public TableTest {
protected:
    void SetUp() override
    {
        TableTest::SetUp();
        table_->m_textBackColour = kCell;
    }
    const platform::MemoryDC& dc() const { return table_->m_dcBuffer; }
    bool cellAt(int x, int y) const { return dc().getPixel(x, y) == kCell; }

    static constexpr platform::COLORREF kCell = RGB(1, 250, 1);
};

TEST_F(PromptDrawingTest, EveryPromptDrawsItsImagesAndCaptionsAndMakesTheirButtons)
{
    using Drawn = std::vector<std::pair<platform::COLORREF, std::optional<Rect>>>;
    const Drawn centre { { kTestAnnouncement, Rect { 509, 342, 516, 347 } } };
    const Drawn upper { { kTestAnnouncement, Rect { 509, 237, 516, 242 } } };
    const Rect ack { 452, 324, 572, 364 }; // image 34 (half width 60) at the centre
    const Rect yes { 191, 429, 321, 469 }; // image 32 (65) at the left caption
    const Rect no { 683, 429, 853, 469 }; // image 33 (85) at the right caption
    const Rect take { 213, 429, 299, 469 };
    const Rect pass { 743, 429, 793, 469 };
    // The pair question's top layer is green, one pixel right of and below its spot (c, M -
    // 72), over the trick: the human's answer 21 right of and 27 below the computer's card,
    // and the three cards left in his row 156 apart as in a six-card row, moved to the middle.
    const std::pair<platform::COLORREF, std::optional<Rect>> question { RGB(0, 240, 0),
        Rect { 510, 271, 517, 276 } };
    const struct {
        PromptState state;
        Drawn drawn; ///< where each colour lies
        Rect a;
        Rect b;
        int last; ///< g_announcement afterwards, what the hover goes by
    } rows[] {
        { kHumanBidsFirst, centre, take, pass, image::kCaptionPass },
        { kComputerBidFirst, upper, ack, {}, image::kComputerTakes },
        { kSevenExchangeOffer, centre, { 211, 429, 301, 469 }, { 708, 429, 828, 469 }, image::kCaptionKeep },
        { kComputerExchangedSeven, upper, ack, {}, image::kCaptionAcknowledge },
        { kComputerAnsweredPass, upper, ack, {}, image::kComputerTakes },
        { kHumanAnswersPass, centre, take, pass, image::kCaptionPass },
        { kComputerNamedAfterPass, upper, ack, {}, image::kCaptionAcknowledge },
        { kComputerNamedFirst, upper, ack, {}, image::kCaptionAcknowledge },
        { kComputerPassedAgain, upper, ack, {}, image::kCaptionAcknowledge },
        { kHumanDeclares, centre, yes, no, image::kCaptionNo },
        { kComputerDeclares, upper, ack, {}, image::kCaptionAcknowledge },
        { kBothDeclare, { { kTestAnnouncement, Rect { 509, 237, 516, 347 } } }, yes, no, image::kCaptionNo },
        { kPairOnAnswer,
            { question, { FaceColour(30), cardAt(476, 283) }, { FaceColour(2), cardAt(497, 310) },
                { FaceColour(1), cardAt(313, 554) }, { FaceColour(4), cardAt(625, 554) } },
            yes, no, image::kCaptionNo },
        { kPairOnLead, { question, { FaceColour(2), cardAt(476, 283) }, { FaceColour(30), {} } }, yes, no,
            image::kCaptionNo },
        { kHumanSixTrumps, centre, { 452, 429, 572, 469 }, {}, image::kCaptionAcknowledge },
        { kComputerSixTrumps, upper, ack, {}, image::kCaptionAcknowledge },
    };
    g_trumpSuit = 2;
    g_shownAnnouncement1 = image::kComputerTakes;
    g_shownAnnouncement2 = image::kComputerFifty;
    g_humanHand = { 0, 1, 2, 3, 4 };
    g_humanCount = 4;
    g_handIndex = 2;
    g_computerTableCard = 30;
    for (const auto& row : rows) {
        SCOPED_TRACE("prompt " + std::to_string(static_cast<int>(row.state)));
        table_->m_rcButton1 = {};
        table_->m_rcButton2 = {};
        pose(row.state);
        for (const auto& [colour, rect] : row.drawn)
            EXPECT_EQ(bounds(dc(), colour), rect) << std::hex << colour;
        EXPECT_EQ(table_->m_rcButton1, row.a);
        EXPECT_EQ(table_->m_rcButton2, row.b);
        EXPECT_EQ(g_announcement, row.last);
        EXPECT_EQ(table_->m_announcementColour, kTestAnnouncement);
    }
    pose(kHumanBidsFirst);
    EXPECT_EQ(bounds(dc(), kTestCaption), (Rect { 253, 447, 772, 452 }));
}

TEST_F(PromptDrawingTest, SuitButtonsOnBothSidesOfTheNarrowRule)
{
    // The glyphs' x on the line 10 above the lower one. Wide, prompt 7's pass caption stands
    // at c + c / 2 and its suits spread between h = c / 2 and it; narrow, the caption moves
    // in to c + c / 3 and pulls them closer. Prompt 11 spreads its suits up to c + h.
    const std::tuple<int, PromptState, std::array<int, 3>, Rect> rows[] {
        { 900, kHumanNamesOrPasses, { 225, 375, 525 }, { 650, 429, 700, 469 } },
        { 900, kHumanMustName, { 225, 450, 675 }, {} },
        { 899, kHumanNamesOrPasses, { 224, 348, 474 }, { 573, 429, 623, 469 } },
        { 899, kHumanMustName, { 224, 448, 673 }, {} }
    };
    g_otherSuit1 = 1;
    g_otherSuit2 = 3;
    g_otherSuit3 = 4;
    for (const auto& [width, state, x, pass] : rows) {
        layOut(width, 768);
        table_->m_rcButton2 = {};
        table_->OfferSuitButtons(state);
        pose(state);
        const std::array suits { table_->m_rcSuit1, table_->m_rcSuit2, table_->m_rcSuit3 };
        for (std::size_t i = 0; i < 3; ++i)
            EXPECT_EQ(suits[i], (Rect { x[i] - 25, 419, x[i] + 13, 461 })) << width << " " << i;
        EXPECT_EQ(table_->m_rcButton2, pass) << width;
    }
    // Each glyph is the suit its button offers, in that suit's colour.
    EXPECT_EQ(std::tuple(g_offeredSuit1, g_offeredSuit2, g_offeredSuit3), std::tuple(1, 3, 4));
    EXPECT_EQ(
        std::pair(dc().getPixel(224, 439), dc().getPixel(448, 439)), std::pair(RGB(255, 0, 0), RGB(0, 0, 0)));
}

TEST_F(PromptDrawingTest, AnsweredPromptsLeaveNothingButTheOverlaysAndTheStandingAnnouncementsStand)
{
    g_trumpSuit = 1;
    table_->m_rcButton1 = { 1, 2, 3, 4 };
    for (int state = 1; state <= 17; ++state) {
        pose(static_cast<PromptState>(state), image::kNone);
        EXPECT_EQ(differences(dc(), table_->m_dcTable), 0) << state;
        EXPECT_EQ(table_->m_rcButton1, (Rect { 1, 2, 3, 4 })) << state;
    }
    // The human's lead label stands, and is no button.
    g_humanLeadsTrick = 1;
    pose(kBothDeclare, image::kNone);
    EXPECT_EQ(bounds(dc(), kTestAnnouncement), (Rect { 509, 342, 516, 347 }));
    EXPECT_EQ(g_announcement, image::kNone);
    // The computer's pair stays up under an overlay opened over it, whose close mark stays live.
    g_humanLeadsTrick = 0;
    g_computerPairShown = 1;
    pose(kScoreSheet, image::kNone);
    EXPECT_EQ(bounds(dc(), RGB(0, 240, 0)), (Rect { 510, 271, 517, 276 }));
    EXPECT_EQ(g_announcement, image::kCaptionAcknowledge);
    EXPECT_EQ(table_->m_announcementColour, kTestAnnouncement);
}

TEST_F(PromptDrawingTest, PanelsTheirFramesShadowsAndRows)
{
    pose(kDealResult);
    // The shadow masking the table below-left of the panel (AND of the colours), the grey
    // frame one pixel outside, the bold grey edge inside its right side, the column divider,
    // the close mark's rim 3 pixels round its disc.
    EXPECT_EQ(dc().getPixel(512 - 160, 384 + 150), RGB(7 & 56, 8 & 56, 9 & 56));
    EXPECT_EQ(dc().getPixel(512 - 170, 384 + 150), kTestTable);
    EXPECT_EQ(dc().getPixel(512 - 151, 384), RGB(160, 160, 160));
    EXPECT_EQ(dc().getPixel(512 + 149, 384), RGB(120, 120, 120));
    EXPECT_EQ(dc().getPixel(512, 384), RGB(100, 100, 100));
    EXPECT_EQ(dc().getPixel(704, 189), table_->m_brush4.colour);
    // The statistics: 500 x 300, at most 15 rows 18 apart from cy - 121, a rule 16 below each
    // but the last.
    g_statRowCount = 16;
    g_statName.fill(QStringLiteral("Иван"));
    pose(kStatistics);
    EXPECT_EQ(dc().getPixel(512 - 251, 384), RGB(160, 160, 160));
    EXPECT_EQ(dc().getPixel(512 - 240, 384 + 100), table_->m_brush2.colour);
    EXPECT_TRUE(cellAt(512 - 219, 384 - 121 + 14 * 18));
    EXPECT_EQ(dc().getPixel(612, 384 - 121 + 13 * 18 + 16), RGB(100, 100, 100));
    EXPECT_NE(dc().getPixel(612, 384 - 121 + 14 * 18 + 16), RGB(100, 100, 100));
    // The score sheet's second page: rows 23 to 30 from its top row, 15 apart from cy - 173.
    for (std::size_t row = 1; row <= 30; ++row) {
        g_sheetHuman[row] = QString::number(row);
        g_sheetHumanIndent[row] = 40;
    }
    g_sheetRowCount = 30;
    pose(kScoreSheet);
    EXPECT_TRUE(cellAt(512 - 40, 384 - 173) && cellAt(512 - 40, 384 - 173 + 7 * 15));
    EXPECT_FALSE(cellAt(512 - 40, 384 - 173 + 8 * 15 + 2));
    // At the game end the rows follow the page's place 8: blank 9, result 10, margin 11,
    // drawn from the totals 5 pixels below the grid; no deal row's cell is touched.
    g_gameOver = 1;
    g_humanTotal = 520;
    g_computerTotal = 300;
    pose(kDealResult);
    EXPECT_EQ(dc().getPixel(512 - 100, 384 + 15 * 8 - 168), RGB(100, 100, 100));
    EXPECT_TRUE(cellAt(512 - 103, 384 + 15 * 10 - 183) && cellAt(512 - 83, 384 + 15 * 11 - 183));
    EXPECT_FALSE(cellAt(512 - 104, 384 + 15 * 10 - 183));
    EXPECT_EQ(g_sheetHuman[9], QStringLiteral("9"));
    EXPECT_EQ(g_sheetRow, 0);
    // A final panel loaded over a score cleared since: nothing below the header, no "Ничия".
    std::tie(g_humanTotal, g_computerTotal, g_sheetRowCount) = std::tuple(0, 0, 0);
    pose(kDealResult);
    EXPECT_LT(bounds(dc(), kCell).value().bottom, 384 - 180);
}

TEST_F(PromptDrawingTest, NamesKeepTheirPlaceWhenTheyFitAndNeverRunIntoWhatFollows)
{
    const QString wide = QStringLiteral("ЖЖЖЖЖЖЖЖЖЖЖЖ");
    const struct {
        PromptState state;
        QString name;
        int y; ///< top row of the name's line
        int from; ///< the left of the name's room
        int x; ///< where it starts; 0: moved left to end at the room's end
        int next; ///< where the column line or the next column's rule stands, 4 past the room
    } rows[] {
        { kDealResult, QStringLiteral("ИВАН"), 384 - 200, 512 - 143, 512 - 95 - 16, 512 },
        { kDealResult, wide, 384 - 200, 512 - 143, 512 - 143, 512 }, // condensed
        { kScoreSheet, QStringLiteral("ИВАН"), 384 - 200, 512 - 143, 512 - 77 - 16, 512 },
        { kScoreSheet, QStringLiteral("ЖЖЖЖЖЖЖЖ"), 384 - 200, 512 - 143, 0, 512 },
        { kScoreSheet, wide, 384 - 200, 512 - 143, 512 - 143, 512 }, // condensed
        { kStatistics, wide, 384 - 121, 512 - 219, 512 - 219, 512 - 103 }, // condensed
    };
    g_statRowCount = 1;
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name.toStdString() + " in prompt " + std::to_string(static_cast<int>(row.state)));
        g_playerName = row.name;
        g_statName[1] = row.name;
        pose(row.state);
        int start = row.from;
        while (start < row.next && !cellAt(start, row.y))
            ++start;
        int end = start;
        while (cellAt(end + 1, row.y))
            ++end;
        EXPECT_EQ(start, row.x != 0 ? row.x : start);
        EXPECT_FALSE(cellAt(start - 1, row.y) || cellAt(start, row.y - 1));
        // The name stays inside its room, and a wide one fills it.
        EXPECT_EQ(end, row.x != 0 ? end : row.next - 5);
        EXPECT_LT(end, row.next - 4);
        EXPECT_GE(end, row.name == wide ? row.next - 12 : start);
    }
}

} // namespace
