#pragma once

#include "app/files/SavedGameFile.h"

#include <QString>

/// Why a saved game describes no position the game can go on from, in words for the
/// player; empty when it describes one. Every value the file holds is either free (a
/// setting, the name, a value play sets anew before it reads it) or follows from what play
/// derives it from, and is checked against that (see the account in SavedGameFile.cpp):
/// - where each card lies and what it is worth: the hands, the deck, the turned-up card,
///   the trick on the table and the trump;
/// - how the game waits: the prompt that stands (its row of the prompt rules, image and
///   values alike), play without a prompt, or the empty table after a game's end;
/// - what the cards of the deal make of the deal: six trumps, the runs and their
///   declaration, the trump pairs, what the human showed, the points and tricks taken;
/// - the score: the sheet's rows, the totals, the baits, the hanging tie, the game's end.
QString PositionProblem(const SavedGame& game);
