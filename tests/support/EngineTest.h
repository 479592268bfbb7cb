#pragma once

#include "engine/CardTable.h"
#include "engine/CardValues.h"
#include "engine/GameState.h"
#include "engine/PromptState.h"
#include "engine/Settings.h"

#include <gtest/gtest.h>

#include <vector>

/// Cards by rank and suit, so that the hands of a test read like a card table.
constexpr int Seven(int suit)
{
    return CardOf(kRankSeven, suit);
}
constexpr int Eight(int suit)
{
    return CardOf(kRankEight, suit);
}
constexpr int Nine(int suit)
{
    return CardOf(kRankNine, suit);
}
constexpr int Ten(int suit)
{
    return CardOf(kRankTen, suit);
}
constexpr int Jack(int suit)
{
    return CardOf(kRankJack, suit);
}
constexpr int Queen(int suit)
{
    return CardOf(kRankQueen, suit);
}
constexpr int King(int suit)
{
    return CardOf(kRankKing, suit);
}
constexpr int Ace(int suit)
{
    return CardOf(kRankAce, suit);
}

/// A fresh game state for every test, and hands dealt as a deal would.
class EngineTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ResetCardTable();
        ResetGameState();
        ResetPromptState();
        ResetSettings();
    }

    static void SetTrump(int suit)
    {
        g_trumpSuit = suit;
        SetCardValues();
    }

    /// Turns up `card`: it lies face up on the table and its suit becomes trump.
    static void TurnUp(int card)
    {
        g_trumpCard = card;
        g_cards[card].location() = kFaceUpOnTable;
        SetTrump(SuitOf(card));
    }

    static void GiveHuman(const std::vector<int>& cards)
    {
        Give(g_humanHand, g_humanCount, kInHumanHand, cards);
    }
    static void GiveComputer(const std::vector<int>& cards)
    {
        Give(g_computerHand, g_computerCount, kInComputerHand, cards);
    }

private:
    static void Give(Hand& hand, int& count, int location, const std::vector<int>& cards)
    {
        for (const int card : cards) {
            hand[static_cast<std::size_t>(++count)] = card;
            g_cards[card].location() = location;
        }
    }
};
