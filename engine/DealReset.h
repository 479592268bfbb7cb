#pragma once

/// The reset at the start of every deal: every card back in the deck with status 0, and
/// the per-deal flags of the bidding, the exchange, the tricks, the deal points and the
/// table (deck drawn with its turned-up card, no trump mark, no overlay open) put back.
/// Totals, bait counters, the hanging tie, the score sheet, the run counts and the
/// declaration points are left alone. The caller also resets the rows' card step to a
/// card width, which belongs to the layout.
void ResetDealState();
