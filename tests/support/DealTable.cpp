#include "support/DealTable.h"

#include "app/Globals.h"
#include "app/Hover.h"
#include "app/Layout.h"
#include "app/Sounds.h"
#include "app/drawing/ImagePainting.h"
#include "app/drawing/TableDrawing.h"
#include "app/files/ImageData.h"
#include "app/files/ImageDataFiles.h"
#include "engine/CardValues.h"
#include "engine/GameState.h"
#include "engine/ScoreSheet.h"

#include <QString>

#include <algorithm>
#include <iterator>
#include <optional>
#include <sstream>
#include <string>
#include <tuple>
#include <type_traits>

namespace {

constexpr int kTableWidth = 1024;
constexpr int kTableHeight = 768;
/// A clock reading whose seconds modulo 1000 are 0; the turned-up card's number is added.
constexpr std::time_t kClockBase = 1'200'000'000;

/// The card faces painted once from the generated program folder.
platform::MemoryDC& LoadedFaces()
{
    static platform::MemoryDC faces(32 * kCardWidth, kCardHeight);
    return faces;
}

/// The custom background's colours as the pictures were read: a game that chooses the
/// custom colour fills them with it.
using CustomBackground = std::decay_t<decltype(g_backgroundColour[kCustomBackground])>;
CustomBackground& LoadedCustomBackground()
{
    static CustomBackground colours {};
    return colours;
}

/// The members of a table window that play changes. Copied from a new window when the
/// first one opens and back into a window that is reopened; one list serves both ways.
struct TableMembers {
    int m_taker = 0;
    platform::Rect m_rcButton1, m_rcButton2, m_rcSuit1, m_rcSuit2, m_rcSuit3;
    platform::Brush m_brush1, m_brush2, m_brush3, m_brush4, m_brush5, m_brush6;
    platform::COLORREF m_announcementColour = 0, m_announcementNormalColour = 0, m_customColour = 0,
                       m_captionColour = 0, m_hoverColour = 0, m_textColour = 0, m_textBackColour = 0;
    QFont m_font;
    /// The pictures as the layout paints them for the settings at their start.
    platform::MemoryDC m_dcFaces, m_dcTile, m_dcBack, m_dcBackSide, m_dcTable;
};

template <class From, class To> void CopyPlayedMembers(const From& from, To& to)
{
    to.m_taker = from.m_taker;
    to.m_rcButton1 = from.m_rcButton1;
    to.m_rcButton2 = from.m_rcButton2;
    to.m_rcSuit1 = from.m_rcSuit1;
    to.m_rcSuit2 = from.m_rcSuit2;
    to.m_rcSuit3 = from.m_rcSuit3;
    to.m_brush1 = from.m_brush1;
    to.m_brush2 = from.m_brush2;
    to.m_brush3 = from.m_brush3;
    to.m_brush4 = from.m_brush4;
    to.m_brush5 = from.m_brush5;
    to.m_brush6 = from.m_brush6;
    to.m_announcementColour = from.m_announcementColour;
    to.m_announcementNormalColour = from.m_announcementNormalColour;
    to.m_customColour = from.m_customColour;
    to.m_captionColour = from.m_captionColour;
    to.m_hoverColour = from.m_hoverColour;
    to.m_textColour = from.m_textColour;
    to.m_textBackColour = from.m_textBackColour;
    to.m_font = from.m_font;
    // Shared, not copied, until either side draws.
    to.m_dcFaces = from.m_dcFaces;
    to.m_dcTile = from.m_dcTile;
    to.m_dcBack = from.m_dcBack;
    to.m_dcBackSide = from.m_dcBackSide;
    to.m_dcTable = from.m_dcTable;
}

/// A new window as OpenLoadedTable leaves it: its played members and its title.
struct NewTable {
    TableMembers members;
    QString title;
};
/// Set when OpenLoadedTable first opens one.
std::optional<NewTable>& FirstTable()
{
    static std::optional<NewTable> table;
    return table;
}

/// Every game value at its start, with the table's voice and sounds on.
void ResetGameValues()
{
    ResetCardTable();
    ResetGameState();
    ResetPromptState();
    ResetSettings();
    ResetGlobals();
    ResetTableDrawing();
    g_voice = 1;
    g_cardSounds = 1;
    g_buttonSounds = 1;
    g_extraCards = 3;
    AssignVoicePhrases();
    g_backgroundColour[kCustomBackground] = LoadedCustomBackground();
}

/// The window past its start-up, laid out for the table's client.
void LayOut()
{
    g_started = 1;
    g_glActive = 0;
    ComputeLayout(kTableWidth, kTableHeight);
}

} // namespace

