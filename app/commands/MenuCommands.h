#pragma once

#include <QString>

#include <vector>

class CVertanDlg;

/// Command ids of the table window's menu. Each menu action carries its id as its data,
/// so that a command can be found by its id rather than by its text.
enum MenuCommand : int {
    kCmdNewGame = 32783,
    kCmdShowScore = 32794,
    kCmdShowStatistics = 32797,
    kCmdSaveGame = 32785,
    kCmdLoadGame = 32771,
    kCmdChangePlayer = 32795,
    kCmdExit = 32782,
    kCmdGameOptions = 32790,
    kCmdTableBackground = 32781,
    kCmdSound = 32789,
    kCmdCardBack = 32784,
    kCmdPlayers = 32798,
    kCmdHelp = 57670,
    kCmdAbout = 32793,
    kCmdPlayOnline = 32800,
};

/// One item of the menu: a command, or a rule when the handler is null.
struct MenuItem {
    int command = 0;
    QString text;
    void (CVertanDlg::*handler)() = nullptr;
};

struct MenuPopup {
    QString title;
    std::vector<MenuItem> items;
};

/// The table window's menu, popup by popup, in display order.
const std::vector<MenuPopup>& TableMenu();
