#pragma once

enum class PromptState : int;
class CVertanDlg;

/// The trump pair on the table: the question put to the human when he plays his trump
/// queen or king, and the computer's announcement. Both pulse in at the question spot in
/// nine coloured layers.

/// Asks the human whether he announces the pair with the card he has just played: the
/// pair flag drops to 0 (a no sets it back), the question pulses in and is spoken, and
/// "yes" and "no" become buttons A and B of `state` (kPairOnAnswer or kPairOnLead).
void AskTrumpPair(CVertanDlg& dlg, PromptState state);

/// Where the computer's pair announcement is drawn: only on the window, so that the next
/// copy of the back buffer takes it away, or also into the back buffer, to stand.
enum class PairLabel { kFleeting, kStanding };

/// The computer announces its pair: the phrase is heard while the play goes on, the pair
/// flag drops to 0 and the announcement pulses in on the window without pauses.
void AnnounceComputerPair(CVertanDlg& dlg, PairLabel label);

/// Takes the computer's standing pair label off the table with the trick it was announced
/// in: the label's band and the computer's row are drawn again, with the led card, and the
/// whole table is shown.
void TakeDownComputerPair(CVertanDlg& dlg);
