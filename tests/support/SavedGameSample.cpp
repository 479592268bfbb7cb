#include "support/SavedGameSample.h"

#include "app/Globals.h"
#include "app/VertanDlg.h"
#include "app/drawing/TableDrawing.h"
#include "engine/CardTable.h"
#include "engine/CardValues.h"
#include "engine/GameState.h"
#include "engine/PromptState.h"
#include "engine/Settings.h"
#include "platform/Cp1251.h"

#include <QString>

#include <initializer_list>
#include <utility>

namespace {

const QString kMidDealText = QStringLiteral(
    // Header: the name, settings 2..16, then the game values 17..73.
    "ИВАН 3 1193046 5 4 2 2 1 3 2 12 800 0 1 14 1 "
    "0 0 0 2 2 17 32 2 2 31 0 0 0 1 1 0 401 419 0 0 0 1 " // 17..38
    "13 2 0 14 0 2 2 0 0 2 5 4 0 1 1 -100 162 10 23 0 " // 39..58
    "1 3 4 1 3 4 81 0 1 0 1 0 20 1 1 " // 59..73
    // Cards 1..32: suit, location, points, strength, sequence, status, inRun, shown, sortMark.
    "1 1 0 1 1 0 1 1 0 2 3 0 9 1 0 0 0 0 3 2 0 1 1 5 0 0 0 4 0 0 1 1 0 0 0 0 " // 1..4
    "1 1 0 2 2 5 1 1 0 2 2 0 10 2 4 1 1 1 3 2 0 2 2 5 0 0 0 4 0 0 2 2 0 0 0 0 " // 5..8
    "1 1 0 3 3 0 1 1 0 2 2 14 15 3 5 1 1 0 3 0 0 3 3 0 0 0 0 4 0 0 3 3 0 0 0 0 " // 9..12
    "1 3 10 7 4 0 0 0 0 2 2 10 13 4 4 1 1 1 3 2 10 7 4 5 0 0 0 4 0 10 7 4 0 0 0 0 " // 13..16
    "1 0 2 4 5 0 0 0 0 2 1 20 16 5 5 0 0 0 3 1 2 4 5 0 0 0 0 4 1 2 4 5 5 0 0 0 " // 17..20
    "1 0 3 5 6 0 0 0 0 2 2 3 11 6 0 0 0 1 3 1 3 5 6 5 0 0 0 4 0 3 5 6 0 0 0 0 " // 21..24
    "1 0 4 6 7 0 0 0 0 2 0 4 12 7 0 0 0 0 3 2 4 6 7 0 0 0 1 4 1 4 6 7 0 0 0 0 " // 25..28
    "1 0 11 8 8 0 0 0 0 2 0 11 14 8 0 0 0 0 3 1 11 8 8 5 0 0 0 4 2 11 8 8 0 0 0 1 " // 29..32
    // The hands, then the score rows; the last indent has no blank after it.
    "27 32 6 22 14 1 9 19 28 1бейт 91 162 63 Нетвзяток(-100) 115 Висячийбейт 35");

constexpr int kHeaderValues = 73;
constexpr int kCardFields = 9;
constexpr int kHumanCards = 5;
constexpr int kComputerCards = 4;

void place(std::initializer_list<int> cards, int location, int status)
{
    for (const int card : cards) {
        g_cards[card].location() = location;
        g_cards[card].status() = status;
    }
}

} // namespace

