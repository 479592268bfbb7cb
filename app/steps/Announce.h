#pragma once

#include <initializer_list>

enum class Spot : int;
enum class PromptState : int;
class CVertanDlg;

/// Shows announcement image n at a spot and speaks its phrase (unless the voice is off).
void Announce(CVertanDlg& dlg, int image, Spot spot);

/// Removes image n from a spot: restores its band in the back buffer and shows it.
void Unannounce(CVertanDlg& dlg, int image, Spot spot);

/// An image of a prompt and where it stands.
struct PlacedImage {
    int image; ///< announcement image 1..38
    Spot spot; ///< the named spot it is centred on
};

/// The start of an answer: the prompt's images and captions are erased from the back
/// buffer and no button is live any more (`g_announcement` and `g_buttonsActive` 0).
/// Showing the cleared table is the caller's.
void ErasePrompt(CVertanDlg& dlg, std::initializer_list<PlacedImage> images);

/// How the trump mark reaches the window: its own rectangle at once, or later with the
/// whole table.
enum class MarkShown { kAlone, kWithTable };

/// The trump's glyph at mark spot 1, beside the turned-up card, recorded in `g_trumpMarkPos`.
void MarkTrump(CVertanDlg& dlg, int suit, MarkShown shown);

/// The take-or-pass question on the turned-up suit (prompt 1 or 6): the suit offered at
/// the centre, "take" as answer A and "pass" as answer B.
void PoseTakeOrPass(CVertanDlg& dlg, PromptState state);

/// The computer's bid (image 15 to 21) shown at the upper spot, spoken, and acknowledged
/// with button A at the centre (prompts 2, 5, 8, 9 and 10). While the prompt stands,
/// `g_announcement` holds what the prompt's rule names: the first-round bid in prompts 2 and
/// 5, so that the hover tells their buttons apart, else the acknowledge caption.
void PoseComputerBid(CVertanDlg& dlg, int image, PromptState state);
/// The second half of PoseComputerBid, once the bid is shown and spoken: the caption and
/// the prompt.
void AwaitBidAcknowledged(CVertanDlg& dlg, PromptState state);
