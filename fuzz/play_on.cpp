#include "app/Globals.h"
#include "app/dialogs/Open.h"
#include "app/dialogs/SaveList.h"
#include "app/files/SavedGameFile.h"
#include "app/files/SavedGameState.h"
#include "engine/PromptState.h"
#include "fuzz/Fuzz.h"
#include "fuzz/Play.h"
#include "support/DealTable.h"

namespace {

/// Clicks played after the load: enough to finish most deals and start the next.
constexpr int kClicks = 30;
const QString kSaveName = QStringLiteral("fuzz");

/// The table as the save command would write it reads again: a save the reader took must
/// not play into one the save command refuses.
void RequireSavable(const CVertanDlg& table, int click)
{
    const SavedGameReading again = ParseSavedGame(FormatSavedGame(CaptureSavedGame(table)));
    if (!again.game)
        Require(false,
            ("the table saves and reads again, click " + std::to_string(click) + ": "
                + again.problem.toStdString())
                .c_str());
}

} // namespace

void PrepareTarget()
{
    Headless();
    Require(LoadGeneratedPictures().ok(), "the generated pictures are read");
}

/// The load command on any save (most are edits of real ones): one refused is told and
/// changes nothing; one loaded goes on, every click finding a button or a card waiting,
/// every card in one place and the table, as the save command would write it, a save that
/// reads again, until the clicks are played or the player leaves the game at its end.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QByteArray text = Bytes(data, size);
    HeadlessRun& run = Headless();
    CVertanDlg& table = run.restart();
    g_programDir = ScratchFolder();
    WriteScratch(kSaveName + kSaveExtension, text);
    run.dialogs.answerAs<COpen>([](COpen& open) {
        open.m_name = kSaveName;
        return QDialog::Accepted;
    });
    const bool refused = !ParseSavedGame(text).game;
    const QByteArray before = refused ? FormatSavedGame(CaptureSavedGame(table)) : QByteArray();
    table.OnLoadGame();
    if (refused) {
        Require(
            run.platform.messageBox.shown.size() == 1 && FormatSavedGame(CaptureSavedGame(table)) == before,
            "a refused save is told and changes nothing");
        return 0;
    }
    RandomPlayer player(qHash(text));
    for (int click = 0; click <= kClicks; ++click) {
        // The deal's result stands over a table that is being cleared for the next deal.
        if (g_promptState != PromptState::kDealResult)
            if (const std::string fault = CardPlaceFault(); !fault.empty())
                Require(false,
                    ("every card lies in one place, click " + std::to_string(click) + ": " + fault).c_str());
        RequireSavable(table, click);
        if (click == kClicks)
            break;
        switch (player.click(table)) {
        case ClickResult::kPlayed:
            break;
        case ClickResult::kNothingWaits:
            Require(false,
                ("a button or a card waits, click " + std::to_string(click) + ": " + Situation()).c_str());
            break;
        case ClickResult::kGameLeft:
            RequireSavable(table, click + 1);
            return 0;
        }
    }
    return 0;
}
