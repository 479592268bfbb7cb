#include "app/commands/MenuCommands.h"

#include "app/VertanDlg.h"

const std::vector<MenuPopup>& TableMenu()
{
    static const std::vector<MenuPopup> menu {
        { QStringLiteral("Игра"),
            { { kCmdNewGame, QStringLiteral("Новая игра"), &CVertanDlg::OnNewGame }, {},
                { kCmdShowScore, QStringLiteral("Показать счет"), &CVertanDlg::OnShowScore },
                { kCmdShowStatistics, QStringLiteral("Показать статистику"), &CVertanDlg::OnShowStatistics },
                {}, { kCmdSaveGame, QStringLiteral("Сохранить игру"), &CVertanDlg::OnSaveGame },
                { kCmdLoadGame, QStringLiteral("Загрузить игру"), &CVertanDlg::OnLoadGame }, {},
                { kCmdChangePlayer, QStringLiteral("Сменить игрока"), &CVertanDlg::OnChangePlayer }, {},
                { kCmdExit, QStringLiteral("Выход"), &CVertanDlg::OnExit } } },
        { QStringLiteral("Параметры"),
            { { kCmdGameOptions, QStringLiteral("Игра"), &CVertanDlg::OnGameOptions },
                { kCmdTableBackground, QStringLiteral("Фон стола"), &CVertanDlg::OnTableBackground },
                { kCmdSound, QStringLiteral("Звук"), &CVertanDlg::OnSound },
                { kCmdCardBack, QStringLiteral("Рубашка"), &CVertanDlg::OnCardBack }, {},
                { kCmdPlayers, QStringLiteral("Игроки"), &CVertanDlg::OnPlayers } } },
        { QStringLiteral("Справка"),
            { { kCmdHelp, QStringLiteral("Вывод справки"), &CVertanDlg::OnHelp }, {},
                { kCmdAbout, QStringLiteral("О программе"), &CVertanDlg::OnAbout },
                { kCmdPlayOnline, QStringLiteral("Играть в вертан онлайн"), &CVertanDlg::OnPlayOnline } } },
    };
    return menu;
}
