#include "app/dialogs/PlayerName.h"
#include "app/files/SettingsFile.h"
#include "fuzz/Fuzz.h"

/// Any last-player file gives no name or one the name dialog would take as it stands, and
/// the name written reads back the same.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QString& folder = ScratchFolder();
    WriteScratch(kLastPlayerFile, Bytes(data, size));
    const QString name = ReadLastPlayer(folder);
    if (name.isEmpty())
        return 0;
    Require(NameRefusal(name).isEmpty() && FirstWord(name) == name, "the last player is a name of one word");
    Require(WriteLastPlayer(folder, name) && ReadLastPlayer(folder) == name, "the name written reads back");
    return 0;
}
