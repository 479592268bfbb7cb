#pragma once

class CVertanDlg;

/// Cards shown to the other side (six trumps, a declaration) stand H / 26 out of their
/// row, toward the middle of the table: the human's raised, the computer's lowered and
/// face up. These slides take them out and put them back.

enum class SlideWay {
    OutOfRow, ///< from the row to the shown place
    BackIntoRow ///< from the shown place to the row
};

/// Which cards of a row move.
enum class SlidingCards {
    None, ///< the row stays as it is
    Shown, ///< the cards whose `shown` mark is 1
    WholeHand, ///< every card of the hand (six trumps)
};

/// When the card sound "H1" is heard.
enum class SlideSound {
    AtEndNoWait, ///< after the last frame, not waited for
    AtEndWaiting, ///< after the last frame, waited for
    BeforeLanding, ///< before the last frame is drawn, not waited for
};

/// One slide of one row or of both at once.
struct RowSlide {
    SlideWay way = SlideWay::OutOfRow; ///< out of the rows or back into them
    SlidingCards human = SlidingCards::None; ///< which of the human's cards move
    SlidingCards computer = SlidingCards::None; ///< which of the computer's cards move
    SlideSound sound = SlideSound::AtEndNoWait; ///< when the card sound is heard
    /// True: with animations off a still pause stands in for the frames.
    bool pauseWhenStill = true;
};

/// Runs a slide: frames of g_halfAnimSteps2 equal steps while the cards are 5 or more
/// pixels from their end (none when the step truncates to 0), then the cards are drawn at
/// their end: moving computer cards face up while out of the row, backs once back in it.
void SlideRows(CVertanDlg& dlg, const RowSlide& slide);

/// Six trumps: the holder's whole row slides out or back, and the card sound is waited for.
void SlideWholeRow(CVertanDlg& dlg, bool human, SlideWay way);
