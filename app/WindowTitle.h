#pragma once

#include <QString>

/// The table window's title for a player: "Вертан   -   " with the name, the computer's
/// level (",   Новичок," for 1, ",   Игрок," for 2, ",   Профи," for 3) and the game's
/// length ("   Короткая партия." for 1, "   Длинная партия." for 2); an unknown level or
/// length adds nothing.
QString TableTitle(const QString& playerName, int level, int gameLength);
