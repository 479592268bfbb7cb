#include "engine/CardValues.h"

#include "engine/CardTable.h"

int CardPoints(int card, int trumpSuit)
{
    const auto rank = static_cast<std::size_t>(RankOf(card));
    return SuitOf(card) == trumpSuit ? kTrumpPoints[rank] : kPlainPoints[rank];
}

int CardStrength(int card, int trumpSuit)
{
    const auto rank = static_cast<std::size_t>(RankOf(card));
    return SuitOf(card) == trumpSuit ? kTrumpStrength[rank] : kPlainStrength[rank];
}

void SetCardValues()
{
    for (int card = 1; card <= g_deckSize; ++card) {
        CardRecord& record = g_cards[card];
        record.points() = CardPoints(card, g_trumpSuit);
        record.strength() = CardStrength(card, g_trumpSuit);
        record.sequence() = RankOf(card) + 1;
    }
}

std::array<int, 3> OtherSuitsOf(int trumpSuit)
{
    std::array<int, 3> others {};
    std::size_t next = 0;
    for (int suit = 1; suit <= kSuits; ++suit) {
        if (suit != trumpSuit && next < others.size())
            others[next++] = suit;
    }
    return others;
}

void SetOtherSuits()
{
    const std::array<int, 3> others = OtherSuitsOf(g_trumpSuit);
    g_otherSuit1 = others[0];
    g_otherSuit2 = others[1];
    g_otherSuit3 = others[2];
}
