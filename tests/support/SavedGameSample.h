#pragma once

#include <QByteArray>

class CVertanDlg;

/// A game saved in the middle of its third deal: the player "ИВАН" (trump suit 2) is to
/// answer the computer's lead, five cards against four, after two scored deals. Nearly every
/// value differs from its neighbours, so that a value read into the wrong place shows.
/// PutMidDealOnTable sets every value by its own name (the client is 1024 wide);
/// MidDealText is the file the game writes of it, byte for byte.
void PutMidDealOnTable(CVertanDlg& table);
QByteArray MidDealText();

/// Positions (0-based) of the words of that text: header value n (1..73), field f (0..8)
/// of card c, position k (1..) of the human's and the computer's hand, value v (0..3) of
/// score row r.
int HeaderWord(int n);
int CardWord(int card, int field);
int HumanHandWord(int k);
int ComputerHandWord(int k);
int RowWord(int row, int value);
