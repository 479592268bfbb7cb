#include "app/dialogs/PlayerName.h"
#include "app/files/SettingsFile.h"
#include "engine/Settings.h"
#include "fuzz/Fuzz.h"
#include "platform/Cp1251.h"

#include <QFile>

namespace {

/// Settings field 3, the custom colour, in a record.
constexpr std::size_t kCustomColourField = 2;

SettingsRecord ReadInForce(const QString& path)
{
    platform::COLORREF customColour = 0;
    ReadSettingsFile(path, customColour);
    g_background = g_loadedBackground;
    g_cardBack = g_loadedCardBack;
    return CurrentSettings(customColour);
}

} // namespace

/// The input is a player's name (Windows-1251, up to the first line break) and his
/// profile's text. A profile spelled in another letter case is the player's; the settings it
/// gives are in range, and written back over it they read back the same.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QByteArray input = Bytes(data, size);
    const qsizetype lineEnd = input.indexOf('\n');
    const QString name = platform::FromCp1251(input.left(lineEnd));
    if (!NameRefusal(name).isEmpty() || FirstWord(name) != name)
        return 0;

    const QString& folder = ScratchFolder();
    const QString file = name.toLower() + kProfileExtension;
    WriteScratch(file, lineEnd < 0 ? QByteArray() : input.mid(lineEnd + 1));
    Require(SettingsFileOf(folder, name) == file, "the player's profile is found in any letter case");
    const SettingsRecord read = ReadInForce(folder + file);
    for (int field = 1; field <= kSettingsCount; ++field)
        Require(SettingInRange(field, read[static_cast<std::size_t>(field - 1)]), "every setting in range");
    Require(WriteSettingsFile(folder + file, static_cast<platform::COLORREF>(read[kCustomColourField])),
        "the profile is written");
    Require(ReadInForce(folder + file) == read, "the profile written reads back the same");
    QFile::remove(folder + file);
    return 0;
}
