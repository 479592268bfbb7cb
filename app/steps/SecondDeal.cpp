#include "app/Layout.h"
#include "app/Sounds.h"
#include "app/Spots.h"
#include "app/VertanDlg.h"
#include "app/drawing/TableDrawing.h"
#include "app/steps/CardFlight.h"
#include "app/steps/DeckDrawing.h"
#include "app/steps/Glide.h"
#include "app/steps/HandDeal.h"
#include "app/steps/StartOfPlay.h"
#include "app/steps/TableCopy.h"
#include "engine/CardTable.h"
#include "engine/FreeCardDraw.h"
#include "engine/GameState.h"
#include "engine/PromptState.h"
#include "engine/Settings.h"
#include "platform/FramePacer.h"
#include "platform/Pause.h"
#include "platform/Rand.h"

#include <algorithm>
#include <vector>

namespace {

/// The second deal flies from the side of the deck: from the right edge and above g_midY.
constexpr int kSecondDealFromRight = 30;
constexpr int kSecondDealAboveMid = 46;
/// The extra rows stand this far inside the two hand rows, in pixels.
constexpr int kExtraRowInset = 100;
/// Width the extra rows leave to the deck at the right, in pixels.
constexpr int kExtraRowReserve = 145;
/// The deck's corner shown with the trump mark beside it: 146 wide from W - 156, as high
/// as the corner redrawn.
constexpr int kDeckShownFromRight = 156;
constexpr int kDeckShownWidth = 146;
/// The rest of the deck with the shown card on it: three backs and the card; 95 x 123
/// shown from the turned-up card's corner.
constexpr int kRestBacks = 3;
constexpr int kRestShownWidth = 95;
constexpr int kRestShownHeight = 123;
/// Pause after the shown deck card and after the human's new cards are turned, in ms.
constexpr int kTurnPause = 300;
/// The merge leaves the deck alone: it restores the table only this far from the right edge.
constexpr int kMergeKeepsRight = 154;

int ExtraCards()
{
    return std::clamp(g_extraCards, kFewestExtraCards, kMostExtraCards);
}

/// Gap of the two extra rows of n cards, which leave room for the deck at the right.
int ExtraGap(int n)
{
    return (g_clientWidth - kExtraRowReserve - kCardWidth * n) / (n + 1);
}

/// x of slot k (1-based) in a row with full-width cards and the given gap.
int SlotX(int k, int gap)
{
    return k * gap + kCardWidth * (k - 1);
}

/// Backs fly to the two extra rows, the computer's first.
void ShowExtraDeal(CVertanDlg& dlg, int n)
{
    const Point from { g_clientWidth - kSecondDealFromRight, g_midY - kSecondDealAboveMid };
    const int e = ExtraGap(n);
    int x = e;
    for (int flight = 1; flight <= 2 * n; ++flight) {
        const bool toComputer = flight % 2 == 1;
        FlyCard(dlg, kNoCard, from,
            { x, toComputer ? g_rowUnit + kExtraRowInset : HumanRowTop() - kExtraRowInset });
        if (!toComputer)
            x += e + kCardWidth;
    }
}

/// The turned-up card is drawn again without the sideways backs, and the trump mark beside
/// it: any mark at spot 1 is cleared, and the mark stands at spot 2, nearer the card.
void MarkTrumpAtDeck(CVertanDlg& dlg)
{
    const platform::Rect corner = DeckCornerRect();
    RestoreRect(dlg, corner.left, corner.top, corner.width(), corner.height());
    const Point turnedUp = TurnedUpCardPoint();
    dlg.DrawCardFace(g_trumpCard, turnedUp.x, turnedUp.y);
    const platform::Rect oldMark = TrumpMarkRect(kTrumpMarkSpot1);
    RestoreRect(dlg, oldMark.left, oldMark.top, oldMark.width(), oldMark.height());
    dlg.DrawTrumpMark(g_trumpSuit, kTrumpMarkSpot2);
    g_trumpMarkPos = kTrumpMarkSpot2;
    ShowRect(dlg, g_clientWidth - kDeckShownFromRight, corner.top, kDeckShownWidth, corner.height());
    platform::Sleep(g_dealPause);
}

/// One more card is drawn and laid face up on the rest of the deck.
void ShowDeckCard(CVertanDlg& dlg)
{
    const int card = DrawFreeCard(platform::ServiceSlot<platform::RandomSource>::get());
    g_cards[card].location() = kFaceUpOnTable;
    g_deckShown = card;

    const Point lowest = RestOfDeckPoint(0);
    // The lowest back lies on the turned-up card: its corner takes what the window shows
    // there, and redraws round it the same way.
    const platform::MemoryDC& window = dlg.surface().dc();
    g_deckCornerPixel1 = window.getPixel(lowest.x, lowest.y);
    g_deckCornerPixel2 = window.getPixel(lowest.x + 1, lowest.y);
    g_deckCornerPixel3 = window.getPixel(lowest.x, lowest.y + 1);
    dlg.DrawCardBack(lowest.x, lowest.y);
    TouchCorner(dlg, lowest.x, lowest.y, g_deckCornerPixel1, g_deckCornerPixel2, g_deckCornerPixel3);
    for (int i = 1; i <= kRestBacks; ++i) {
        const Point at = RestOfDeckPoint(i);
        DrawCard(dlg, i == kRestBacks ? card : kNoCard, at.x, at.y);
        TouchStackedCorner(dlg, at.x, at.y);
    }
    PlayEffect(Effect::CardFlick);
    const Point turnedUp = TurnedUpCardPoint();
    ShowRect(dlg, turnedUp.x, turnedUp.y, kRestShownWidth, kRestShownHeight);
    platform::Sleep(kTurnPause);
}

void TurnHumanExtraCards(CVertanDlg& dlg, int n)
{
    const int e = ExtraGap(n);
    const int y = HumanRowTop() - kExtraRowInset;
    for (int k = 1; k <= n; ++k)
        dlg.DrawCardFace(g_humanHand[g_firstDealCount + k], SlotX(k, e), y);
    PlayEffect(Effect::CardFlick);
    ShowRect(dlg, 0, y, g_clientWidth, kCardHeight);
    platform::Sleep(kTurnPause);
}

/// One card of the merge: where it is drawn, gliding from its place to its slot.
struct MergingCard {
    int card; ///< card 1..32
    bool faceUp; ///< drawn face up (the human's) or as a back
    Glide x; ///< left x, in pixels
    Glide y; ///< top y, in pixels
};

/// The first-deal cards move right to make room and the extra cards drop into the rows
/// ahead of them; the rows are then spaced for 6 + n cards.
void MergeRows(CVertanDlg& dlg, int n, RowSpacing spacing)
{
    const int mergePause = g_animDelay + g_animDelay / 2;
    const int humanRow = HumanRowTop();
    const int e = ExtraGap(n);
    const auto slotX = [&spacing](int p) { return p * spacing.gap + (p - 1) * spacing.step; };

    std::vector<MergingCard> cards;
    for (const bool human : { true, false }) {
        const Hand& hand = human ? g_humanHand : g_computerHand;
        const int row = human ? humanRow : g_rowUnit;
        for (int k = 1; k <= g_firstDealCount; ++k)
            cards.push_back({ hand[k], human, Glide(SlotX(k, g_humanGap), slotX(n + k), g_halfAnimSteps),
                Glide(row, row, g_halfAnimSteps) });
        const int extraRow = human ? humanRow - kExtraRowInset : g_rowUnit + kExtraRowInset;
        for (int k = 1; k <= n; ++k)
            cards.push_back({ hand[g_firstDealCount + k], human,
                Glide(SlotX(k, e), slotX(k), g_halfAnimSteps), Glide(extraRow, row, g_halfAnimSteps) });
    }

    const auto restore = [&dlg, humanRow] {
        RestoreRect(dlg, 0, humanRow, g_clientWidth, kCardHeight);
        RestoreRect(dlg, 0, g_rowUnit, g_clientWidth, kCardHeight);
        RestoreRect(dlg, 0, 0, g_clientWidth - kMergeKeepsRight, g_clientHeight);
    };
    const auto drawAll = [&dlg, &cards] {
        for (const MergingCard& c : cards)
            DrawCard(dlg, c.faceUp ? c.card : kNoCard, c.x.position, c.y.position);
    };

    PlayEffect(Effect::Deal);
    if (g_animation == 1) {
        // The human's first card of the first deal paces the merge.
        const MergingCard& lead = cards.front();
        platform::FramePacer pacer;
        while (lead.x.far(kFlightNear)) {
            for (MergingCard& c : cards) {
                c.x.advance();
                c.y.advance();
            }
            restore();
            drawAll();
            ShowRect(dlg, spacing.gap, g_rowUnit, g_clientWidth - 2 * spacing.gap,
                humanRow - g_rowUnit + kCardHeight);
            pacer.wait(mergePause);
        }
    } else {
        platform::Sleep(kStillAnimationPause);
    }
    PlayEffect(Effect::CardFlick);
    for (MergingCard& c : cards) {
        c.x.position = c.x.target;
        c.y.position = c.y.target;
    }
    restore();
    drawAll();
    dlg.PresentTable();
}

} // namespace

void CVertanDlg::DealRestAndStartPlay()
{
    const int n = ExtraCards();
    SeedFromClock();
    DealCardPairs(g_firstDealCount + 1, g_firstDealCount + n);
    ShowExtraDeal(*this, n);

    g_declSkipFirstSix = 1;
    SortHumanHand();
    g_declSkipFirstSix = 0;

    MarkTrumpAtDeck(*this);
    ShowDeckCard(*this);
    TurnHumanExtraCards(*this, n);

    const RowSpacing spacing = SpaceRow(g_firstDealCount + n, g_clientWidth);
    MergeRows(*this, n, spacing);
    g_humanGap = spacing.gap;
    g_computerGap = spacing.gap;
    g_humanCardStep = spacing.step;
    g_computerCardStep = spacing.step;

    SortHumanHand();
    DrawHumanHand();
    CompareDeclarations();
    if (g_announcement == image::kNone)
        StartPlay(*this);
}