const DataFileResult& LoadGeneratedPictures()
{
    static const DataFileResult result = [] {
        const DataFileResult read
            = LoadImageDataFiles(QStringLiteral(VERTAN_PROGRAM_DIR) + QStringLiteral("/"), LoadedFaces());
        LoadedCustomBackground() = g_backgroundColour[kCustomBackground];
        return read;
    }();
    return result;
}

std::unique_ptr<CVertanDlg> OpenLoadedTable()
{
    ResetGameValues();
    auto table = OpenTable();
    if (!FirstTable()) {
        FirstTable().emplace();
        CopyPlayedMembers(*table, FirstTable()->members);
        FirstTable()->title = table->windowTitle();
    }
    return table;
}

std::unique_ptr<CVertanDlg> OpenTable()
{
    auto table = std::make_unique<CVertanDlg>();
    LayOut();
    table->m_dcFaces = LoadedFaces();
    PaintCardBack(table->m_dcBack, table->m_dcBackSide, g_cardBack);
    table->PaintTableBitmaps();
    return table;
}

void ReopenTable(CVertanDlg& table)
{
    ResetGameValues();
    CopyPlayedMembers(FirstTable()->members, table);
    table.setWindowTitle(FirstTable()->title);
    LayOut();
}

void ClickButton(CVertanDlg& table, const platform::Rect& button)
{
    const int x = (button.left + button.right) / 2;
    const int y = (button.top + button.bottom) / 2;
    table.OnMouseMove(0, 0);
    table.OnMouseMove(x, y);
    table.OnLButtonDown(x, y);
}

void ScoreOneDeal(int humanTotal, int computerTotal)
{
    std::tie(g_humanTotal, g_computerTotal, g_sheetRow, g_sheetRowCount)
        = std::tuple(humanTotal, computerTotal, 1, 1);
    const SheetCell human = DealCell(kHuman, SheetText::Total, humanTotal);
    const SheetCell computer = DealCell(kComputer, SheetText::Total, computerTotal);
    std::tie(g_sheetHuman[1], g_sheetHumanIndent[1], g_sheetComputer[1], g_sheetComputerIndent[1])
        = std::tuple(QString::fromStdString(human.text), human.indent, QString::fromStdString(computer.text),
            computer.indent);
}

bool ClickHandCard(CVertanDlg& table, int card)
{
    const int k = FindInHand(g_humanHand, g_humanCount, card);
    if (k == 0)
        return false;
    const platform::Rect& rect = g_humanCardRects[static_cast<std::size_t>(k)];
    table.OnLButtonDown(rect.left + 2, (rect.top + rect.bottom) / 2);
    return true;
}

std::vector<LiveButton> LiveButtons()
{
    std::vector<LiveButton> live;
    if (g_announcement != image::kNone)
        std::ranges::copy_if(PromptButtons(g_promptState), std::back_inserter(live),
            [](const LiveButton& b) { return StandsWith(b, g_announcement); });
    return live;
}

bool HumanMayPlay()
{
    return g_toMove == kHuman && g_humanMayPlay == 1 && g_announcement == image::kNone && g_humanCount > 0;
}

std::string Situation()
{
    std::ostringstream out;
    out << "prompt " << static_cast<int>(g_promptState) << ", image " << g_announcement << ", to move "
        << g_toMove << ", may play " << g_humanMayPlay << ", follows " << g_humanFollows << ", hands "
        << g_humanCount << "/" << g_computerCount;
    return out.str();
}

void DealTable::SetUpTestSuite()
{
    const DataFileResult& result = LoadGeneratedPictures();
    ASSERT_TRUE(result.ok()) << result.message().toStdString();
}

void DealTable::SetUp()
{
    window_ = OpenLoadedTable();
    // The turned-up card and the computer's exchange draw read the clock; it stands still.
    platform_.pause.clock = nullptr;
}

void DealTable::OpenWindow()
{
    window_ = OpenTable();
}

void DealTable::TearDown()
{
    window_.reset();
}

void DealTable::Deal(int firstHand, const std::vector<int>& computer, const std::vector<int>& human,
    int turnedUp, const SecondDeal& second)
{
    ScriptDeal(firstHand, computer, human, turnedUp, second);
    window_->StartDeal();
}

void DealTable::ScriptDeal(int firstHand, const std::vector<int>& computer, const std::vector<int>& human,
    int turnedUp, const SecondDeal& second)
{
    if (g_firstDealDone == 0)
        platform_.rand.script({ firstHand == kHuman ? kHumanFirstDraw : kComputerFirstDraw });
    for (std::size_t i = 0; i < computer.size(); ++i)
        platform_.rand.script({ computer[i], human[i] });
    for (std::size_t i = 0; i < second.computer.size(); ++i)
        platform_.rand.script({ second.computer[i], second.human[i] });
    platform_.rand.script({ second.deckCard });
    platform_.clock.nowSeconds = kClockBase + turnedUp;
}

