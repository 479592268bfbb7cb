#pragma once

#include "app/files/SavedGameFile.h"

#include <QString>

/// Why a saved game describes no position the game can go on from, in words for the
/// player; empty when it describes one. Every card lies in one place: a card in a hand
/// is located in that hand and is not played (but for the card of a pair question, played
/// and still in the human's hand), a card located in a hand is held or played, a card
/// face up is the turned-up card or the deck's, and only the human's cards are known to
/// the computer. Both sides have as many cards, and their hands differ only by the
/// computer's lead waiting for the human's answer. The prompt that stands finds what it
/// answers: six cards a hand in the bidding, the trump seven in the exchanging hand and a
/// card to take in its place, the trump queen or king of a pair question; the human's
/// answer has the computer's led card; and someone can move. Once the deal is scored and
/// both hands are empty, the next deal clears the table and any position will do.
QString PositionProblem(const SavedGame& game);
