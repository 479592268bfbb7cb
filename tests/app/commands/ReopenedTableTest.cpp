#include "support/DealTable.h"

#include "app/Globals.h"
#include "app/Hover.h"
#include "app/Layout.h"
#include "app/dialogs/Open.h"
#include "app/dialogs/SaveList.h"
#include "app/files/SavedGameFile.h"
#include "app/files/SavedGameState.h"
#include "support/SavedGameSample.h"
#include "support/ScriptedDialogs.h"
#include "support/TempFolder.h"

#include <QImage>

#include <ostream>
#include <random>
#include <vector>

namespace {

/// Clicks played after each load: past the end of the deal and into the next one.
constexpr int kClicks = 40;
const QString kSaveName = QStringLiteral("ИГРА");

/// The settings a save carries that the load draws with (header values of the file).
struct Look {
    int background; ///< 1..11, 11 the custom colour
    int customColour;
    int cardBack; ///< 1..8
    int handSort; ///< 1 by suits, 2 by points
    int animation; ///< 1 animated
};

void PrintTo(const Look& look, std::ostream* out)
{
    *out << "background " << look.background << " (custom " << look.customColour << "), back "
         << look.cardBack << ", sort " << look.handSort << ", animation " << look.animation;
}

/// The sample game saved with other settings.
QByteArray SaveWith(const Look& look)
{
    QList<QByteArray> words = MidDealText().split(' ');
    for (const auto& [header, value] : { std::pair { 2, look.background }, { 3, look.customColour },
             { 4, look.cardBack }, { 7, look.handSort }, { 14, look.animation } })
        words[HeaderWord(header)] = QByteArray::number(value);
    return words.join(' ');
}

/// What a click left: the values a save holds, the client area in the back buffer and on
/// the window, and the sounds played.
struct Step {
    QByteArray values;
    QImage buffer;
    QImage window;
    std::vector<RecordingSound::Played> sounds;
};

/// The saves played, each in a new window and in one put back after another game. The first
/// takes a new window's settings and the last its custom colour, so that the load draws
/// with the pictures and colours the window had.
const std::vector<Look> kLooks {
    { 1, 0, 1, 1, 0 },
    { 3, 0x123456, 5, 2, 1 },
    { 11, 0x2080c0, 8, 1, 0 },
    { 11, 0, 2, 1, 1 },
};
/// The game played before a window is put back, with settings of its own.
const Look kOtherGame { 11, 0x705030, 3, 2, 1 };

/// A window put back to its start (ReopenTable) after another game must play a loaded save
/// as a new window does: the same values, the same pictures in the back buffer and on the
/// window, the same sounds after every click.
class ReopenedTable : public DealTable, public ::testing::WithParamInterface<Look> {
protected:
    /// Loads the save into the window as it stands and plays on with seeded clicks.
    std::vector<Step> Play(const QByteArray& save)
    {
        TempFolder folder;
        g_programDir = folder.path() + QStringLiteral("/");
        folder.write(kSaveName + kSaveExtension, save);
        platform_.clock = ScriptedClock {};
        platform_.rand = ScriptedRand {};
        platform_.sound.played.clear();
        platform_.messageBox = ScriptedMessageBox {};
        dialogs_.answerAs<COpen>([](COpen& open) {
            open.m_name = kSaveName;
            return QDialog::Accepted;
        });
        window_->OnLoadGame();
        std::mt19937 choices(1);
        const auto pick = [&](std::size_t n) { return static_cast<std::size_t>(choices() % n); };
        std::vector<Step> steps;
        for (int click = 0; click < kClicks; ++click) {
            platform_.messageBox.answer({ true });
            if (const std::vector<LiveButton> live = LiveButtons(); !live.empty())
                Click(ButtonRectOf(*window_, live[pick(live.size())].rect));
            else if (HumanMayPlay())
                ClickCard(g_humanHand[pick(static_cast<std::size_t>(g_humanCount)) + 1]);
            const QRect client(0, 0, g_clientWidth, g_clientHeight);
            steps.push_back(
                { FormatSavedGame(CaptureSavedGame(*window_)), window_->m_dcBuffer.image().copy(client),
                    window_->surface().dc().image().copy(client), platform_.sound.played });
        }
        return steps;
    }

    ScriptedDialogs dialogs_;
    platform::ScopedService<platform::DialogRunner> dialogGuard_ { dialogs_ };
};

TEST_P(ReopenedTable, PlaysALoadedSaveAsANewWindowDoes)
{
    const QByteArray save = SaveWith(GetParam());
    const std::vector<Step> inNewWindow = Play(save);

    Play(SaveWith(kOtherGame));
    ReopenTable(*window_);
    const std::vector<Step> inReopenedWindow = Play(save);

    ASSERT_EQ(inReopenedWindow.size(), inNewWindow.size());
    for (std::size_t click = 0; click < inNewWindow.size(); ++click) {
        const Step& reopened = inReopenedWindow[click];
        const Step& fresh = inNewWindow[click];
        ASSERT_EQ(reopened.values, fresh.values) << "click " << click;
        ASSERT_TRUE(reopened.buffer == fresh.buffer) << "the back buffer differs after click " << click;
        ASSERT_TRUE(reopened.window == fresh.window) << "the window differs after click " << click;
        ASSERT_EQ(reopened.sounds, fresh.sounds) << "click " << click;
    }
}

INSTANTIATE_TEST_SUITE_P(Looks, ReopenedTable, ::testing::ValuesIn(kLooks));

} // namespace
