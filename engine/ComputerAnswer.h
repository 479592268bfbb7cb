#pragma once

#include "engine/CardTable.h"

/// The computer's answer to a human lead and the side it gives the trick to.
struct ComputerAnswer {
    /// Position 1..g_computerCount of the answering card; kNoPosition for an empty hand.
    int position = 0;
    /// kHuman when the led card keeps the trick, kComputer when the answer takes it,
    /// kNoSide when there is no answer.
    int winner = kNoSide;
};

/// The computer's answer to a lead of suit `ledSuit` 1..4 and strength `ledStrength`
/// 1..16; no random numbers, always legal. A plain lead is beaten with the highest card
/// of its suit that beats it, else trumped with the lowest trump; a trump lead with the
/// lowest trump that beats it; a lead it cannot beat gets its lowest card of the led
/// suit, else its lowest trump, else its lowest card. At level 3, while the human is well
/// ahead and still holds the led plain suit, and the computer's best card of that suit
/// outranks his, it beats the lead with its lowest card of the suit that does.
ComputerAnswer ChooseComputerAnswer(int ledSuit, int ledStrength);