void DealTable::SetPosition(const std::vector<int>& human, const std::vector<int>& computer)
{
    ResetCardTable();
    g_trumpSuit = 1;
    SetCardValues();
    for (const int card : human) {
        g_humanHand[static_cast<std::size_t>(++g_humanCount)] = card;
        g_cards[card].location() = kInHumanHand;
    }
    for (const int card : computer) {
        g_computerHand[static_cast<std::size_t>(++g_computerCount)] = card;
        g_cards[card].location() = kInComputerHand;
    }
    // The lowest free cards lie face up: the one turned up at the deal, and the deck's.
    std::vector<int> free;
    for (int card = 1; card <= g_deckSize && free.size() < 2; ++card)
        if (g_cards[card].location() == kInDeck)
            free.push_back(card);
    g_trumpCard = free.at(0);
    g_deckShown = free.at(1);
    for (const int card : free)
        g_cards[card].location() = kFaceUpOnTable;
    ComputeLayout(g_clientWidth, g_clientHeight);
    g_toMove = kHuman;
    g_humanMayPlay = 1;
    g_humanLeadsTrick = 1;
    g_humanFollows = 0;
    g_computerCardShown = 0;
    window_->RedrawTable();
}

void DealTable::Click(const platform::Rect& button)
{
    ClickButton(*window_, button);
}

void DealTable::ClickCard(int card)
{
    if (!ClickHandCard(*window_, card))
        ADD_FAILURE() << "card " << card << " is not in the human's hand";
}

std::string CardPlaceFault()
{
    std::array<int, g_deckSize + 1> places {};
    std::string fault;
    const auto expect = [&fault](bool holds, int card, const char* what) {
        if (!holds)
            fault += "card " + std::to_string(card) + " " + what + "; ";
    };
    for (const int card : HandCards(g_humanHand, g_humanCount)) {
        ++places[static_cast<std::size_t>(card)];
        expect(g_cards[card].location() == kInHumanHand, card, "is in the human's hand elsewhere");
    }
    for (const int card : HandCards(g_computerHand, g_computerCount)) {
        ++places[static_cast<std::size_t>(card)];
        expect(g_cards[card].location() == kInComputerHand, card, "is in the computer's hand elsewhere");
    }
    if (IsCard(g_trumpCard)) {
        ++places[static_cast<std::size_t>(g_trumpCard)];
        expect(g_cards[g_trumpCard].location() == kFaceUpOnTable, g_trumpCard, "is turned up elsewhere");
    }
    if (IsCard(g_deckShown)) {
        ++places[static_cast<std::size_t>(g_deckShown)];
        expect(
            g_cards[g_deckShown].location() == kFaceUpOnTable, g_deckShown, "is shown on the deck elsewhere");
    }
    // A played card lies in a trick (taken or on the table) and keeps its hand's location.
    // Only the human's card of a pair question stays in his hand until it is answered.
    const bool pairAsked
        = g_promptState == PromptState::kPairOnAnswer || g_promptState == PromptState::kPairOnLead;
    const int asked
        = pairAsked && g_handIndex >= 1 && g_handIndex <= g_humanCount ? g_humanHand[g_handIndex] : kNoCard;
    for (int card = 1; card <= g_deckSize; ++card)
        if (g_cards[card].status() == kStatusPlayed && card != asked)
            ++places[static_cast<std::size_t>(card)];
    for (int card = 1; card <= g_deckSize; ++card) {
        expect(places[static_cast<std::size_t>(card)] <= 1, card, "lies in two places");
        if (places[static_cast<std::size_t>(card)] == 0)
            expect(g_cards[card].location() == kInDeck, card, "is lost");
    }
    return fault;
}

bool DealTable::FaceDrawnAt(int card, int x, int y, int fromRow) const
{
    const platform::MemoryDC& buffer = window_->m_dcBuffer;
    const platform::MemoryDC& faces = window_->m_dcFaces;
    // Rows 2..93 hold no corner pixel.
    for (int row = std::max(fromRow, 2); row < kCardHeight - 2; row += 7) {
        for (int column = 0; column < kCardWidth; column += 5) {
            if (buffer.getPixel(x + column, y + row) != faces.getPixel(kCardWidth * (card - 1) + column, row))
                return false;
        }
    }
    return true;
}

std::vector<int> DealTable::PhrasesSpoken() const
{
    std::vector<int> phrases;
    for (const RecordingSound::Played& played : platform_.sound.played) {
        const std::string& path = played.path;
        const auto slash = path.find_last_of('\\');
        if (path.rfind("Sound\\Myj\\", 0) == 0 && slash != std::string::npos)
            phrases.push_back(std::stoi(path.substr(slash + 1)));
    }
    return phrases;
}
