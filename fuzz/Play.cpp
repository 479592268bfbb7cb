#include "fuzz/Play.h"

#include "app/Globals.h"
#include "app/Layout.h"
#include "engine/PromptRules.h"
#include "support/DealTable.h"

namespace {

/// One click in this many lands anywhere on the table rather than on what waits.
constexpr int kAnywhereOdds = 4;

} // namespace

HeadlessRun::HeadlessRun()
{
    dialogs.showOnScreen = false;
}

HeadlessRun::~HeadlessRun()
{
    static_cast<void>(table.release());
}

CVertanDlg& HeadlessRun::restart()
{
    platform.clock = ScriptedClock {};
    platform.rand = ScriptedRand {};
    platform.sound.played.clear();
    platform.messageBox = ScriptedMessageBox {};
    dialogs.opened.clear();
    if (table)
        ReopenTable(*table);
    else
        table = OpenLoadedTable();
    // The window shows nothing: no property reads what it shows, and copying every step
    // the game presents into it took half of a played input's time.
    table->surface().resize(0, 0);
    return *table;
}

HeadlessRun& Headless()
{
    static HeadlessRun run;
    return run;
}

int RandomPlayer::choose(int n)
{
    return std::uniform_int_distribution<int>(0, n - 1)(choices_);
}

void RandomPlayer::clickAnywhere(CVertanDlg& table)
{
    const int x = choose(g_clientWidth);
    const int y = choose(g_clientHeight);
    table.OnMouseMove(x, y);
    table.OnLButtonDown(x, y);
}

ClickResult RandomPlayer::click(CVertanDlg& table)
{
    ScriptedMessageBox& messageBox = Headless().platform.messageBox;
    if (messageBox.answersLeft() == 0) {
        nextAnswer_ = choose(2) == 0;
        messageBox.answer({ nextAnswer_ });
    }
    const std::size_t shownBefore = messageBox.shown.size();
    const std::vector<LiveButton> live = LiveButtons();
    const bool humanMayPlay = HumanMayPlay();
    if (live.empty() && !humanMayPlay)
        return EmptyAfterGame(g_promptState, g_announcement, g_humanCount, g_computerCount)
            ? ClickResult::kGameLeft
            : ClickResult::kNothingWaits;
    if (choose(kAnywhereOdds) == 0)
        clickAnywhere(table);
    else if (!live.empty())
        ClickButton(table,
            ButtonRectOf(table, live[static_cast<std::size_t>(choose(static_cast<int>(live.size())))].rect));
    else {
        const auto hand = HandCards(g_humanHand, g_humanCount);
        ClickHandCard(table, hand[static_cast<std::size_t>(choose(static_cast<int>(hand.size())))]);
    }
    const bool leftGame = messageBox.shown.size() > shownBefore && messageBox.answersLeft() == 0
        && !nextAnswer_ && messageBox.shown.back().text == kNewGameQuestion;
    return leftGame ? ClickResult::kGameLeft : ClickResult::kPlayed;
}
