#include "engine/Settings.h"
#include "app/files/SettingsFile.h"
#include "fuzz/Fuzz.h"

/// Any settings text gives sixteen values the option dialogs could have produced, the
/// game puts exactly those into force, and what it writes reads back the same.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const SettingsRecord record = ParseSettings(Bytes(data, size));
    for (int field = 1; field <= kSettingsCount; ++field)
        Require(SettingInRange(field, record[static_cast<std::size_t>(field - 1)]), "every setting in range");

    platform::COLORREF customColour = 0;
    ApplySettings(record, customColour);
    // The background and the back read are put in force once their pictures are ready.
    g_background = g_loadedBackground;
    g_cardBack = g_loadedCardBack;
    Require(CurrentSettings(customColour) == record, "the settings in force are the ones read");
    Require(ParseSettings(FormatSettings(record)) == record, "written settings read back the same");
    return 0;
}
