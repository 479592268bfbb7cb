#pragma once

#include "engine/ScoreSheet.h"
#include "platform/MemoryDC.h"

#include <QString>

#include <array>
#include <optional>

/// Objects shared by the drawing code, the file readers and writers and the engine; they
/// live for the whole run.

/// Pens of the panels, the score sheet and statistics frames, and the overlays' close mark.
inline const platform::Pen g_penLightGrey { 1, platform::RGB(200, 200, 200) };
inline const platform::Pen g_penGreyBold { 3, platform::RGB(120, 120, 120) };
inline const platform::Pen g_penGrey { 1, platform::RGB(160, 160, 160) };
inline const platform::Pen g_penCharcoal { 1, platform::RGB(50, 50, 50) };
inline const platform::Pen g_penSilver { 1, platform::RGB(170, 170, 170) };
inline const platform::Pen g_penDimGrey { 1, platform::RGB(100, 100, 100) };
inline const platform::Pen g_penDarkRedBold { 3, platform::RGB(120, 40, 40) };
inline const platform::Pen g_penCloseMark { 3, platform::RGB(255, 50, 50) };

/// The program folder with "/" separators and a trailing "/": the prefix of every data file.
inline QString g_programDir;
/// The current player's name: one word of at most 12 characters.
inline QString g_playerName;
/// Bare name of the current settings file: "config.krt" or the player's profile as on disk.
inline QString g_settingsFile;
/// Name the save dialog offers.
inline QString g_saveName;
/// Pages shipped in the program folder: the help page with the rules, and the contact page.
inline const QString kHelpPage = QStringLiteral("help/index.htm");
inline const QString kContactPage = QStringLiteral("mail/mail.htm");
/// The page the online-play command opens, relative to the program folder: the game ships
/// no server of its own, so the page tells how to find partners.
inline const QString g_onlineAddress = kContactPage;

/// What a ninth save or profile is told: both are kept to eight.
inline const QString kLimitMessage = QStringLiteral("Максимальное число сохранений - восемь");

/// The question before a new game replaces the one in play.
inline const QString kNewGameQuestion = QStringLiteral("Начать новую партию?");

/// Rows of the score sheet: cells 1..54 of the human's (left) and the computer's column.
constexpr int kSheetCells = kSheetLastRow + 1;
inline std::array<QString, kSheetCells> g_sheetHuman;
inline std::array<QString, kSheetCells> g_sheetComputer;
/// Per cell, in pixels: the human's text starts this far left of the centre column, the
/// computer's this far right of it.
inline std::array<int, kSheetCells> g_sheetHumanIndent {};
inline std::array<int, kSheetCells> g_sheetComputerIndent {};

/// What the final panel of a game shows of the score: the deal rows and the totals the game
/// ended at. A change of player clears the score while the panel stands; the panel keeps
/// showing how the game ended from what was kept then.
struct FinalPanelScore {
    /// Deal rows 0..54.
    int rows = 0;
    int humanTotal = 0;
    int computerTotal = 0;
};
/// Kept while the final panel stands over a cleared score; empty otherwise.
inline std::optional<FinalPanelScore> g_keptFinalScore;

/// Columns of the statistics table, rows 1..15.
constexpr int kStatCells = 16;
inline std::array<QString, kStatCells> g_statRowNo, g_statName, g_statStatus, g_statPoints, g_statGame,
    g_statLevel;
/// Rows of the statistics table read, 0..15.
inline int g_statRowCount = 0;

/// 0 until start-up has run; 1 from the moment the window has its size, so it runs once and
/// size messages redraw the table from then on.
inline int g_started = 0;
/// 1 while the intro's OpenGL context exists.
inline int g_glActive = 0;

/// Puts the shared strings and the table drawing's state back to their start values (tests use it).
void ResetGlobals();
