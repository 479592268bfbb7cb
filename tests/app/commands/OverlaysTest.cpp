#include "support/TableFixture.h"

#include "app/Globals.h"
#include "app/drawing/TableDrawing.h"
#include "engine/CardTable.h"
#include "engine/CardValues.h"
#include "engine/GameState.h"
#include "engine/PromptState.h"
#include "engine/Settings.h"
#include "platform/Cp1251.h"
#include "platform/Pause.h"
#include "support/TempFolder.h"

#include <QDir>

#include <functional>
#include <optional>
#include <ostream>
#include <utility>
#include <vector>

namespace {

using platform::Rect;
using platform::RGB;
using B = PromptButton;

/// The close marks on the 1024 x 768 table (centre 512, 384): the score sheet's at
/// (c + 160, cy - 210), the statistics table's at (c + 260, cy - 150).
constexpr Rect kSheetCloseMark { 672, 174, 702, 204 };
constexpr Rect kStatisticsCloseMark { 772, 234, 802, 264 };
/// The panels' text cells are filled with this background, so a test finds them by it.
constexpr platform::COLORREF kCell = RGB(1, 250, 1);

/// The four values an overlay saves and its close puts back.
struct Prompt {
    PromptState state;
    int announcement;
    int mayPlay;
    int leads;
    bool operator==(const Prompt&) const = default;
};

void PrintTo(const Prompt& p, std::ostream* out)
{
    *out << "{state " << static_cast<int>(p.state) << ", image " << p.announcement << ", may play "
         << p.mayPlay << ", leads " << p.leads << "}";
}

Prompt inForce()
{
    return { g_promptState, g_announcement, g_humanMayPlay, g_humanLeadsTrick };
}
Prompt sheetSaved()
{
    return { g_sheetSavedPrompt, g_sheetSavedAnnouncement, g_sheetSavedMayPlay, g_sheetSavedLeads };
}
Prompt statsSaved()
{
    return { g_statsSavedPrompt, g_statsSavedAnnouncement, g_statsSavedMayPlay, g_statsSavedLeads };
}

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

/// The score sheet and the statistics table laid over a 1024 x 768 table, with the
/// statistics files in a fresh program folder.
class OverlaysTest : public TableTest {
protected:
    void SetUp() override
    {
        TableTest::SetUp();
        g_programDir = folder_.path() + '/';
        g_level = 2;
        g_gameLength = kLongGame;
        g_animation = 0;
        table_->m_textBackColour = kCell;
    }

    /// Hovers the close mark of the overlay in force and clicks it.
    void closeOverlay()
    {
        const Point mark = centreOf(table_->m_rcButton1);
        table_->OnMouseMove(mark.x, mark.y);
        table_->OnLButtonDown(mark.x, mark.y);
    }
    const platform::MemoryDC& window() const { return table_->surface().dc(); }
    bool cellAt(int x, int y) const { return window().getPixel(x, y) == kCell; }

    /// The statistics file of level 2, long game, in Windows-1251.
    void writeStatistics(const QString& text) const
    {
        folder_.write(QStringLiteral("Stat/stsrb.sta"), platform::ToCp1251(text));
    }
    /// One record line as the game writes it.
    static QString record(const QString& name, int margin)
    {
        return name + QStringLiteral(" Выиграл ") + QString::number(margin)
            + QStringLiteral(" Большая(1001) Игрок\r\n");
    }

    /// Runs an overlay command and notes, at every pause, where the panel's colour stands
    /// on the window.
    std::vector<std::optional<Rect>> recordFrames(void (CVertanDlg::*command)())
    {
        std::vector<std::optional<Rect>> frames;
        SleepHook hook([&] { frames.push_back(bounds(window(), table_->m_brush2.colour)); });
        platform::ServiceSlot<platform::Pause>::install(&hook);
        (table_.get()->*command)();
        platform::ServiceSlot<platform::Pause>::install(&platform_.pause);
        return frames;
    }

