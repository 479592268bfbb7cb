#include "support/TableFixture.h"

#include "app/dialogs/Vvod_imy.h"

#include <algorithm>
#include <functional>
#include <numeric>

namespace {

void fillTestImages()
{
    for (std::size_t n = 1; n <= kAnnouncementCount; ++n) {
        g_announcementPointCount[n] = kTestImagePoints;
        std::size_t k = 1;
        for (int y = -kTestImageHalfHeight; y <= kTestImageHalfHeight; ++y)
            for (int x = -kTestImageHalfWidth; x <= kTestImageHalfWidth; ++x, ++k)
                std::tie(g_announcementPointX[n][k], g_announcementPointY[n][k]) = std::tuple(x, y);
    }
    for (std::size_t s = 1; s <= kSuits; ++s) {
        g_suitGlyphX[s].fill(0);
        g_suitGlyphY[s].fill(0);
        g_suitColour[s] = s <= 2 ? platform::RGB(255, 0, 0) : platform::RGB(0, 0, 0);
    }
    for (auto& colours : g_backColour)
        colours.fill(platform::RGB(90, 91, 92));
    for (auto& colours : g_backgroundColour)
        colours.fill(platform::RGB(60, 61, 62));
}

/// Lists the pixels of a w x h card picture row by row, but the three at each corner.
template <class Table> void listCardPoints(Table& xs, Table& ys, int w, int h)
{
    std::size_t j = 1;
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            if (std::min(x, w - 1 - x) + std::min(y, h - 1 - y) > 1) {
                xs[j] = x;
                ys[j++] = y;
            }
}

/// A colour no picture has, put where a test looks for a redraw.
constexpr platform::COLORREF kStale = platform::RGB(1, 254, 1);

} // namespace

void TableTest::SetUp()
{
    ResetSettings();
    ResetGlobals();
    ResetCardTable();
    ResetGameState();
    ResetPromptState();
    table_ = std::make_unique<CVertanDlg>();
    // The tests draw the table themselves: the first paint must not start the game.
    g_started = 1;
    fillTestImages();

    CVertanDlg& t = *table_;
    for (int card = 1; card <= g_deckSize; ++card)
        t.m_dcFaces.fillSolid(71 * (card - 1), 0, 71 * card, 96, FaceColour(card));
    t.m_dcBack.fillSolid(0, 0, 71, 96, kTestBack);
    t.m_dcBackSide.fillSolid(0, 0, 96, 71, kTestSideBack);
    t.m_dcTable.fillSolid(0, 0, t.m_dcTable.width(), t.m_dcTable.height(), kTestTable);
    t.m_dcBuffer.bitBlt(0, 0, t.m_dcBuffer.width(), t.m_dcBuffer.height(), t.m_dcTable, 0, 0);
    std::tie(t.m_announcementColour, t.m_announcementNormalColour, t.m_captionColour, t.m_hoverColour)
        = std::tuple(kTestAnnouncement, kTestAnnouncement, kTestCaption, kTestHover);
    t.m_brush2 = { platform::RGB(134, 62, 34) };
    t.m_brush3 = { platform::RGB(56, 56, 56) };
    t.m_brush4 = { platform::RGB(120, 120, 120) };
    t.m_brush5 = { platform::RGB(0, 255, 0) };
    t.m_brush6 = { platform::RGB(150, 200, 150) };
    std::tie(g_cardSounds, g_buttonSounds, g_announcementStyle) = std::tuple(1, 1, 0);
    layOut(1024, 768);
}

void TableTest::TearDown()
{
    table_.reset();
    ResetGlobals();
    ResetPromptState();
}

void TableTest::layOut(int width, int height)
{
    ComputeLayout(width, height);
}

void TableTest::pose(PromptState state, int announcement)
{
    g_promptState = state;
    g_announcement = announcement;
    table_->RedrawTable();
}

std::optional<platform::Rect> TableTest::bounds(const platform::MemoryDC& dc, platform::COLORREF colour) const
{
    const QRgb wanted = platform::qRgbFromColour(colour);
    std::optional<platform::Rect> found;
    for (int y = 0; y < g_clientHeight; ++y) {
        const auto* row = reinterpret_cast<const QRgb*>(dc.image().constScanLine(y));
        for (int x = 0; x < g_clientWidth; ++x)
            if (row[x] == wanted)
                found = found ? platform::Rect { std::min(found->left, x), std::min(found->top, y),
                    std::max(found->right, x + 1), std::max(found->bottom, y + 1) }
                              : platform::Rect { x, y, x + 1, y + 1 };
    }
    return found;
}

int TableTest::differences(const platform::MemoryDC& a, const platform::MemoryDC& b) const
{
    int count = 0;
    for (int y = 0; y < g_clientHeight; ++y) {
        const auto* rowA = reinterpret_cast<const QRgb*>(a.image().constScanLine(y));
        const auto* rowB = reinterpret_cast<const QRgb*>(b.image().constScanLine(y));
        count
            += std::transform_reduce(rowA, rowA + g_clientWidth, rowB, 0, std::plus {}, std::not_equal_to {});
    }
    return count;
}

int TableTest::played(const std::string& name) const
{
    return static_cast<int>(std::ranges::count_if(
        platform_.sound.played, [&](const RecordingSound::Played& p) { return p.path == name; }));
}

void TableCommandTest::SetUp()
{
    TableTest::SetUp();
    g_programDir = folder_.path() + QLatin1Char('/');
    g_voice = kVoiceMale;
    g_handSort = 1;
    g_gameLength = kLongGame;
    listCardPoints(g_cardPointX, g_cardPointY, kCardWidth, kCardHeight);
    listCardPoints(g_sidePointX, g_sidePointY, kCardHeight, kCardWidth);
    for (std::size_t j = 1; j <= kTilePoints; ++j)
        std::tie(g_backgroundPointX[j], g_backgroundPointY[j])
            = std::tuple((j - 1) % kTileSize, (j - 1) / kTileSize);
    g_backgroundPointCount = kTilePoints;
    for (int b = 1; b <= kCardBackCount; ++b) {
        g_backColour[b].fill(BackColour(b));
        g_backSideColour[b].fill(SideColour(b));
        g_backSideColour[b][95] = SideShade(b);
    }
    for (int g = 1; g <= kFileBackgroundCount; ++g)
        g_backgroundColour[g].fill(BackgroundColour(g));
}

void TableCommandTest::TearDown()
{
    TableTest::TearDown();
    g_programDir = savedProgramDir_;
}

std::vector<QString> TableCommandTest::messages() const
{
    std::vector<QString> texts;
    for (const ScriptedMessageBox::Shown& shown : platform_.messageBox.shown)
        texts.push_back(shown.text);
    return texts;
}

void TableCommandTest::answerName(const QString& typed, int result)
{
    dialogs_.answerAs<CVvod_imy>([this, typed, result](CVvod_imy& dialog) {
        offered_ = dialog.m_name;
        dialog.m_name = typed;
        return result;
    });
}

void TableCommandTest::markWindow()
{
    table_->surface().dc().setPixel(2, 2, kStale);
}

bool TableCommandTest::redrawn() const
{
    return table_->surface().dc().getPixel(2, 2) != kStale;
}
