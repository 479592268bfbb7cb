#include "support/TableFixture.h"

#include "app/Globals.h"
#include "app/Layout.h"
#include "app/Spots.h"
#include "app/drawing/TableDrawing.h"
#include "engine/CardTable.h"
#include "engine/GameState.h"
#include "engine/PromptState.h"

namespace {

using platform::Rect;
using platform::RGB;

/// On a 1024 x 768 table c = 512, cy = 384, the middle line is 344, the upper 239 and the
/// lower 449; answer A's caption stands at x = 256 and answer B's at 768.
class PromptDrawingTest : public TableTest {
protected:
    Rect a() const { return table_->m_rcButton1; }
    Rect b() const { return table_->m_rcButton2; }
    std::array<Rect, 3> suits() const { return { table_->m_rcSuit1, table_->m_rcSuit2, table_->m_rcSuit3 }; }
    /// A suit button's rectangle around its glyph origin (x, y).
    static Rect suitAt(int x, int y) { return { x - 25, y - 20, x + 13, y + 22 }; }
};

TEST_F(PromptDrawingTest, CaptionButtonsOfEveryPrompt)
{
    struct Case {
        PromptState state;
        Rect a;
        std::optional<Rect> b;
    };
    const Rect acknowledge { 452, 324, 572, 364 }; // image 34 (half width 60) at the centre
    const Rect yes { 191, 429, 321, 469 }; // image 32 (65) at the left caption
    const Rect no { 683, 429, 853, 469 }; // image 33 (85) at the right caption
    using enum PromptState;
    const Case cases[] = {
        { kHumanBidsFirst, { 213, 429, 299, 469 }, Rect { 743, 429, 793, 469 } },
        { kComputerBidFirst, acknowledge, {} },
        { kSevenExchangeOffer, { 211, 429, 301, 469 }, Rect { 708, 429, 828, 469 } },
        { kComputerExchangedSeven, acknowledge, {} },
        { kComputerAnsweredPass, acknowledge, {} },
        { kHumanAnswersPass, { 213, 429, 299, 469 }, Rect { 743, 429, 793, 469 } },
        { kComputerNamedAfterPass, acknowledge, {} },
        { kComputerNamedFirst, acknowledge, {} },
        { kComputerPassedAgain, acknowledge, {} },
        { kHumanDeclares, yes, no },
        { kComputerDeclares, acknowledge, {} },
        { kBothDeclare, yes, no },
        { kPairOnAnswer, yes, no },
        { kPairOnLead, yes, no },
        { kHumanSixTrumps, { 452, 429, 572, 469 }, {} },
        { kComputerSixTrumps, acknowledge, {} },
    };
    g_trumpSuit = 2;
    g_shownAnnouncement1 = image::kComputerTakes;
    g_shownAnnouncement2 = image::kComputerFifty;
    for (const Case& c : cases) {
        table_->m_rcButton1 = {};
        table_->m_rcButton2 = {};
        pose(c.state);
        EXPECT_EQ(a(), c.a) << static_cast<int>(c.state);
        EXPECT_EQ(b(), c.b.value_or(Rect {})) << static_cast<int>(c.state);
        EXPECT_EQ(table_->m_announcementColour, kTestAnnouncement) << static_cast<int>(c.state);
    }
}

TEST_F(PromptDrawingTest, ImagesStandAtTheirSpotsAndCaptionsInTheirColour)
{
    g_trumpSuit = 1;
    pose(PromptState::kHumanBidsFirst);
    // The test images are 7 x 5 blocks around their spots.
    EXPECT_EQ(bounds(table_->m_dcBuffer, kTestAnnouncement), (Rect { 509, 342, 516, 347 }));
    EXPECT_EQ(bounds(table_->m_dcBuffer, kTestCaption), (Rect { 253, 447, 772, 452 }));
    EXPECT_EQ(g_announcement, image::kCaptionPass);

    g_shownAnnouncement1 = image::kComputerTwenty;
    g_shownAnnouncement2 = image::kComputerFifty;
    pose(PromptState::kBothDeclare);
    EXPECT_EQ(bounds(table_->m_dcBuffer, kTestAnnouncement), (Rect { 509, 237, 516, 347 }));
    EXPECT_EQ(g_announcement, image::kCaptionNo);
}

TEST_F(PromptDrawingTest, TheComputersBidStaysTheAnnouncementOfItsAcknowledgement)
{
    g_shownAnnouncement1 = image::kComputerPasses;
    pose(PromptState::kComputerAnsweredPass, image::kComputerPasses);
    EXPECT_EQ(g_announcement, image::kComputerPasses);
    EXPECT_EQ(bounds(table_->m_dcBuffer, kTestAnnouncement), (Rect { 509, 237, 516, 242 }));
}

TEST_F(PromptDrawingTest, SuitButtonsOnBothSidesOfTheNarrowRule)
{
    struct Case {
        int width;
        PromptState state;
        std::array<int, 3> x;
        std::optional<Rect> pass;
    };
    using enum PromptState;
    const Case cases[] = {
        // Wide: the pass caption at c + c / 2; the suits spread between h and it.
        { 1024, kHumanNamesOrPasses, { 256, 426, 598 }, Rect { 743, 429, 793, 469 } },
        { 1024, kHumanMustName, { 256, 512, 768 }, {} },
        { 900, kHumanNamesOrPasses, { 225, 375, 525 }, Rect { 650, 429, 700, 469 } },
        { 900, kHumanMustName, { 225, 450, 675 }, {} },
        // Narrow: the pass caption moves in to c + c / 3 and pulls prompt 7's suits closer;
        // prompt 11 keeps c + c / 2.
        { 899, kHumanNamesOrPasses, { 224, 348, 474 }, Rect { 573, 429, 623, 469 } },
        { 899, kHumanMustName, { 224, 448, 673 }, {} },
    };
    g_otherSuit1 = 1;
    g_otherSuit2 = 3;
    g_otherSuit3 = 4;
    for (const Case& c : cases) {
        layOut(c.width, 768);
        table_->m_rcButton2 = {};
        table_->OfferSuitButtons(c.state);
        table_->m_dcBuffer.bitBlt(0, 0, g_clientWidth, g_clientHeight, table_->m_dcTable, 0, 0);
        pose(c.state);
        for (std::size_t i = 0; i < 3; ++i) {
            EXPECT_EQ(suits()[i], suitAt(c.x[i], 439)) << c.width << " state " << static_cast<int>(c.state);
        }
        EXPECT_EQ(b(), c.pass.value_or(Rect {})) << c.width << " state " << static_cast<int>(c.state);
    }
    // Each glyph is the suit its button offers, in that suit's colour.
    EXPECT_EQ(g_offeredSuit1, 1);
    EXPECT_EQ(g_offeredSuit2, 3);
    EXPECT_EQ(g_offeredSuit3, 4);
    EXPECT_EQ(table_->m_dcBuffer.getPixel(224, 439), RGB(255, 0, 0));
    EXPECT_EQ(table_->m_dcBuffer.getPixel(448, 439), RGB(0, 0, 0));
}

TEST_F(PromptDrawingTest, PairQuestionShowsTheTrickOverAClosedRow)
{
    g_humanCount = 4;
    for (int k = 1; k <= 4; ++k)
        g_humanHand[static_cast<std::size_t>(k)] = k;
    g_handIndex = 2;
    g_computerTableCard = 30;
    pose(PromptState::kPairOnAnswer, image::kCaptionNo);
    // The answer lies 21 right of and 27 below the computer's card.
    EXPECT_EQ(bounds(table_->m_dcBuffer, FaceColour(30)), cardAt(476, 283));
    EXPECT_EQ(bounds(table_->m_dcBuffer, FaceColour(2)), cardAt(497, 310));
    // Three cards left in the row, spaced as a six-card row and moved to the middle.
    const RowSpacing row = SpaceRow(3, 1024, true);
    EXPECT_EQ(std::pair(g_humanCardStep, g_humanGap), std::pair(row.step, row.gap));
    EXPECT_EQ(bounds(table_->m_dcBuffer, FaceColour(3)), cardAt(row.gap + row.step + row.gap, 554));
    // The question's top layer is green, one pixel right of and below its spot (c, M - 72).
    EXPECT_EQ(bounds(table_->m_dcBuffer, RGB(0, 240, 0)), (Rect { 510, 271, 517, 276 }));

    pose(PromptState::kPairOnLead, image::kCaptionNo);
    EXPECT_EQ(bounds(table_->m_dcBuffer, FaceColour(2)), cardAt(476, 283));
    EXPECT_FALSE(bounds(table_->m_dcBuffer, FaceColour(30)));
}

TEST_F(PromptDrawingTest, AnsweredPromptsLeaveNothingButTheOverlaysStand)
{
    g_trumpSuit = 1;
    table_->m_rcButton1 = { 1, 2, 3, 4 };
    for (int state = 1; state <= 17; ++state) {
        pose(static_cast<PromptState>(state), image::kNone);
        EXPECT_EQ(differences(table_->m_dcBuffer, table_->m_dcTable), 0) << state;
        EXPECT_EQ(a(), (Rect { 1, 2, 3, 4 })) << state;
    }
    // The close mark of the score sheet: 30 x 30 at (c + 160, cy - 210).
    pose(PromptState::kScoreSheet, image::kNone);
    EXPECT_EQ(a(), (Rect { 672, 174, 702, 204 }));
    EXPECT_EQ(g_announcement, image::kCaptionAcknowledge);
    pose(PromptState::kStatistics, image::kNone);
    EXPECT_EQ(a(), (Rect { 772, 234, 802, 264 }));
    EXPECT_EQ(g_promptState, PromptState::kStatistics);
}

TEST_F(PromptDrawingTest, PanelFrameAndItsShadow)
{
    pose(PromptState::kDealResult);
    EXPECT_EQ(a(), (Rect { 672, 174, 702, 204 }));
    const platform::MemoryDC& dc = table_->m_dcBuffer;
    // The panel inside, the shadow masking the table below-left of it (AND of the colours).
    EXPECT_EQ(dc.getPixel(512 - 100, 384 + 100), table_->m_brush2.colour);
    EXPECT_EQ(dc.getPixel(512 - 160, 384 + 150), RGB(7 & 56, 8 & 56, 9 & 56));
    EXPECT_EQ(dc.getPixel(512 - 170, 384 + 150), kTestTable);
    // Outer grey frame one pixel outside the panel, the bold grey edge inside its right side.
    EXPECT_EQ(dc.getPixel(512 - 151, 384), RGB(160, 160, 160));
    EXPECT_EQ(dc.getPixel(512 + 149, 384), RGB(120, 120, 120));
    // The column divider and the close mark's face.
    EXPECT_EQ(dc.getPixel(512, 384), RGB(100, 100, 100));
    EXPECT_EQ(dc.getPixel(512 + 175, 384 - 205), table_->m_brush6.colour);

    pose(PromptState::kStatistics);
    EXPECT_EQ(dc.getPixel(512 - 251, 384), RGB(160, 160, 160));
    EXPECT_EQ(dc.getPixel(512 - 240, 384 + 100), table_->m_brush2.colour);
}

TEST_F(PromptDrawingTest, SheetRowsFollowThePageAndTheGameEndRows)
{
    // The text cells are filled with the text background: find them by it.
    table_->m_textBackColour = RGB(1, 250, 1);
    for (int row = 1; row <= 30; ++row) {
        g_sheetHuman[static_cast<std::size_t>(row)] = QString::number(row);
        g_sheetHumanIndent[static_cast<std::size_t>(row)] = 40;
    }
    g_sheetRowCount = 30;
    pose(PromptState::kScoreSheet);
    // Rows 23 to 30 from the top of the panel, 15 pixels apart from cy - 173, at their
    // indent left of the centre column.
    const platform::MemoryDC& dc = table_->m_dcBuffer;
    const platform::COLORREF cell = RGB(1, 250, 1);
    EXPECT_EQ(dc.getPixel(512 - 40, 384 - 173), cell);
    EXPECT_NE(dc.getPixel(512 - 41, 384 - 173), cell);
    EXPECT_NE(dc.getPixel(512 - 40, 384 - 174), cell);
    EXPECT_EQ(dc.getPixel(512 - 40, 384 - 173 + 7 * 15), cell);
    EXPECT_NE(dc.getPixel(512 - 40, 384 - 173 + 8 * 15 + 2), cell);

    g_gameOver = 1;
    g_humanTotal = 520;
    g_computerTotal = 300;
    pose(PromptState::kDealResult);
    // 30 rows: the game end's rows follow the page place 8: blank 9, result 10, margin 11,
    // drawn from the totals 5 pixels below the grid; no deal row's cell is touched.
    EXPECT_EQ(dc.getPixel(512 - 100, 384 + 15 * 8 - 168), RGB(100, 100, 100));
    EXPECT_EQ(dc.getPixel(512 - 103, 384 + 15 * 10 - 183), cell);
    EXPECT_NE(dc.getPixel(512 - 104, 384 + 15 * 10 - 183), cell);
    EXPECT_EQ(dc.getPixel(512 - 83, 384 + 15 * 11 - 183), cell);
    EXPECT_EQ(g_sheetHuman[9], QStringLiteral("9"));
    EXPECT_EQ(g_sheetRow, 0);
}

TEST_F(PromptDrawingTest, NamesKeepTheirPlaceWhenTheyFitAndNeverRunIntoWhatFollows)
{
    // A text's cell is filled with the text background: its top row shows where it lies.
    const platform::COLORREF cell = RGB(1, 250, 1);
    table_->m_textBackColour = cell;
    const QString wide = QStringLiteral("ЖЖЖЖЖЖЖЖЖЖЖЖ");
    struct Case {
        PromptState state;
        QString name;
        int y; ///< top row of the name's line
        int from; ///< first column where the name may start
        int x; ///< where it starts, or 0 anywhere from `from` on
        int next; ///< where the computer's header or the next column's rule stands
    };
    using enum PromptState;
    const Case cases[] = {
        { kDealResult, QStringLiteral("ИВАН"), 384 - 200, 512 - 147, 512 - 95 - 16, 512 + 21 },
        { kDealResult, wide, 384 - 200, 512 - 147, 0, 512 + 21 },
        { kScoreSheet, QStringLiteral("ИВАН"), 384 - 200, 512 - 147, 512 - 77 - 16, 512 + 32 },
        { kScoreSheet, wide, 384 - 200, 512 - 147, 0, 512 + 32 },
        { kStatistics, wide, 384 - 121, 512 - 219, 512 - 219, 512 - 103 },
    };
    g_statRowCount = 1;
    for (const Case& t : cases) {
        g_playerName = t.name;
        g_statName[1] = t.name;
        pose(t.state);
        const platform::MemoryDC& dc = table_->m_dcBuffer;
        int start = t.from;
        while (start < t.next && dc.getPixel(start, t.y) != cell)
            ++start;
        int end = start;
        while (dc.getPixel(end + 1, t.y) == cell)
            ++end;
        const std::string what
            = t.name.toStdString() + " in state " + std::to_string(static_cast<int>(t.state));
        if (t.x != 0) {
            EXPECT_EQ(start, t.x) << what;
        }
        // The whole cell lies between `from` and `next`.
        EXPECT_NE(dc.getPixel(start - 1, t.y), cell) << what;
        EXPECT_LT(start, t.next) << what;
        EXPECT_LT(end, t.next) << what;
    }
}

TEST_F(PromptDrawingTest, StandingAnnouncements)
{
    g_humanLeadsTrick = 1;
    pose(PromptState::kBothDeclare, image::kNone);
    EXPECT_EQ(bounds(table_->m_dcBuffer, kTestAnnouncement), (Rect { 509, 342, 516, 347 }));
    EXPECT_EQ(g_announcement, image::kNone);

    // The computer's pair stays up under an overlay opened over it, and the overlay's
    // close mark stays live.
    g_humanLeadsTrick = 0;
    g_computerPairShown = 1;
    pose(PromptState::kScoreSheet, image::kNone);
    EXPECT_EQ(bounds(table_->m_dcBuffer, RGB(0, 240, 0)), (Rect { 510, 271, 517, 276 }));
    EXPECT_EQ(g_announcement, image::kCaptionAcknowledge);
    EXPECT_EQ(table_->m_announcementColour, kTestAnnouncement);
}

} // namespace
