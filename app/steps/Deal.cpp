#include "app/Globals.h"
#include "app/Layout.h"
#include "app/VertanDlg.h"
#include "app/steps/CardFlight.h"
#include "app/steps/DeckDrawing.h"
#include "app/steps/FirstBid.h"
#include "app/steps/HandDeal.h"
#include "app/steps/TableCopy.h"
#include "app/steps/TurnedUpCard.h"
#include "engine/CardTable.h"
#include "engine/DealReset.h"
#include "engine/FirstHand.h"
#include "engine/GameState.h"
#include "engine/PromptState.h"
#include "engine/Settings.h"
#include "platform/Clock.h"
#include "platform/Pause.h"
#include "platform/Rand.h"

namespace {

/// Cards of both rows flown in the first deal, alternately to the human and the computer.
constexpr int kFirstDealFlights = 2 * g_firstDealCount;
/// Pause after the first six cards are shown in the human's hand, in ms.
constexpr int kHandShownPause = 500;

/// Who bids first: drawn at the first deal of a game, else as the caller left it.
void ChooseFirstHand()
{
    if (g_firstDealDone == 0) {
        g_firstDealDone = 1;
        SeedFromClock();
        g_firstHand = FirstHandFromRand(platform::Rand());
    }
    g_announcement = g_firstHand;
    SeedFromClock();
}

/// The layout of a deal of six cards a hand: the values of the size handler, with both
/// rows spaced for six cards of full width.
void LayOutDeal()
{
    g_centreX = g_clientWidth / 2;
    g_centreY = g_clientHeight / 2;
    g_humanGap = (g_clientWidth - g_firstDealCount * kCardWidth) / (g_firstDealCount + 1);
    g_computerGap = g_humanGap;
    const int rowsApart = HumanRowTop() - (g_rowUnit + kCardHeight);
    g_midY = g_rowUnit + kCardHeight + rowsApart / 2;
    g_upperY = g_midY - rowsApart / 4;
    g_lowerY = g_midY + rowsApart / 4;
}

/// Twelve backs fly from the deck to the two rows, the human's first.
void ShowFirstDeal(CVertanDlg& dlg)
{
    const Point deck { DeckTopX(), DeckTopY() };
    int x = g_humanGap;
    for (int flight = 1; flight <= kFirstDealFlights; ++flight) {
        const bool toHuman = flight % 2 == 1;
        FlyCard(dlg, kNoCard, deck, { x, toHuman ? HumanRowTop() : g_rowUnit });
        if (!toHuman)
            x += g_humanGap + kCardWidth;
    }
    platform::Sleep(g_dealPause);
}

} // namespace

void CVertanDlg::StartDeal()
{
    if (g_glActive == 1)
        ReleaseIntro();
    ChooseFirstHand();
    LayOutDeal();
    ResetDealState();
    g_humanCardStep = kCardWidth;
    g_computerCardStep = kCardWidth;

    ClearTable(*this);
    BuildDeck(*this);
    ShowFirstDeal(*this);
    TurnUpCard(*this, platform::Time());
    DrawSidewaysDeck(*this);
    DealCardPairs(1, g_firstDealCount);

    SortHumanHand();
    DrawHumanHand();
    platform::Sleep(kHandShownPause);
    CheckSixTrumps();
    if (g_humanSixTrumps == 1 || g_computerSixTrumps == 1)
        return;
    if (g_hangingTie != g_noHangingTie) {
        // A tied deal's points hang: its taker plays the turned-up suit without bidding.
        g_firstHand = g_hangingTie;
        g_toMove = g_hangingTie;
        g_announcement = image::kNone;
        DealRestAndStartPlay();
        return;
    }
    AnnounceFirstHand(*this);
    if (g_firstHand == kHuman)
        PoseHumanBidsFirst(*this);
    else
        PoseComputerBidsFirst(*this);
}
