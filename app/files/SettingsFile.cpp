#include "app/files/SettingsFile.h"

#include "app/dialogs/PlayerName.h"
#include "app/files/NamedFiles.h"
#include "app/files/ProgramFolder.h"
#include "app/files/StateFile.h"
#include "engine/Settings.h"
#include "platform/Cp1251.h"
#include "platform/Files.h"

namespace {

/// Field numbers (0-based here) of the settings file.
enum Field {
    kMaximized,
    kBackground,
    kCustomColour,
    kCardBack,
    kExtraCards,
    kVoice,
    kHandSort,
    kCardSounds,
    kLevel,
    kGameLength,
    kAnimDelay,
    kTrickPause,
    kButtonSounds,
    kAnimation,
    kAnimSteps,
    kAnnouncementStyle,
};

struct Range {
    long long low;
    long long high;
};

/// What the option dialogs can produce; anything else is damage and takes the default.
constexpr std::array<Range, kSettingsCount> kRanges { {
    { 0, 1 }, // maximised
    { 1, 11 }, // background
    { 0, 0xffffff }, // custom colour
    { 1, 8 }, // card back
    { kFewestExtraCards, kMostExtraCards }, // extra cards
    { 1, 3 }, // voice
    { 1, 2 }, // hand sort
    { 0, 1 }, // card sounds
    { 1, 3 }, // level
    { 1, 2 }, // game length
    { 0, 1000000 }, // animation delay, ms
    { 0, 1000000 }, // trick pause, ms
    { 0, 1 }, // button sounds
    { 0, 1 }, // animation
    { 5, 20 }, // animation steps
    { 0, 3 }, // announcement style
} };

/// The values a missing file stands for, in file order.
constexpr SettingsRecord kDefaults { 0, 1, 0, 1, 3, 1, 1, 1, 1, 2, 8, 1000, 1, 1, 10, 2 };

int toInt(long long value)
{
    return static_cast<int>(value);
}

} // namespace

SettingsRecord ParseSettings(const QByteArray& text)
{
    SettingsRecord lastGroup = kDefaults;
    SettingsRecord group = kDefaults;
    int filled = 0;
    bool anyComplete = false;
    for (const QString& token : WordsOf(QString::fromLatin1(text))) {
        bool ok = false;
        const long long value = token.toLongLong(&ok);
        if (!ok)
            break;
        group[static_cast<std::size_t>(filled)] = value;
        if (++filled == kSettingsCount) {
            lastGroup = group;
            anyComplete = true;
            group = kDefaults;
            filled = 0;
        }
    }
    SettingsRecord result = anyComplete ? lastGroup : group;
    for (std::size_t i = 0; i < result.size(); ++i)
        if (!SettingInRange(static_cast<int>(i) + 1, result[i]))
            result[i] = kDefaults[i];
    return result;
}

bool SettingInRange(int field, long long value)
{
    if (field < 1 || field > kSettingsCount)
        return false;
    const Range& range = kRanges[static_cast<std::size_t>(field - 1)];
    return value >= range.low && value <= range.high;
}

QByteArray FormatSettings(const SettingsRecord& record)
{
    QByteArray text;
    for (std::size_t i = 0; i < record.size(); ++i) {
        if (i > 0)
            text += ' ';
        text += QByteArray::number(record[i]);
    }
    return text;
}

SettingsRecord CurrentSettings(platform::COLORREF customColour)
{
    return { g_maximized, g_background, customColour, g_cardBack, g_extraCards, g_voice, g_handSort,
        g_cardSounds, g_level, g_gameLength, g_animDelay, g_trickPause, g_buttonSounds, g_animation,
        g_animSteps, g_announcementStyle };
}

void ApplySettings(const SettingsRecord& r, platform::COLORREF& customColour)
{
    g_maximized = toInt(r[kMaximized]);
    g_loadedBackground = toInt(r[kBackground]);
    customColour = static_cast<platform::COLORREF>(r[kCustomColour]);
    g_loadedCardBack = toInt(r[kCardBack]);
    g_extraCards = toInt(r[kExtraCards]);
    g_voice = toInt(r[kVoice]);
    g_handSort = toInt(r[kHandSort]);
    g_cardSounds = toInt(r[kCardSounds]);
    g_level = toInt(r[kLevel]);
    g_gameLength = toInt(r[kGameLength]);
    g_animDelay = toInt(r[kAnimDelay]);
    g_trickPause = toInt(r[kTrickPause]);
    g_buttonSounds = toInt(r[kButtonSounds]);
    g_animation = toInt(r[kAnimation]);
    g_animSteps = toInt(r[kAnimSteps]);
    g_announcementStyle = toInt(r[kAnnouncementStyle]);
    UpdateDerivedSettings();
}

void ReadSettingsFile(const QString& path, platform::COLORREF& customColour)
{
    const std::optional<QByteArray> text = platform::ReadWholeFile(path);
    ApplySettings(text ? ParseSettings(*text) : kDefaults, customColour);
}

bool WriteSettingsFile(const QString& path, platform::COLORREF customColour)
{
    return WriteStateFile(path, FormatSettings(CurrentSettings(customColour)));
}

QString FindProfile(const QString& folder, const QString& playerName)
{
    return playerName.isEmpty() ? QString()
                                : FindNamedFile(folder, kProfileExtension, playerName, Qt::CaseInsensitive);
}

QString SettingsFileOf(const QString& folder, const QString& playerName)
{
    const QString profile = FindProfile(folder, playerName);
    return profile.isEmpty() ? kSharedSettingsFile : profile;
}

QString ReadLastPlayer(const QString& folder)
{
    const std::optional<QByteArray> text = platform::ReadWholeFile(FileInFolder(folder, kLastPlayerFile));
    if (!text)
        return {};
    const QStringList words = WordsOf(platform::FromCp1251(*text));
    if (words.isEmpty())
        return {};
    // The name becomes part of file names: a word the name dialog would refuse is no name.
    const QString name = words.first().left(kMaxNameLength);
    return NameRefusal(name).isEmpty() ? name : QString();
}

bool WriteLastPlayer(const QString& folder, const QString& playerName)
{
    return WriteStateFile(FileInFolder(folder, kLastPlayerFile), platform::ToCp1251(playerName));
}
