#pragma once

#include "app/Layout.h"
#include "app/files/ImageData.h"
#include "engine/PromptState.h"
#include "platform/Rect.h"

#include <algorithm>

/// Where things stand on the table, from the layout values. c is g_centreX truncated, and
/// every division truncates toward zero.

/// A point of the client area, in pixels.
struct Point {
    int x = 0;
    int y = 0;
    bool operator==(const Point&) const = default;
};

/// The named spots where announcement images and button captions stand.
enum class Spot : int {
    kCentre, ///< (c, g_midY): the middle image and the acknowledge caption
    kUpper, ///< (c, g_upperY): the computer's announcements
    kLowerCentre, ///< (c, g_lowerY): the acknowledge caption of the human's six trumps
    kLeftCaption, ///< (c / 2, g_lowerY): answer A
    kRightCaption, ///< (c + c / 2, g_lowerY), or (c + c / 3, g_lowerY) on a narrow table: answer B
};

/// An image is 40 pixels high, centred on its spot.
constexpr int kImageHalfHeight = 20;
/// Offsets of a suit button's rectangle from its glyph origin, in pixels (38 x 42).
constexpr int kSuitButtonLeft = 25;
constexpr int kSuitButtonTop = 20;
constexpr int kSuitButtonRight = 13;
constexpr int kSuitButtonBottom = 22;
/// The suit buttons' glyphs stand this far above the lower line, in pixels.
constexpr int kSuitButtonRaise = 10;
/// The pair question stands this far above the middle line, in pixels, in a 300 x 40 band.
constexpr int kQuestionRaise = 72;
constexpr int kQuestionHalfWidth = 150;
/// Trump mark spots 1 and 2 stand this far left of the right edge, in pixels.
constexpr int kTrumpMark1FromRight = 135;
constexpr int kTrumpMark2FromRight = 117;
/// The trump mark's rectangle around the glyph origin: 38 x 42 from (x - 25, y - 20).
constexpr int kTrumpMarkLeft = 25;
constexpr int kTrumpMarkTop = 20;
constexpr int kTrumpMarkWidth = 38;
constexpr int kTrumpMarkHeight = 42;

/// g_centreX and g_centreY truncated.
inline int CentreX()
{
    return static_cast<int>(g_centreX);
}
inline int CentreY()
{
    return static_cast<int>(g_centreY);
}
/// x of answer A's caption: c / 2.
inline int LeftCaptionX()
{
    return CentreX() / 2;
}
/// x of answer B's caption: c + c / 2, or c + c / 3 when the table is narrow.
inline int RightCaptionX()
{
    const int c = CentreX();
    return g_clientWidth < kNarrowWidth ? c + c / 3 : c + c / 2;
}

/// The point of a named spot.
inline Point SpotPoint(Spot spot)
{
    switch (spot) {
    case Spot::kCentre:
        return { CentreX(), g_midY };
    case Spot::kUpper:
        return { CentreX(), g_upperY };
    case Spot::kLowerCentre:
        return { CentreX(), g_lowerY };
    case Spot::kLeftCaption:
        return { LeftCaptionX(), g_lowerY };
    case Spot::kRightCaption:
        return { RightCaptionX(), g_lowerY };
    }
    return {};
}

/// The band of image n (1..38) centred at a point: (x - w, y - 20, x + w, y + 20), w its
/// half width; a caption's button rectangle. An image number out of range gives an empty band.
inline platform::Rect ImageBand(int image, Point at)
{
    const int w = image >= 0 && image < kAnnouncementCount + 1
        ? g_announcementHalfWidth[static_cast<std::size_t>(image)]
        : 0;
    return { at.x - w, at.y - kImageHalfHeight, at.x + w, at.y + kImageHalfHeight };
}

/// Glyph origin of trump mark spot 1 (x = W - 135) or 2 (x = W - 117) on the middle line.
inline Point TrumpMarkPoint(int markSpot)
{
    const int fromRight = markSpot == kTrumpMarkSpot1 ? kTrumpMark1FromRight : kTrumpMark2FromRight;
    return { g_clientWidth - fromRight, g_midY };
}

