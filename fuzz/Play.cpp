#include "fuzz/Play.h"

#include "app/Globals.h"
#include "support/DealTable.h"

namespace {

int Choose(std::mt19937& choices, std::size_t n)
{
    return std::uniform_int_distribution<int>(0, static_cast<int>(n) - 1)(choices);
}

} // namespace

void HeadlessRun::restart()
{
    platform.clock = ScriptedClock {};
    platform.rand = ScriptedRand {};
    platform.sound.played.clear();
    platform.messageBox = ScriptedMessageBox {};
}

HeadlessRun& Headless()
{
    static HeadlessRun run;
    return run;
}

bool PlayOneClick(CVertanDlg& table, std::mt19937& choices)
{
    ScriptedMessageBox& messageBox = Headless().platform.messageBox;
    if (messageBox.answersLeft() == 0)
        messageBox.answer({ true });
    if (const std::vector<LiveButton> live = LiveButtons(); !live.empty()) {
        ClickButton(
            table, ButtonRectOf(table, live[static_cast<std::size_t>(Choose(choices, live.size()))].rect));
        return true;
    }
    if (!HumanMayPlay())
        return false;
    const auto hand = HandCards(g_humanHand, g_humanCount);
    return ClickHandCard(table, hand[static_cast<std::size_t>(Choose(choices, hand.size()))]);
}
