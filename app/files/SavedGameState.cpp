#include "app/files/SavedGameState.h"

#include "app/VertanDlg.h"
#include "app/drawing/TableDrawing.h"
#include "engine/GameState.h"
#include "engine/PromptState.h"
#include "engine/Settings.h"

#include <algorithm>

namespace {

/// Where each header value lives, by number; null for those that are not plain int
/// globals: the name (1), the custom colour (3), the prompt state (42) and the taker (48).
/// The file's order is binding, though it puts some computer values before the human's.
const std::array<int*, kSavedHeaderValues + 1> kHeaderGlobals {
    nullptr,
    nullptr,
    &g_background,
    nullptr,
    &g_cardBack,
    &g_extraCards,
    &g_voice,
    &g_handSort,
    &g_cardSounds,
    &g_level,
    &g_gameLength,
    &g_animDelay,
    &g_trickPause,
    &g_buttonSounds,
    &g_animation,
    &g_animSteps,
    &g_announcementStyle,
    &g_humanSixTrumps,
    &g_computerSixTrumps,
    &g_humanNoTrumps,
    &g_hangingTie,
    &g_firstHand,
    &g_humanDealPoints,
    &g_computerDealPoints,
    &g_trumpSuit,
    &g_trumpCard,
    &g_computerTableCard,
    &g_computerTrumpPair,
    &g_humanTrumpPair,
    &g_buttonsActive,
    &g_toMove,
    &g_humanMayPlay,
    &g_humanShowing,
    &g_nameHeaderX,
    &g_nameHeaderX2,
    &g_humanSevenRaised,
    &g_computerShowing,
    &g_computerSevenRaised,
    &g_computerCardShown,
    &g_deckShown,
    &g_trumpMarkPos,
    &g_announcement,
    nullptr,
    &g_gameOver,
    &g_sheetRowCount,
    &g_sheetRow,
    &g_computerPairShown,
    &g_humanLeadsTrick,
    nullptr,
    &g_humanCount,
    &g_computerCount,
    &g_computerBaits,
    &g_humanBaits,
    &g_humanFollows,
    &g_humanTotal,
    &g_computerTotal,
    &g_shownAnnouncement1,
    &g_shownAnnouncement2,
    &g_shownAnnouncement3,
    &g_offeredSuit1,
    &g_offeredSuit2,
    &g_offeredSuit3,
    &g_otherSuit1,
    &g_otherSuit2,
    &g_otherSuit3,
    &g_hangingPoints,
    &g_computerFifties,
    &g_computerTwenties,
    &g_humanFifties,
    &g_humanTwenties,
    &g_computerDeclPoints,
    &g_humanDeclPoints,
    &g_humanTookTrick,
    &g_computerTookTrick,
};

std::size_t at(int index)
{
    return static_cast<std::size_t>(index);
}

} // namespace

SavedGame CaptureSavedGame(const CVertanDlg& table)
{
    SavedGame game;
    game.playerName = g_playerName;
    for (int n = saved::kFirstSetting; n <= kSavedHeaderValues; ++n)
        if (const int* global = kHeaderGlobals[at(n)])
            game.header[at(n)] = *global;
    game.header[saved::kCustomColour] = static_cast<int>(table.m_customColour);
    game.header[saved::kTaker] = table.m_taker;

    const CoveredPrompt prompt = PromptBeneathOverlays();
    game.header[saved::kPromptState] = static_cast<int>(prompt.state);
    game.header[saved::kAnnouncement] = prompt.announcement;
    game.header[saved::kHumanMayPlay] = prompt.mayPlay;
    game.header[saved::kHumanLeadsTrick] = prompt.leads;

    for (int card = 1; card <= g_deckSize; ++card)
        for (std::size_t field = 0; field < kSavedCardFields.size(); ++field)
            game.cards[at(card)][field] = g_cards[at(card)][kSavedCardFields[field]];
    game.humanHand = g_humanHand;
    game.computerHand = g_computerHand;

    for (int row = 1; row <= std::min(g_sheetRowCount, kSheetLastRow); ++row)
        game.rows[at(row)] = { g_sheetHuman[at(row)], g_sheetHumanIndent[at(row)], g_sheetComputer[at(row)],
            g_sheetComputerIndent[at(row)] };
    return game;
}

void RestoreSavedGame(const SavedGame& game, CVertanDlg& table)
{
    g_playerName = game.playerName;
    for (int n = saved::kFirstSetting; n <= kSavedHeaderValues; ++n)
        if (int* global = kHeaderGlobals[at(n)])
            *global = game.header[at(n)];
    table.m_customColour = static_cast<platform::COLORREF>(game.header[saved::kCustomColour]);
    table.m_taker = game.header[saved::kTaker];
    g_promptState = static_cast<PromptState>(game.header[saved::kPromptState]);

    for (int card = 1; card <= g_deckSize; ++card)
        for (std::size_t field = 0; field < kSavedCardFields.size(); ++field)
            g_cards[at(card)][kSavedCardFields[field]] = game.cards[at(card)][field];
    // Only the positions the counts name are read; the rest keep what they held.
    std::ranges::copy(HandCards(game.humanHand, g_humanCount), g_humanHand.begin() + 1);
    std::ranges::copy(HandCards(game.computerHand, g_computerCount), g_computerHand.begin() + 1);

    for (int row = 1; row <= std::min(g_sheetRowCount, kSheetLastRow); ++row) {
        const SavedRow& cells = game.rows[at(row)];
        g_sheetHuman[at(row)] = cells.human;
        g_sheetHumanIndent[at(row)] = cells.humanIndent;
        g_sheetComputer[at(row)] = cells.computer;
        g_sheetComputerIndent[at(row)] = cells.computerIndent;
    }
}
