#include "app/steps/RowSlide.h"

#include "app/Layout.h"
#include "app/Sounds.h"
#include "app/drawing/TableDrawing.h"
#include "app/steps/CardFlight.h"
#include "app/steps/Glide.h"
#include "app/steps/TableCopy.h"
#include "engine/CardTable.h"
#include "engine/Settings.h"
#include "platform/FramePacer.h"
#include "platform/Pause.h"

#include <algorithm>
#include <vector>

namespace {

/// One hand row taking part in a slide.
struct Row {
    const Hand& hand; ///< the row's hand, cards at positions 1..count
    int count; ///< cards in the hand, 0..12
    bool faceUp; ///< the row's resting cards show their faces (the human's)
    int home; ///< top y of the row, in pixels
    int shownY; ///< top y of its shown cards, in pixels
    SlidingCards cards; ///< which of its cards move
    int (*slotX)(int slot); ///< left x of slot 1..count of the row, in pixels

    bool moves(int card) const
    {
        return cards == SlidingCards::WholeHand
            || (cards == SlidingCards::Shown && g_cards[card].shown() == 1);
    }
    /// The band the row's cards sweep: from the upper of its two places, the card height and the offset.
    int bandTop() const { return std::min(home, shownY); }

    void restoreBand(CVertanDlg& dlg) const
    {
        RestoreRect(dlg, 0, bandTop(), g_clientWidth, ShownOffset() + kCardHeight);
    }
    void showBand(CVertanDlg& dlg) const
    {
        ShowRect(dlg, 0, bandTop(), g_clientWidth, ShownOffset() + kCardHeight);
    }

    /// Draws every card: the moving ones at `movingY` (face up or as backs), the others at home.
    void draw(CVertanDlg& dlg, int movingY, bool movingFaceUp) const
    {
        int slot = 0;
        for (const int card : HandCards(hand, count)) {
            const bool moving = moves(card);
            const bool face = moving ? movingFaceUp : faceUp;
            DrawCard(dlg, face ? card : kNoCard, slotX(++slot), moving ? movingY : home);
        }
    }
};

} // namespace

void SlideRows(CVertanDlg& dlg, const RowSlide& slide)
{
    const bool out = slide.way == SlideWay::OutOfRow;
    const int humanRow = HumanRowTop();
    std::vector<Row> rows;
    if (slide.human != SlidingCards::None)
        rows.push_back(
            { g_humanHand, g_humanCount, true, humanRow, humanRow - ShownOffset(), slide.human, HumanCardX });
    if (slide.computer != SlidingCards::None)
        rows.push_back({ g_computerHand, g_computerCount, false, g_rowUnit, g_rowUnit + ShownOffset(),
            slide.computer, ComputerCardX });

    std::vector<Glide> glides;
    for (const Row& row : rows)
        glides.emplace_back(out ? row.home : row.shownY, out ? row.shownY : row.home, g_halfAnimSteps2);
    const auto anyFar = [&glides] {
        return std::any_of(glides.begin(), glides.end(), [](const Glide& g) { return g.far(kSlideNear); });
    };

    if (g_animation == 1) {
        platform::FramePacer pacer;
        while (anyFar()) {
            for (std::size_t i = 0; i < rows.size(); ++i) {
                glides[i].advance();
                rows[i].restoreBand(dlg);
                rows[i].draw(dlg, glides[i].position, true);
                rows[i].showBand(dlg);
            }
            pacer.wait(g_animDelay);
        }
    } else if (slide.pauseWhenStill) {
        platform::Sleep(kStillAnimationPause);
    }

    if (slide.sound == SlideSound::BeforeLanding)
        PlayEffect(Effect::CardFlick);
    for (const Row& row : rows) {
        row.restoreBand(dlg);
        row.draw(dlg, out ? row.shownY : row.home, out || row.faceUp);
        row.showBand(dlg);
    }
    if (slide.sound != SlideSound::BeforeLanding)
        PlayEffect(Effect::CardFlick, slide.sound == SlideSound::AtEndWaiting ? Wait::UntilEnd : Wait::No);
}

void SlideWholeRow(CVertanDlg& dlg, bool human, SlideWay way)
{
    RowSlide slide;
    slide.way = way;
    (human ? slide.human : slide.computer) = SlidingCards::WholeHand;
    slide.sound = SlideSound::AtEndWaiting;
    SlideRows(dlg, slide);
}
