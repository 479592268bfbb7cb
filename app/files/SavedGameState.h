#pragma once

#include "app/files/SavedGameFile.h"

class CVertanDlg;

/// The game as the table holds it, for a saved game. Under the score sheet or the
/// statistics overlay the prompt they cover is kept: closing an overlay restores values
/// the file does not hold, so a game saved under one resumes without it.
SavedGame CaptureSavedGame(const CVertanDlg& table);

/// Puts a saved game into the player's name, the settings, the game state, the card table,
/// the hands, the score rows and the table's custom colour and taker. Nothing is drawn and
/// nothing that depends on the settings is brought up to date.
void RestoreSavedGame(const SavedGame& game, CVertanDlg& table);