/// The trump mark's rectangle on the window: 38 x 42 from 25 left of and 20 above its origin.
inline platform::Rect TrumpMarkRect(int markSpot)
{
    const Point at = TrumpMarkPoint(markSpot);
    return { at.x - kTrumpMarkLeft, at.y - kTrumpMarkTop, at.x - kTrumpMarkLeft + kTrumpMarkWidth,
        at.y - kTrumpMarkTop + kTrumpMarkHeight };
}

/// The band of label 35 (the human to lead): 200 x 40 centred on the centre spot.
constexpr int kLeadLabelHalfWidth = 100;
inline platform::Rect LeadLabelBand()
{
    const Point at = SpotPoint(Spot::kCentre);
    return { at.x - kLeadLabelHalfWidth, at.y - kImageHalfHeight, at.x + kLeadLabelHalfWidth,
        at.y + kImageHalfHeight };
}

/// Centre of the pair question, and the 300 x 40 band it is cleared as.
inline Point QuestionPoint()
{
    return { CentreX(), g_midY - kQuestionRaise };
}
inline platform::Rect QuestionBand()
{
    const Point q = QuestionPoint();
    return { q.x - kQuestionHalfWidth, q.y - kImageHalfHeight, q.x + kQuestionHalfWidth,
        q.y + kImageHalfHeight };
}

/// The deck at the right edge, as offsets from (W, g_midY): the turned-up card's top-left
/// corner, the lowest card of the rest of the deck (three backs and the shown card on top)
/// and the lowest sideways back of the talon at the start of a deal. Each further card of
/// a stack lies 2 pixels right of and below the one beneath it.
constexpr Point kTurnedUpFromEdge { -107, -61 };
constexpr Point kRestOfDeckFromEdge { -89, -40 };
constexpr Point kTalonFromEdge { -122, -16 };
constexpr int kDeckStackStep = 2;
/// The led card's top-left corner from (c, g_midY); the answering card lies 21 right of
/// and 27 below it.
constexpr Point kLeadCardFromCentre { -36, -61 };
constexpr Point kAnswerCardFromCentre { -15, -34 };

/// Card i (0 = the lowest) of a stack whose lowest card stands `offset` from (W, g_midY).
inline Point DeckPoint(Point offset, int i)
{
    return { g_clientWidth + offset.x + kDeckStackStep * i, g_midY + offset.y + kDeckStackStep * i };
}
inline Point TurnedUpCardPoint()
{
    return DeckPoint(kTurnedUpFromEdge, 0);
}
inline Point RestOfDeckPoint(int i)
{
    return DeckPoint(kRestOfDeckFromEdge, i);
}
inline Point TalonPoint(int i)
{
    return DeckPoint(kTalonFromEdge, i);
}

/// Top-left corners of the led card and of the answering card.
inline Point LeadCardPoint()
{
    return { CentreX() + kLeadCardFromCentre.x, g_midY + kLeadCardFromCentre.y };
}
inline Point AnswerCardPoint()
{
    return { CentreX() + kAnswerCardFromCentre.x, g_midY + kAnswerCardFromCentre.y };
}

/// Glyph origin of suit button 1..3 of prompt 7 (between the left and the right caption,
/// the pass caption standing at the right one) or prompt 11 (no pass caption: the three
/// spread up to c + c / 2 at every width).
inline Point SuitButtonPoint(PromptState state, int button)
{
    const int slot = std::clamp(button, 1, 3) - 1;
    const int h = LeftCaptionX();
    const int y = g_lowerY - kSuitButtonRaise;
    if (state == PromptState::kHumanMustName) {
        const int right = CentreX() + h;
        const int x[] = { h, h + (right - h) / 2, right };
        return { x[slot], y };
    }
    const int right = RightCaptionX();
    const int x[] = { h, h + (right - h) / 3, right - (right - h) / 3 };
    return { x[slot], y };
}

/// A suit button's rectangle around its glyph origin: (x - 25, y - 20, x + 13, y + 22).
inline platform::Rect SuitButtonRect(Point glyph)
{
    return { glyph.x - kSuitButtonLeft, glyph.y - kSuitButtonTop, glyph.x + kSuitButtonRight,
        glyph.y + kSuitButtonBottom };
}
