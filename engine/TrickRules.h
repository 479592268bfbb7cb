#pragma once

#include "engine/CardTable.h"

#include <span>

/// The rules of one trick of two cards, the same for the human's cards and the computer's:
/// what may answer a lead, which card takes the trick, what the trick is worth, and the
/// trump queen-and-king pair announced with one of its cards.

/// Points of the last trick of a deal on top of its two cards.
constexpr int kLastTrickBonus = 10;
/// Points of an announced trump pair, to the side that takes the trick it was announced in.
constexpr int kTrumpPairPoints = 20;

/// True for the suit 1..4 of `g_trumpSuit`.
bool IsTrumpSuit(int suit);

/// Whether a card of `answerSuit` may answer a lead of `ledSuit`, from a hand of `hand`
/// (the answering card included): a card of the led suit always; a trump when the hand
/// holds none of the led suit; any card when it holds neither. The answer need not beat.
bool IsLegalAnswer(std::span<const int> hand, int answerSuit, int ledSuit);

/// Whether the answer takes the trick under `trumpSuit`: it must be stronger and either of
/// the led suit or a trump. Trump strengths 9..16 lie above every plain strength 1..8, so
/// any trump beats a plain lead, and a plain card of another suit never takes a trick
/// whatever its strength.
bool AnswerTakesTrick(
    int ledSuit, int ledStrength, int answerSuit, int answerStrength, int trumpSuit = g_trumpSuit);

/// Points a trick brings its winner: both cards' points, and kLastTrickBonus more when it
/// is the last trick of the deal.
int TrickPoints(int ledPoints, int answerPoints, bool lastTrick);

/// The deal points of side kHuman or kComputer grow by `points`; other sides get nothing.
void AddDealPoints(int side, int points);

/// The winner (kHuman or kComputer) takes the trick: its deal points grow by `points` and
/// it counts as having taken a trick in this deal.
void ScoreTrick(int winner, int points);

/// True when a card of this strength announces the trump pair of a side whose pair flag
/// is `pairFlag`: the flag is 1 (queen and king held, not yet announced) and the card is
/// the trump queen or king.
bool AnnouncesTrumpPair(int pairFlag, int strength);

/// The pair announced with this trick's lead goes to whoever took the trick: when
/// `announcedWithLead` is 1 the winner gets kTrumpPairPoints and the flag drops to 0.
/// Returns true when the points were given.
bool AwardLeadPair(int& announcedWithLead, int winner);

/// What the human's answer to a computer lead reveals, kept for the computer's later leads:
/// a trump on a plain lead shows him void in the led suit; an answer of neither the led
/// suit nor trump shows he holds no trump.
void NoteHumanAnswer(int ledSuit, int answerSuit);

/// Takes the card at position 1..count out of a hand: the cards behind it move one place
/// down and the count drops by one. Returns the card, or kNoCard with the hand unchanged
/// when the position is outside the hand.
int RemoveFromHand(Hand& hand, int& count, int position);
