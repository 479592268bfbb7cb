#pragma once

enum class PromptButton : int;
class CVertanDlg;

/// The answers to the prompts, one arm per button, by what they answer. Each is run by
/// CVertanDlg::OnPromptButton for a button of the prompt in force; each erases its prompt
/// and poses the next one or moves the game on.

/// Buttons 1 to 4 and 8 to 21: the trump bidding.
void RunBiddingArm(CVertanDlg& dlg, PromptButton button);
/// Buttons 5 to 7: the trump-seven exchange.
void RunSevenArm(CVertanDlg& dlg, PromptButton button);
/// Buttons 22 to 26: the declarations.
void RunDeclarationArm(CVertanDlg& dlg, PromptButton button);
/// Buttons 27 to 30: announcing the trump pair with the human's card.
void RunPairArm(CVertanDlg& dlg, PromptButton button);
/// Buttons 31, 34 and 35: the end of a deal (its result, six trumps).
void RunDealEndArm(CVertanDlg& dlg, PromptButton button);
/// Buttons 32 and 33: closing the score sheet or the statistics.
void RunOverlayArm(CVertanDlg& dlg, PromptButton button);
