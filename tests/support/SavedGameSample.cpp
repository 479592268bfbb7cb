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

namespace {

const QString kMidDealText = QStringLiteral(
    // Header: the name, settings 2..16, then the game.
    "ИВАН "
    "3 1193046 5 4 2 2 1 3 2 12 800 0 1 14 1 "
    "0 0 1 2 1 " // 17..21 six trumps, no trumps, hanging tie, first hand
    "37 52 " // 22..23 deal points
    "2 18 31 " // 24..26 trump suit, turned-up card, the computer's table card
    "1 0 0 " // 27..29 trump pairs, buttons active
    "1 1 0 " // 30..32 to move, may play, human showing
    "401 419 " // 33..34 name positions
    "0 0 0 1 " // 35..38 raised sevens, computer showing, table card shown
    "0 2 0 14 " // 39..42 deck, trump mark, announcement, prompt
    "0 2 2 " // 43..45 game over, rows, current row
    "0 0 2 " // 46..48 computer pair shown, human leads, taker
    "5 4 " // 49..50 hand counts
    "0 1 1 " // 51..53 baits, the human follows
    "-100 162 " // 54..55 totals
    "10 23 0 " // 56..58 shown announcements
    "1 3 4 " // 59..61 offered suits
    "1 3 4 " // 62..64 other suits
    "81 " // 65 hanging points
    "0 1 0 1 " // 66..69 runs
    "20 20 " // 70..71 declaration points
    "1 1 " // 72..73 tricks taken
    // Cards: suit, location, points, strength, sequence, status, inRun, shown, sortMark.
    "1 1 0 1 1 0 1 1 0 " // 1
    "2 0 0 9 1 0 0 0 0 " // 2
    "3 2 0 1 1 5 0 0 0 " // 3
    "4 0 0 1 1 0 0 0 0 " // 4
    "1 1 0 2 2 5 1 1 0 " // 5
    "2 2 0 10 2 4 1 1 1 " // 6
    "3 2 0 2 2 5 0 0 0 " // 7
    "4 0 0 2 2 0 0 0 0 " // 8
    "1 1 0 3 3 0 1 1 0 " // 9
    "2 2 14 15 3 5 1 1 0 " // 10
    "3 0 0 3 3 0 0 0 0 " // 11
    "4 0 0 3 3 0 0 0 0 " // 12
    "1 0 10 7 4 0 0 0 0 " // 13
    "2 2 10 13 4 4 1 1 1 " // 14
    "3 2 10 7 4 5 0 0 0 " // 15
    "4 0 10 7 4 0 0 0 0 " // 16
    "1 0 2 4 5 0 0 0 0 " // 17
    "2 1 20 16 5 5 0 0 0 " // 18
    "3 1 2 4 5 0 0 0 0 " // 19
    "4 1 2 4 5 5 0 0 0 " // 20
    "1 0 3 5 6 0 0 0 0 " // 21
    "2 2 3 11 6 0 0 0 1 " // 22
    "3 0 3 5 6 0 0 0 0 " // 23
    "4 1 3 5 6 5 0 0 0 " // 24
    "1 0 4 6 7 0 0 0 0 " // 25
    "2 0 4 12 7 0 0 0 0 " // 26
    "3 2 4 6 7 0 0 0 1 " // 27
    "4 1 4 6 7 0 0 0 0 " // 28
    "1 0 11 8 8 0 0 0 0 " // 29
    "2 0 11 14 8 0 0 0 0 " // 30
    "3 1 11 8 8 5 0 0 0 " // 31
    "4 2 11 8 8 0 0 0 1 " // 32
    // Hands, then the score rows; the last indent has no blank after it.
    "27 32 6 22 14 "
    "1 9 19 28 "
    "1бейт 91 162 63 "
    "Нетвзяток(-100) 115 Висячийбейт 35");

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
    g_playerName = QStringLiteral("ИВАН");
    g_background = 3;
    table.m_customColour = 1193046;
    g_cardBack = 5;
    g_extraCards = 4;
    g_voice = 2;
    g_handSort = 2;
    g_cardSounds = 1;
    g_level = 3;
    g_gameLength = 2;
    g_animDelay = 12;
    g_trickPause = 800;
    g_buttonSounds = 0;
    g_animation = 1;
    g_animSteps = 14;
    g_announcementStyle = 1;

