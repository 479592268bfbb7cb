#include "support/TableFixture.h"

#include "platform/Cp1251.h"
#include "platform/Pause.h"

#include <QDir>
#include <QFile>

namespace {

using platform::Rect;

/// The panels' text cells are filled with this background, so a test finds them by it.
constexpr platform::COLORREF kCell = platform::RGB(1, 250, 1);

/// What an overlay saves and its close puts back: the prompt state, its image, whether the
/// human may play a card and whether he leads.
using Prompt = std::tuple<PromptState, int, int, int>;
Prompt inForce()
{
    return { g_promptState, g_announcement, g_humanMayPlay, g_humanLeadsTrick };
}

/// An overlay command with what tells it apart; its close mark on the 1024 x 768 table.
struct Overlay {
    void (CVertanDlg::*open)();
    PromptState state;
    Rect closeMark;
    int& openFlag;
    std::tuple<PromptState&, int&, int&, int&> saved;
};
const Overlay kSheet { &CVertanDlg::OnShowScore, PromptState::kScoreSheet, { 672, 174, 702, 204 },
    g_sheetOpen,
    std::tie(g_sheetSavedPrompt, g_sheetSavedAnnouncement, g_sheetSavedMayPlay, g_sheetSavedLeads) };
const Overlay kStatistics { &CVertanDlg::OnShowStatistics, PromptState::kStatistics, { 772, 234, 802, 264 },
    g_statsOpen,
    std::tie(g_statsSavedPrompt, g_statsSavedAnnouncement, g_statsSavedMayPlay, g_statsSavedLeads) };

/// A pause that runs a check at every sleep instead of sleeping.
class SleepHook final : public platform::Pause {
public:
    explicit SleepHook(std::function<void()> hook)
        : hook_(std::move(hook))
    {
    }
    void sleep(int) override { hook_(); }

private:
    std::function<void()> hook_;
};

/// The score sheet and the statistics table of level 2, long game, over the table.
class OverlaysTest : public TableCommandTest {
protected:
    void SetUp() override
    {
        TableCommandTest::SetUp();
        std::tie(g_level, g_animation, table_->m_textBackColour) = std::tuple(2, 0, kCell);
    }
    void open(const Overlay& overlay) { (table_.get()->*overlay.open)(); }
    /// Hovers the close mark of the overlay in force and clicks it.
    void closeOverlay()
    {
        const Point mark = centreOf(table_->m_rcButton1);
        table_->OnMouseMove(mark.x, mark.y);
        table_->OnLButtonDown(mark.x, mark.y);
    }
    const platform::MemoryDC& window() const { return table_->surface().dc(); }
    bool cellAt(int x, int y) const { return window().getPixel(x, y) == kCell; }
    void writeStatistics(const QString& text) const
    {
        folder_.write(QStringLiteral("Stat/stsrb.sta"), platform::ToCp1251(text));
    }
    static QString record(const QString& name, int margin)
    {
        return name + QStringLiteral(" Выиграл %1 Большая(1001) Игрок\r\n").arg(margin);
    }
    /// The computer's declaration, acknowledged with button A, while the human is to lead,
    /// three cards against three.
    Prompt poseLead()
    {
        g_trumpSuit = 1;
        SetCardValues();
        g_humanCount = g_computerCount = 3;
        for (const int k : { 1, 2, 3 }) {
            g_cards[g_humanHand[k] = CardOf(kRankSeven + k, k + 1)].location() = kInHumanHand;
            g_cards[g_computerHand[k] = CardOf(kRankJack + k, k + 1)].location() = kInComputerHand;
        }
        std::tie(g_toMove, g_humanMayPlay, g_humanLeadsTrick) = std::tuple(kHuman, 1, 1);
        pose(PromptState::kComputerDeclares, image::kCaptionAcknowledge);
        return inForce();
    }
};

TEST_F(OverlaysTest, EachOverlaySavesThePromptTakesTheCardsAwayAndItsCloseMarkPutsThemBack)
{
    const Prompt leading = poseLead();
    const Rect acknowledge = table_->m_rcButton1;
    const Point third = centreOf(g_humanCardRects[3]);
    for (const Overlay& overlay : { kSheet, kStatistics }) {
        open(overlay);
        EXPECT_EQ(std::tuple(overlay.openFlag, Prompt(overlay.saved), inForce(), table_->m_rcButton1),
            std::tuple(
                1, leading, Prompt { overlay.state, image::kCaptionAcknowledge, 0, 0 }, overlay.closeMark));
        // The close mark's face, above its cross, is on the window, which shows the back buffer.
        EXPECT_EQ(window().getPixel(overlay.closeMark.left + 15, overlay.closeMark.top + 3),
            table_->m_brush6.colour);
        EXPECT_EQ(differences(window(), table_->m_dcBuffer), 0);
        table_->OnLButtonDown(third.x, third.y);
        EXPECT_EQ(g_handIndex, 0) << "a card under the overlay plays nothing";

        closeOverlay();
        EXPECT_EQ(std::tuple(overlay.openFlag, inForce(), table_->m_rcButton1),
            std::tuple(0, leading, acknowledge));
        // The lead label stands again at the centre, and the prompt's own button is live.
        EXPECT_EQ(bounds(table_->m_dcBuffer, kTestAnnouncement), (Rect { 509, 342, 516, 347 }));
        table_->OnMouseMove(centreOf(acknowledge).x, centreOf(acknowledge).y);
        EXPECT_EQ(g_hotButton, PromptButton::kAckComputerDeclares);
    }
    table_->OnLButtonDown(third.x, third.y);
    EXPECT_EQ(g_cards[CardOf(kRankTen, 4)].status(), kStatusPlayed);
}

TEST_F(OverlaysTest, OneOverlayOverTheOtherClosesBackOntoItAndAnOverlayUpOpensNoMore)
{
    writeStatistics(record(QStringLiteral("Оля"), 120));
    g_animation = 1;
    for (const auto& [lower, upper] :
        { std::tuple { kSheet, kStatistics }, std::tuple { kStatistics, kSheet } }) {
        const Prompt leading = poseLead();
        open(lower);
        open(upper);
        const Prompt overLower { lower.state, image::kCaptionAcknowledge, 0, 0 };
        EXPECT_EQ(std::tuple(Prompt(lower.saved), Prompt(upper.saved), table_->m_rcButton1),
            std::tuple(leading, overLower, upper.closeMark));
        // Both commands again: neither saves, pauses nor draws anything.
        const platform::MemoryDC before = window();
        const int pauses = platform_.pause.count;
        open(lower);
        open(upper);
        EXPECT_EQ(std::tuple(Prompt(lower.saved), Prompt(upper.saved), g_promptState, platform_.pause.count),
            std::tuple(leading, overLower, upper.state, pauses));
        EXPECT_EQ(differences(window(), before), 0);

        closeOverlay();
        EXPECT_EQ(std::tuple(upper.openFlag, lower.openFlag, g_promptState, table_->m_rcButton1),
            std::tuple(0, 1, lower.state, lower.closeMark));
        closeOverlay();
        EXPECT_EQ(std::tuple(lower.openFlag, inForce()), std::tuple(0, leading));
    }
    // The statistics table was drawn again from its columns when the sheet over it closed.
    EXPECT_EQ(g_statName[1], QStringLiteral("Оля"));

    // A game loaded while an overlay was up stands in its state with the flag down: the
    // command must not save the overlay as the prompt to go back to.
    for (const Overlay& overlay : { kSheet, kStatistics }) {
        const Prompt saved = Prompt(overlay.saved);
        pose(overlay.state);
        open(overlay);
        EXPECT_EQ(std::tuple(Prompt(overlay.saved), overlay.openFlag), std::tuple(saved, 0));
    }
}

TEST_F(OverlaysTest, TheFrameGrowsOnTheWindowOnlyWithTheAnimationAndThePanelReplacesIt)
{
    // 11 frames from two steps to twelve: the sheet by (15, 21, 15, 17) a step, the
    // statistics table by (23, 14, 23, 14); then a pause, one step back and a shorter pause.
    for (const int animation : { 1, 0 })
        for (const auto& [overlay, first, last] :
            { std::tuple(kSheet, Rect { 482, 342, 542, 418 }, Rect { 332, 132, 692, 588 }),
                std::tuple(kStatistics, Rect { 466, 356, 558, 412 }, Rect { 236, 216, 788, 552 }) }) {
            g_animation = animation;
            pose(PromptState::kComputerExchangedSeven);
            std::vector<std::optional<Rect>> frames;
            SleepHook hook([&] { frames.push_back(bounds(window(), table_->m_brush2.colour)); });
            platform::ServiceSlot<platform::Pause>::install(&hook);
            open(overlay);
            platform::ServiceSlot<platform::Pause>::install(&platform_.pause);
            EXPECT_EQ(frames.size(), animation ? 13U : 0U);
            if (animation) {
                EXPECT_EQ(std::tuple(frames[0], frames[10], frames[12]), std::tuple(first, last, last));
            }
            EXPECT_EQ(std::tuple(differences(window(), table_->m_dcBuffer), window().getPixel(412, 484)),
                std::tuple(0, table_->m_brush2.colour));
            closeOverlay();
        }
}

TEST_F(OverlaysTest, TheSheetShowsTheNameAndTheRowsAtTheirIndents)
{
    std::tie(g_playerName, g_nameHeaderX2, g_sheetRowCount) = std::tuple("Иван", 512 - 77 - 16, 2);
    for (const int row : { 1, 2 })
        std::tie(g_sheetHuman[row], g_sheetComputer[row], g_sheetHumanIndent[row], g_sheetComputerIndent[row])
            = std::tuple("10", "20", 40, 60);
    table_->OnShowScore();
    // The headers at cy - 200, the name where it was placed; rows from cy - 173, 15 apart.
    EXPECT_EQ(std::tuple(cellAt(418, 184), cellAt(419, 184), cellAt(544, 184), cellAt(471, 226),
                  cellAt(472, 226), cellAt(571, 226), cellAt(572, 226), cellAt(472, 243)),
        std::tuple(false, true, true, false, true, false, true, false));
}

TEST_F(OverlaysTest, StatisticsShowTheFirstFifteenRecordsThatAGameWritesOfTheFileInForce)
{
    QString twenty;
    for (int k = 1; k <= 20; ++k)
        twenty += record(QStringLiteral("Игрок%1").arg(k), 300 - k);
    // Lines no game writes are left out: a name longer than any cell, a margin that is no
    // number, a word missing, stray bytes. The last record has no line break.
    const QString damaged
        = "ОченьОченьДлинноеИмяКотороеНеВлезетНиВОднуЯчейку Выиграл 5 Большая(1001) Игрок\r\n"
        + record("Оля", 120)
        + "Пётр Выиграл много Большая(1001) Игрок\r\nПётр Выиграл 5 Игрок\r\n\x01\xFF\r\n"
        + "Аня Ничия 0 Большая(1001) Игрок";
    const QString file = folder_.filePath(QStringLiteral("Stat/stsrb.sta"));
    const std::tuple<std::function<void()>, int, QString> cases[] = {
        { [] {}, 0, {} }, // no file of this level and length
        { [&] { writeStatistics(twenty); }, 15, "15 Игрок15 Выиграл 285 Большая(1001) Игрок" },
        { [&] { writeStatistics({}); }, 0, {} }, // emptied: none of the rows read before
        { [&] { writeStatistics(damaged); }, 2, "2 Аня Ничия 0 Большая(1001) Игрок" },
        { [&] { QFile::remove(file) && QDir().mkpath(file); }, 0, {} }, // there but unreadable: a folder
    };
    folder_.write(QStringLiteral("Stat/stprm.sta"), "Другой Выиграл 7 Малая(501) Новичок\r\n");
    for (const auto& [prepare, rows, last] : cases) {
        prepare();
        table_->OnShowStatistics();
        ASSERT_EQ(g_statRowCount, rows);
        const auto k = static_cast<std::size_t>(rows);
        EXPECT_EQ(QStringList({ g_statRowNo[k], g_statName[k], g_statStatus[k], g_statPoints[k],
                                  g_statGame[k], g_statLevel[k] })
                      .join(' '),
            rows ? last : "     ");
        // Headers at cy - 143; rows from cy - 121, 18 apart: the number at c - 242, the name
        // at c - 219; nothing below the last.
        const int y = 263 + 18 * rows;
        EXPECT_EQ(std::tuple(cellAt(322, 241), cellAt(269, y - 18), cellAt(270, y - 18), cellAt(293, y - 18),
                      cellAt(270, y + 2)),
            std::tuple(true, false, rows > 0, rows > 0, false));
        closeOverlay();
    }
}

} // namespace
