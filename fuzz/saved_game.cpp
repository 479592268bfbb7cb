#include "app/VertanDlg.h"
#include "app/dialogs/PlayerName.h"
#include "app/files/SavedGameFile.h"
#include "app/files/SavedGameState.h"
#include "fuzz/Fuzz.h"

#include <memory>

namespace {

std::unique_ptr<CVertanDlg>& Table()
{
    static std::unique_ptr<CVertanDlg> table;
    return table;
}

} // namespace

void PrepareTarget()
{
    Table() = std::make_unique<CVertanDlg>();
}

/// A save is read whole or refused with a reason. One read has a player's name of one word,
/// and it reads back the same once written, and once put on the table and saved from there.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const SavedGameReading reading = ParseSavedGame(Bytes(data, size));
    Require(reading.game.has_value() == reading.problem.isEmpty(), "a save is read or refused with a reason");
    if (!reading.game)
        return 0;
    const SavedGame& game = *reading.game;
    Require(NameRefusal(game.playerName).isEmpty() && FirstWord(game.playerName) == game.playerName,
        "the player's name is one the name dialog takes");
    Require(ParseSavedGame(FormatSavedGame(game)).game == game, "a save written reads back the same");
    RestoreSavedGame(game, *Table());
    Require(ParseSavedGame(FormatSavedGame(CaptureSavedGame(*Table()))).game == game,
        "a save put on the table is saved from there the same");
    return 0;
}