    g_humanSixTrumps = 0;
    g_computerSixTrumps = 0;
    g_humanNoTrumps = 1;
    g_hangingTie = kComputer;
    g_firstHand = kHuman;
    g_humanDealPoints = 37;
    g_computerDealPoints = 52;
    g_trumpSuit = 2;
    g_trumpCard = 18;
    g_computerTableCard = 31;
    g_computerTrumpPair = 1;
    g_humanTrumpPair = 0;
    g_buttonsActive = 0;
    g_toMove = kHuman;
    g_humanMayPlay = 1;
    g_humanShowing = 0;
    g_nameHeaderX = 401;
    g_nameHeaderX2 = 419;
    g_humanSevenRaised = 0;
    g_computerShowing = 0;
    g_computerSevenRaised = 0;
    g_computerCardShown = 1;
    g_deckShown = kDeckNotShown;
    g_trumpMarkPos = kTrumpMarkSpot2;
    g_announcement = image::kNone;
    g_promptState = PromptState::kBothDeclare;
    g_gameOver = 0;
    g_sheetRowCount = 2;
    g_sheetRow = 2;
    g_computerPairShown = 0;
    g_humanLeadsTrick = 0;
    table.m_taker = kComputer;
    g_computerBaits = 0;
    g_humanBaits = 1;
    g_humanFollows = 1;
    g_humanTotal = -100;
    g_computerTotal = 162;
    g_shownAnnouncement1 = image::kHumanTwenty;
    g_shownAnnouncement2 = image::kComputerTwenty;
    g_shownAnnouncement3 = image::kNone;
    g_offeredSuit1 = 1;
    g_offeredSuit2 = 3;
    g_offeredSuit3 = 4;
    g_otherSuit1 = 1;
    g_otherSuit2 = 3;
    g_otherSuit3 = 4;
    g_hangingPoints = 81;
    g_computerFifties = 0;
    g_computerTwenties = 1;
    g_humanFifties = 0;
    g_humanTwenties = 1;
    g_computerDeclPoints = 20;
    g_humanDeclPoints = 20;
    g_humanTookTrick = 1;
    g_computerTookTrick = 1;

    ResetCardTable();
    g_trumpSuit = 2;
    g_otherSuit1 = 1;
    g_otherSuit2 = 3;
    g_otherSuit3 = 4;
    SetCardValues();
    g_humanHand = { 0, 27, 32, 6, 22, 14 };
    g_humanCount = kHumanCards;
    g_computerHand = { 0, 1, 9, 19, 28 };
    g_computerCount = kComputerCards;
    place({ 27, 32, 22 }, kInHumanHand, kStatusInPlay);
    place({ 6, 14 }, kInHumanHand, kStatusSeen);
    place({ 3, 7, 10, 15 }, kInHumanHand, kStatusPlayed);
    place({ 1, 9, 19, 28 }, kInComputerHand, kStatusInPlay);
    place({ 5, 18, 20, 24, 31 }, kInComputerHand, kStatusPlayed);
    for (const int card : { 6, 10, 14, 1, 5, 9 })
        g_cards[card].inRun() = g_cards[card].shown() = 1;
    for (const int card : { 27, 32, 6, 22, 14 })
        g_cards[card].sortMark() = 1;

    g_sheetHuman[1] = QStringLiteral("1 бейт");
    g_sheetHumanIndent[1] = 91;
    g_sheetComputer[1] = QStringLiteral("162");
    g_sheetComputerIndent[1] = 63;
    g_sheetHuman[2] = QStringLiteral("Нет взяток (-100)");
    g_sheetHumanIndent[2] = 115;
    g_sheetComputer[2] = QStringLiteral("Висячий бейт");
    g_sheetComputerIndent[2] = 35;
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
