#pragma once

#include "support/HeadlessPlatform.h"
#include "support/ScriptedDialogs.h"

#include <memory>
#include <random>

class CVertanDlg;

/// The platform doubles of a run that plays on the table, and its table window, made once:
/// instant pauses, recorded sounds, scripted answers and dialogs answered by script.
struct HeadlessRun {
    /// Dialogs are shown without a window on the screen.
    HeadlessRun();
    HeadlessRun(const HeadlessRun&) = delete;
    HeadlessRun& operator=(const HeadlessRun&) = delete;
    /// Leaves the table window open: the run ends with the process, when Qt's own statics
    /// may be gone already, and a window closed then crashes.
    ~HeadlessRun();

    /// Puts the clock, the random numbers and the records back to their start, and the table
    /// window too (opened the first time), so that an input plays the same whatever ran
    /// before it.
    CVertanDlg& restart();

    HeadlessPlatform platform;
    ScriptedDialogs dialogs;
    platform::ScopedService<platform::DialogRunner> dialogGuard { dialogs };
    /// The window every input plays on; it shows nothing (an empty window surface).
    std::unique_ptr<CVertanDlg> table;
};
HeadlessRun& Headless();

/// What a click found waiting.
enum class ClickResult {
    kPlayed, ///< a button or a card waited and was clicked, or the click went elsewhere
    kNothingWaits, ///< neither a button nor a card waits: the game is stuck
    /// "Нет" to a new game at the end of one, now or before the save: the table stands
    /// empty by design.
    kGameLeft,
};

/// Clicks as a person might make them, every choice drawn from one seeded stream so that an
/// input replays the same: mostly a random live button of the prompt in force, else a
/// random card of the hand (one the rules refuse included); now and then a point anywhere
/// on the table instead, which may do nothing. A question a click brings is answered "Да"
/// or "Нет" at random.
class RandomPlayer {
public:
    explicit RandomPlayer(unsigned seed)
        : choices_(seed)
    {
    }

    /// One click; whether a button or a card waited for it.
    ClickResult click(CVertanDlg& table);

private:
    /// A random number 0..n-1.
    int choose(int n);
    /// A click at a random point of the table's client area.
    void clickAnywhere(CVertanDlg& table);

    std::mt19937 choices_;
    /// The answer scripted for the next question.
    bool nextAnswer_ = true;
};