    TempFolder folder_;
};

/// An overlay command with what tells it apart.
struct Overlay {
    void (CVertanDlg::*open)();
    PromptState state;
    Rect closeMark;
    int* openFlag;
    Prompt (*saved)();
};
const Overlay kSheet { &CVertanDlg::OnShowScore, PromptState::kScoreSheet, kSheetCloseMark, &g_sheetOpen,
    sheetSaved };
const Overlay kStatistics { &CVertanDlg::OnShowStatistics, PromptState::kStatistics, kStatisticsCloseMark,
    &g_statsOpen, statsSaved };

TEST_F(OverlaysTest, EachOverlaySavesThePromptAndItsCloseMarkPutsItBack)
{
    g_shownAnnouncement1 = image::kHumanTwenty;
    pose(PromptState::kHumanDeclares, image::kCaptionNo);
    const Rect declare = table_->m_rcButton1;
    const Prompt declaring { PromptState::kHumanDeclares, image::kCaptionNo, 0, 0 };
    ASSERT_EQ(inForce(), declaring);

    for (const Overlay& overlay : { kSheet, kStatistics }) {
        (table_.get()->*overlay.open)();
        EXPECT_EQ(*overlay.openFlag, 1);
        EXPECT_EQ(overlay.saved(), declaring);
        EXPECT_EQ(inForce(), (Prompt { overlay.state, image::kCaptionAcknowledge, 0, 0 }));
        EXPECT_EQ(table_->m_rcButton1, overlay.closeMark);
        // The close mark's face (above its cross) is on the window, and the window shows
        // the back buffer.
        EXPECT_EQ(window().getPixel(overlay.closeMark.left + 15, overlay.closeMark.top + 3),
            table_->m_brush6.colour);
        EXPECT_EQ(differences(window(), table_->m_dcBuffer), 0);

        closeOverlay();
        EXPECT_EQ(*overlay.openFlag, 0);
        EXPECT_EQ(inForce(), declaring);
        EXPECT_EQ(table_->m_rcButton1, declare);
        // The declaration's own button is live again.
        table_->OnMouseMove(centreOf(declare).x, centreOf(declare).y);
        EXPECT_EQ(g_hotButton, B::kDeclareYes);
    }
}

TEST_F(OverlaysTest, ClosingDuringTrickPlayLetsACardClickPlayAgain)
{
    g_trumpSuit = 1;
    SetCardValues();
    const int hands[2][3] = { { CardOf(kRankSeven, 2), CardOf(kRankTen, 3), CardOf(kRankAce, 4) },
        { CardOf(kRankEight, 2), CardOf(kRankNine, 3), CardOf(kRankJack, 4) } };
    g_humanCount = 3;
    g_computerCount = 3;
    for (std::size_t k = 1; k <= 3; ++k) {
        g_humanHand[k] = hands[0][k - 1];
        g_computerHand[k] = hands[1][k - 1];
        g_cards[static_cast<std::size_t>(g_humanHand[k])].location() = kInHumanHand;
        g_cards[static_cast<std::size_t>(g_computerHand[k])].location() = kInComputerHand;
    }
    g_toMove = kHuman;
    g_humanMayPlay = 1;
    g_humanLeadsTrick = 1;
    pose(PromptState::kComputerDeclares, image::kNone);
    const Point ace = centreOf(g_humanCardRects[3]);
    const Prompt leading { PromptState::kComputerDeclares, image::kNone, 1, 1 };

    for (const Overlay& overlay : { kSheet, kStatistics }) {
        (table_.get()->*overlay.open)();
        EXPECT_EQ(overlay.saved(), leading);
        // A click on a card under the overlay plays nothing.
        table_->OnLButtonDown(ace.x, ace.y);
        EXPECT_EQ(g_handIndex, 0);
        EXPECT_EQ(g_cards[static_cast<std::size_t>(hands[0][2])].status(), kStatusInPlay);

        closeOverlay();
        EXPECT_EQ(inForce(), leading);
        // The lead label stands again at the centre.
        EXPECT_EQ(bounds(table_->m_dcBuffer, kTestAnnouncement), (Rect { 509, 342, 516, 347 }));
    }
    table_->OnLButtonDown(ace.x, ace.y);
    EXPECT_EQ(g_handIndex, 3);
    EXPECT_EQ(g_cards[static_cast<std::size_t>(hands[0][2])].status(), kStatusPlayed);
}

TEST_F(OverlaysTest, OneOverlayOverTheOtherClosesBackOntoIt)
{
    writeStatistics(record(QStringLiteral("Оля"), 120));
    g_toMove = kHuman;
    const Prompt leading { PromptState::kComputerDeclares, image::kNone, 1, 1 };
    const Prompt overSheet { PromptState::kScoreSheet, image::kCaptionAcknowledge, 0, 0 };
    const Prompt overStatistics { PromptState::kStatistics, image::kCaptionAcknowledge, 0, 0 };

    for (const auto& [lower, upper] :
        { std::pair { kSheet, kStatistics }, std::pair { kStatistics, kSheet } }) {
        g_humanMayPlay = 1;
        g_humanLeadsTrick = 1;
        pose(leading.state, leading.announcement);
        (table_.get()->*lower.open)();
        (table_.get()->*upper.open)();
        EXPECT_EQ(lower.saved(), leading);
        EXPECT_EQ(upper.saved(), lower.state == PromptState::kScoreSheet ? overSheet : overStatistics);
        EXPECT_EQ(table_->m_rcButton1, upper.closeMark);

        // The lower one's command again: it is up, so nothing it saved is touched.
        (table_.get()->*lower.open)();
        EXPECT_EQ(g_promptState, upper.state);
        EXPECT_EQ(lower.saved(), leading);

        closeOverlay();
        EXPECT_EQ(*upper.openFlag, 0);
        EXPECT_EQ(*lower.openFlag, 1);
        EXPECT_EQ(g_promptState, lower.state);
        EXPECT_EQ(table_->m_rcButton1, lower.closeMark);
        closeOverlay();
        EXPECT_EQ(*lower.openFlag, 0);
        EXPECT_EQ(inForce(), leading);
    }
    // The statistics table was drawn again from its columns when the sheet over it closed.
    EXPECT_EQ(g_statName[1], QStringLiteral("Оля"));
}

TEST_F(OverlaysTest, OpeningAnOverlayThatIsUpChangesNothing)
{
    g_animation = 1;
    for (const Overlay& overlay : { kSheet, kStatistics }) {
        pose(PromptState::kComputerExchangedSeven);
        (table_.get()->*overlay.open)();
        const Prompt saved = overlay.saved();
        const platform::MemoryDC before = window();
        const int pauses = platform_.pause.count;
        (table_.get()->*overlay.open)();
        EXPECT_EQ(overlay.saved(), saved);
        EXPECT_EQ(platform_.pause.count, pauses);
        EXPECT_EQ(differences(window(), before), 0);
        closeOverlay();
        EXPECT_EQ(g_promptState, PromptState::kComputerExchangedSeven);

        // A game loaded while the overlay was up stands in its state with the flag down:
        // the command must not save the overlay as the prompt to go back to.
        *overlay.openFlag = 0;
        pose(overlay.state);
        (table_.get()->*overlay.open)();
        EXPECT_EQ(overlay.saved(), saved);
        EXPECT_EQ(*overlay.openFlag, 0);
    }
}

TEST_F(OverlaysTest, TheFrameGrowsOnTheWindowOnlyWithTheAnimation)
{
    struct Case {
        void (CVertanDlg::*open)();
        Rect first;
        Rect last;
    };
    // 11 frames from two steps to twelve: the sheet by (15, 21, 15, 17) a step, the
    // statistics table by (23, 14, 23, 14); then a pause, one step back and a shorter pause.
    const Case cases[] = {
        { &CVertanDlg::OnShowScore, { 482, 342, 542, 418 }, { 332, 132, 692, 588 } },
        { &CVertanDlg::OnShowStatistics, { 466, 356, 558, 412 }, { 236, 216, 788, 552 } },
    };
    g_animation = 1;
    for (const Case& c : cases) {
        pose(PromptState::kComputerExchangedSeven);
        const std::vector<std::optional<Rect>> frames = recordFrames(c.open);
        ASSERT_EQ(frames.size(), 13U);
        EXPECT_EQ(frames[0], c.first);
        EXPECT_EQ(frames[10], c.last);
        EXPECT_EQ(frames[12], c.last);
        EXPECT_EQ(differences(window(), table_->m_dcBuffer), 0);
        closeOverlay();
    }

    // Without the animation the panel is drawn at once, the same as at the end of the growth.
    g_animation = 0;
    for (const Case& c : cases) {
        pose(PromptState::kComputerExchangedSeven);
        EXPECT_TRUE(recordFrames(c.open).empty());
        EXPECT_EQ(differences(window(), table_->m_dcBuffer), 0);
        EXPECT_EQ(window().getPixel(512 - 100, 384 + 100), table_->m_brush2.colour);
        closeOverlay();
    }
    EXPECT_EQ(platform_.pause.count, 0);
}

TEST_F(OverlaysTest, SheetShowsTheNameAndTheRowsOfItsPage)
{
    g_playerName = QStringLiteral("Иван");
    pose(PromptState::kComputerExchangedSeven);
    // A new game: the headers alone.
    table_->OnShowScore();
    EXPECT_TRUE(cellAt(512 + 32, 384 - 200));
    EXPECT_TRUE(cellAt(512 - 77 - 8 * 2, 384 - 200));
    EXPECT_FALSE(cellAt(512 - 77 - 8 * 2 - 1, 384 - 200));
    EXPECT_FALSE(cellAt(512 - 40, 384 - 173 + 2));
    closeOverlay();

    for (int row = 1; row <= 3; ++row) {
        g_sheetHuman[static_cast<std::size_t>(row)] = QString::number(row * 10);
        g_sheetHumanIndent[static_cast<std::size_t>(row)] = 40;
        g_sheetComputer[static_cast<std::size_t>(row)] = QString::number(row * 20);
        g_sheetComputerIndent[static_cast<std::size_t>(row)] = 60;
    }
    g_sheetRowCount = 3;
    table_->OnShowScore();
    // Rows 15 pixels apart from cy - 173, the human's at its indent left of the centre
    // column, the computer's right of it.
    for (int row = 1; row <= 3; ++row) {
        const int y = 384 - 173 + 15 * (row - 1);
        EXPECT_TRUE(cellAt(512 - 40, y)) << row;
        EXPECT_FALSE(cellAt(512 - 41, y)) << row;
        EXPECT_TRUE(cellAt(512 + 60, y)) << row;
        EXPECT_FALSE(cellAt(512 + 59, y)) << row;
    }
    EXPECT_FALSE(cellAt(512 - 40, 384 - 173 + 15 * 3 + 2));
}

TEST_F(OverlaysTest, StatisticsShowTheFileOfTheLevelAndLengthInForce)
{
    writeStatistics(record(QStringLiteral("Оля"), 120) + record(QStringLiteral("Пётр"), -40));
    folder_.write(QStringLiteral("Stat/stprm.sta"), platform::ToCp1251(record(QStringLiteral("Другой"), 7)));
    pose(PromptState::kComputerExchangedSeven);
    table_->OnShowStatistics();
    ASSERT_EQ(g_statRowCount, 2);
    EXPECT_EQ(g_statRowNo[2], QStringLiteral("2"));
    EXPECT_EQ(g_statName[2], QStringLiteral("Пётр"));
    EXPECT_EQ(g_statStatus[2], QStringLiteral("Выиграл"));
    EXPECT_EQ(g_statPoints[2], QStringLiteral("-40"));
    EXPECT_EQ(g_statGame[2], QStringLiteral("Большая(1001)"));
    EXPECT_EQ(g_statLevel[2], QStringLiteral("Игрок"));
    // Rows 18 pixels apart from cy - 121: the row number at c - 242, the margin at c - 5.
    EXPECT_TRUE(cellAt(512 - 242, 384 - 121 + 18));
    EXPECT_FALSE(cellAt(512 - 243, 384 - 121 + 18));
    EXPECT_TRUE(cellAt(512 - 5, 384 - 121 + 18));
    EXPECT_FALSE(cellAt(512 - 242, 384 - 121 + 36 + 2));
    // Headers at cy - 143.
    EXPECT_TRUE(cellAt(512 - 190, 384 - 143));
    EXPECT_TRUE(cellAt(512 + 167, 384 - 143));
}

TEST_F(OverlaysTest, AFullFileShowsItsFirstFifteenRecords)
{
    QString text;
    for (int k = 1; k <= 20; ++k)
        text += record(QStringLiteral("Игрок%1").arg(k), 300 - k);
    writeStatistics(text);
    table_->OnShowStatistics();
    ASSERT_EQ(g_statRowCount, 15);
    EXPECT_EQ(g_statRowNo[15], QStringLiteral("15"));
    EXPECT_EQ(g_statName[15], QStringLiteral("Игрок15"));
    EXPECT_EQ(g_statPoints[15], QStringLiteral("285"));
    EXPECT_TRUE(cellAt(512 - 242, 384 - 121 + 18 * 14));
    closeOverlay();

    // Emptied: the table shows its headers and none of the rows read before.
    writeStatistics({});
    table_->OnShowStatistics();
    EXPECT_EQ(g_statRowCount, 0);
    EXPECT_FALSE(cellAt(512 - 242, 384 - 121));
    EXPECT_TRUE(cellAt(512 - 190, 384 - 143));
}

TEST_F(OverlaysTest, AMissingOrDamagedFileShowsWhatCanBeTrusted)
{
    // No file, and no "Stat" folder at all.
    g_statRowCount = 4;
    table_->OnShowStatistics();
    EXPECT_EQ(g_statRowCount, 0);
    closeOverlay();

    // A file that is there but cannot be read: a folder in its place.
    ASSERT_TRUE(QDir(folder_.path()).mkpath(QStringLiteral("Stat/stsrb.sta")));
    table_->OnShowStatistics();
    EXPECT_EQ(g_statRowCount, 0);
    closeOverlay();
    ASSERT_TRUE(QDir(folder_.filePath(QStringLiteral("Stat/stsrb.sta"))).removeRecursively());

    // Lines that no game writes are left out: a name longer than any cell, a margin that
    // is no number, a word missing, stray bytes. The last record has no line break.
    writeStatistics(
        QStringLiteral("ОченьОченьДлинноеИмяКотороеНеВлезетНиВОднуЯчейку Выиграл 5 Большая(1001) Игрок\r\n")
        + record(QStringLiteral("Оля"), 120) + QStringLiteral("Пётр Выиграл много Большая(1001) Игрок\r\n")
        + QStringLiteral("Пётр Выиграл 5 Игрок\r\n") + QString(QChar(0x1)) + QString(QChar(0xFF))
        + QStringLiteral("\r\n") + QStringLiteral("Аня Ничия 0 Большая(1001) Игрок"));
    table_->OnShowStatistics();
    ASSERT_EQ(g_statRowCount, 2);
    EXPECT_EQ(g_statName[1], QStringLiteral("Оля"));
    EXPECT_EQ(g_statRowNo[2], QStringLiteral("2"));
    EXPECT_EQ(g_statName[2], QStringLiteral("Аня"));
    EXPECT_EQ(g_statStatus[2], QStringLiteral("Ничия"));
    closeOverlay();
    EXPECT_EQ(g_statsOpen, 0);
}

} // namespace
