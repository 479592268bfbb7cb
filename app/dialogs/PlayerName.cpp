#include "app/dialogs/PlayerName.h"

#include "app/files/SettingsFile.h"
#include "engine/Blanks.h"
#include "platform/Cp1251.h"

#include <QList>

#include <algorithm>

namespace {

/// What the name dialog says about a name it refuses.
const QString kEmptyNameMessage = QStringLiteral("Введите имя");
const QString kLengthMessage = QStringLiteral("Введите не более 12 символов");
const QString kBlankMessage = QStringLiteral("Имя не должно содержать пробелов");

/// IsBlank(QChar) as a function object for the algorithms.
constexpr auto IsBlankCharacter = [](QChar c) { return IsBlank(c); };

} // namespace

bool HoldsForbiddenCharacter(const QString& text)
{
    return std::any_of(text.cbegin(), text.cend(), [](QChar c) {
        return c == QLatin1Char('/') || c == QLatin1Char('\\') || c == QLatin1Char('.')
            || c.category() == QChar::Other_Control || c.category() == QChar::Other_Format;
    });
}

bool IsBlank(QChar c)
{
    // Every blank lies in the first plane, so one UTF-16 unit holds it.
    return IsBlank(char32_t { c.unicode() });
}

QString FirstWord(const QString& text)
{
    return text.left(std::find_if(text.cbegin(), text.cend(), IsBlankCharacter) - text.cbegin());
}

QStringList WordsOf(const QString& text)
{
    QStringList words;
    for (auto at = text.cbegin(); at != text.cend();) {
        const auto start = std::find_if_not(at, text.cend(), IsBlankCharacter);
        at = std::find_if(start, text.cend(), IsBlankCharacter);
        if (at != start)
            words.append(QString(start, at - start));
    }
    return words;
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
    if (std::any_of(word.cbegin(), word.cend(), IsBlankCharacter))
        return kBlankMessage;
    // A character Windows-1251 has no code for would come back from the last-player file
    // as '?', so the player would lose his name and his profile.
    if (HoldsForbiddenCharacter(word) || platform::FromCp1251(platform::ToCp1251(word)) != word)
        return kBadCharacterMessage;
    return {};
}
