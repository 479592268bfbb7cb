#include "app/WindowTitle.h"

namespace {

QString LevelText(int level)
{
    switch (level) {
    case 1:
        return QStringLiteral(",   Новичок,");
    case 2:
        return QStringLiteral(",   Игрок,");
    case 3:
        return QStringLiteral(",   Профи,");
    default:
        return {};
    }
}

QString LengthText(int gameLength)
{
    switch (gameLength) {
    case 1:
        return QStringLiteral("   Короткая партия.");
    case 2:
        return QStringLiteral("   Длинная партия.");
    default:
        return {};
    }
}

} // namespace

QString TableTitle(const QString& playerName, int level, int gameLength)
{
    return QStringLiteral("Вертан   -   ") + playerName + LevelText(level) + LengthText(gameLength);
}
