#pragma once

/// Computer levels (`g_level`): 1 "Новичок", 2 "Игрок", 3 "Профи".
constexpr int kLevelBeginner = 1;
constexpr int kLevelPlayer = 2;
constexpr int kLevelPro = 3;

/// The level the computer plays at: `g_level`, a value below 1 playing as 1 and above 3
/// as 3, so that a damaged setting still gives a complete set of rules.
int ComputerLevel();

/// The computer's choice of the card to lead, by a fixed list of rules for its level; no
/// random numbers. Level 1 looks at the cards gone (played, or the turned-up card) and at
/// what the human's answers revealed (`g_humanVoid`, `g_humanNoTrumps`). Levels 2 and 3
/// first mark every card of its hand: `beatable` 1 when a card the computer knows of
/// beats it, `strongerOut` the stronger cards of its suit not yet gone; level 3 also looks
/// into the human's hand and, while the human is well ahead, leads its highest unbeaten
/// plain card. Returns the card's position 1..g_computerCount, or kNoPosition for an
/// empty hand.
int ChooseComputerLead();