void PutMidDealOnTable(CVertanDlg& table)
{
    ResetCardTable();
    g_playerName = QStringLiteral("ИВАН");
    table.m_customColour = 1193046;
    table.m_taker = kComputer;
    g_promptState = PromptState::kBothDeclare;
    for (const auto& [global, value] :
        std::initializer_list<std::pair<int*, int>> { { &g_background, 3 }, { &g_cardBack, 5 },
            { &g_extraCards, 4 }, { &g_voice, 2 }, { &g_handSort, 2 }, { &g_cardSounds, 1 }, { &g_level, 3 },
            { &g_gameLength, 2 }, { &g_animDelay, 12 }, { &g_trickPause, 800 }, { &g_buttonSounds, 0 },
            { &g_animation, 1 }, { &g_animSteps, 14 }, { &g_announcementStyle, 1 }, { &g_humanSixTrumps, 0 },
            { &g_computerSixTrumps, 0 }, { &g_humanNoTrumps, 0 }, { &g_hangingTie, kComputer },
            { &g_firstHand, kComputer }, { &g_humanDealPoints, 17 }, { &g_computerDealPoints, 32 },
            { &g_trumpSuit, 2 }, { &g_trumpCard, 2 }, { &g_computerTableCard, 31 },
            { &g_computerTrumpPair, 0 }, { &g_humanTrumpPair, 0 }, { &g_buttonsActive, 0 },
            { &g_toMove, kHuman }, { &g_humanMayPlay, 1 }, { &g_humanShowing, 0 }, { &g_nameHeaderX, 401 },
            { &g_nameHeaderX2, 419 }, { &g_humanSevenRaised, 0 }, { &g_computerShowing, 0 },
            { &g_computerSevenRaised, 0 }, { &g_computerCardShown, 1 }, { &g_deckShown, 13 },
            { &g_trumpMarkPos, kTrumpMarkSpot2 }, { &g_announcement, image::kNone }, { &g_gameOver, 0 },
            { &g_sheetRowCount, 2 }, { &g_sheetRow, 2 }, { &g_computerPairShown, 0 },
            { &g_humanLeadsTrick, 0 }, { &g_humanCount, kHumanCards }, { &g_computerCount, kComputerCards },
            { &g_computerBaits, 0 }, { &g_humanBaits, 1 }, { &g_humanFollows, 1 }, { &g_humanTotal, -100 },
            { &g_computerTotal, 162 }, { &g_shownAnnouncement1, image::kHumanTwenty },
            { &g_shownAnnouncement2, image::kComputerTwenty }, { &g_shownAnnouncement3, image::kNone },
            { &g_offeredSuit1, 1 }, { &g_offeredSuit2, 3 }, { &g_offeredSuit3, 4 }, { &g_otherSuit1, 1 },
            { &g_otherSuit2, 3 }, { &g_otherSuit3, 4 }, { &g_hangingPoints, 81 }, { &g_computerFifties, 0 },
            { &g_computerTwenties, 1 }, { &g_humanFifties, 0 }, { &g_humanTwenties, 1 },
            { &g_computerDeclPoints, 0 }, { &g_humanDeclPoints, 20 }, { &g_humanTookTrick, 1 },
            { &g_computerTookTrick, 1 } })
        *global = value;

    SetCardValues();
    g_humanHand = { 0, 27, 32, 6, 22, 14 };
    g_computerHand = { 0, 1, 9, 19, 28 };
    place({ 27, 32, 22 }, kInHumanHand, kStatusInPlay);
    place({ 6, 14 }, kInHumanHand, kStatusSeen);
    place({ 3, 7, 10, 15 }, kInHumanHand, kStatusPlayed);
    place({ 1, 9, 19, 28 }, kInComputerHand, kStatusInPlay);
    place({ 5, 18, 20, 23, 31 }, kInComputerHand, kStatusPlayed);
    place({ 2, 13 }, kFaceUpOnTable, kStatusInPlay);
    for (const int card : { 6, 10, 14, 1, 5, 9 })
        g_cards[card].inRun() = g_cards[card].shown() = 1;
    for (const int card : { 27, 32, 6, 22, 14 })
        g_cards[card].sortMark() = 1;

    g_sheetHuman[1] = QStringLiteral("1 бейт");
    g_sheetHuman[2] = QStringLiteral("Нет взяток (-100)");
    g_sheetComputer[1] = QStringLiteral("162");
    g_sheetComputer[2] = QStringLiteral("Висячий бейт");
    g_sheetHumanIndent = { 0, 91, 115 };
    g_sheetComputerIndent = { 0, 63, 35 };
}

QByteArray MidDealText()
{
    return platform::ToCp1251(kMidDealText);
}

int HeaderWord(int n)
{
    return n - 1;
}

int CardWord(int card, int field)
{
    return kHeaderValues + (card - 1) * kCardFields + field;
}

int HumanHandWord(int k)
{
    return CardWord(g_deckSize + 1, 0) + k - 1;
}

int ComputerHandWord(int k)
{
    return HumanHandWord(kHumanCards + 1) + k - 1;
}

int RowWord(int row, int value)
{
    return ComputerHandWord(kComputerCards + 1) + (row - 1) * 4 + value;
}
