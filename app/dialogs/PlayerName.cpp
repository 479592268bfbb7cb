#include "app/dialogs/PlayerName.h"

#include "app/files/SettingsFile.h"
#include "platform/Cp1251.h"

#include <QList>

#include <algorithm>

namespace {

/// What the name dialog says about a name it refuses.
const QString kEmptyNameMessage = QStringLiteral("Введите имя");
const QString kLengthMessage = QStringLiteral("Введите не более 12 символов");

} // namespace

bool HoldsForbiddenCharacter(const QString& text)
{
    return std::any_of(text.cbegin(), text.cend(), [](QChar c) {
        return c == QLatin1Char('/') || c == QLatin1Char('\\') || c == QLatin1Char('.')
            || c.category() == QChar::Other_Control;
    });
}

QString FirstWord(const QString& text)
{
    const auto blank = std::find_if(text.cbegin(), text.cend(), [](QChar c) { return c.isSpace(); });
    return text.left(blank - text.cbegin());
}

int CharacterCount(const QString& text)
{
    return static_cast<int>(text.toUcs4().size());
}

QString UpperCaseLetters(QString text)
{
    for (QChar& c : text)
        c = c.toUpper();
    return text;
}

QString NameRefusal(const QString& word)
{
    if (word.isEmpty())
        return kEmptyNameMessage;
    if (CharacterCount(word) > kMaxNameLength)
        return kLengthMessage;
    // A character Windows-1251 has no code for would come back from the last-player file
    // as '?', so the player would lose his name and his profile.
    // A blank of any kind, the non-breaking one too, would split the name wherever the game
    // reads it back as a word.
    if (HoldsForbiddenCharacter(word) || FirstWord(word) != word
        || platform::FromCp1251(platform::ToCp1251(word)) != word)
        return kBadCharacterMessage;
    return {};
}
