#pragma once

#include <QString>

class SavedPosition;

/// The checks of a saved position, each of the values that follow from one source; each
/// gives the first problem it finds in words for the player, or an empty text.

/// Where every card lies and what it is worth: the cards' places against the hands, the
/// deck and the turned-up card; their points, strength and order against the trump; the
/// trick on the table; the image and the point of the deal of the prompt that stands.
QString CardPlaceProblem(const SavedPosition& p);

/// The values the waiting point decides: the prompt that stands (its row of the prompt
/// rules), play without a prompt, or the empty table after a game's end.
QString WaitingValueProblem(const SavedPosition& p);

/// The values play derives from the cards of the deal: six trumps, the runs and their
/// declaration, the trump pairs, what the human showed, and the points and tricks taken.
QString DealProgressProblem(const SavedPosition& p);

/// The values of the game's score: the score sheet's rows, the totals, the baits, the
/// hanging tie and the game's end.
QString ScoreProblem(const SavedPosition& p);
