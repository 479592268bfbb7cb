#pragma once

#include <QByteArray>

class CVertanDlg;

/// A game saved in the middle of its third deal: the player "ИВАН" (trump suit 2) is to
/// answer the computer's lead, five cards against four, after two scored deals (a bait and
/// a hanging tie). Nearly every value differs from its neighbours in the file, so that a
/// value read into the wrong place shows.

/// Puts the game on the table, every value by its own name; the client is 1024 wide.
void PutMidDealOnTable(CVertanDlg& table);

/// The saved game of that table, byte for byte (Windows-1251).
QByteArray MidDealText();

/// Positions (0-based) of the values in that text: header value n (1..73), field f (0..8
/// in file order) of card c, position k (1-based) of the human and the computer hand, and
/// value v (0..3) of score row r.
int HeaderWord(int n);
int CardWord(int card, int field);
int HumanHandWord(int k);
int ComputerHandWord(int k);
int RowWord(int row, int value);
