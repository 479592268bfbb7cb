#pragma once

#include "app/files/SavedGameFile.h"

#include <QString>

/// Why a saved game describes no position the game can go on from, in words for the
/// player; empty when it describes one. Every card holds the points, strength and order the
/// game gives it under the trump (under the turned-up suit while the computer's named suit
/// waits for its acknowledgement). Every card lies in one place: a card in a hand is located
/// in that hand and is not played (but for the card of a pair question, played and still in
/// the human's hand), a card located in a hand is held or played, the turned-up card and the
/// deck's card lie face up and no other card does, and only the human's cards are known to
/// the computer. Both sides have as many cards, and their hands differ only by the
/// computer's lead waiting for the human's answer. A prompt that stands is one the deal
/// poses, with the image it is posed with, at the point of the deal the deck, the hands and
/// the played cards show (the prompt rules), and finds what it answers: the trump seven in
/// the exchanging hand and a card to take in its place, the trump queen or king of a pair
/// question, the side that took the trump when its answer starts play. With no prompt
/// standing, the hands play their tricks and the human is to move; the human's answer has
/// the computer's led card. Once the deal is scored and both hands are empty, the next deal
/// clears the table and any position will do.
QString PositionProblem(const SavedGame& game);
