#pragma once

/// A game put back from a saved position. The file keeps the card table, the hands, the
/// scores and the flags the table shows, but not what the game works out as it goes. This
/// works out again, from the position in the globals, every value the rest of the game reads:
/// - once the first hand of the game was drawn, the next deal goes on from the first hand
///   the file holds instead of drawing it anew;
/// - while the bidding waits on the computer's second-round choice (prompts 2, 5, 6 and 7),
///   that choice, valued anew from its hand and the turned-up card as at its first valuation;
/// - while an exchange prompt stands (3, 4), the trump seven and its place in its hand;
/// - while a pair question stands (15, 16), the human's card in question (the played card
///   still in his hand) with its suit, strength and points, and for an answer the trick's
///   winner;
/// - while the computer's pair label stands over its lead, the pair lies on that trick.
/// What cannot be worked out is forgotten as at the start of a deal: the suits in which the
/// human trumped a lead. Nothing is pending either: no exchange under way, no equal runs, no
/// pair of the human's on the trick, no hovered button, no overlay open.
void ResumeSavedPosition();
