#pragma once

#include "table/event.h"
#include "table/table_state.h"

namespace corvane {

struct DiscardDecision {
    CardSet discards;  // exactly six cards of the seat's hand
    Reason why;
};

// The rules of robotDiscards, the `rule` of its Reason (source Discard): the
// last pass the seat needed to find its six cards.
enum class DiscardRule : int {
    UpSmallCards = 1,  // uptown: non-trump Two to Nine sufficed
    UpAnyCards,        // uptown: then any card, lowest ids first
    DownSmallCards,    // downtown: non-trump Seven to King sufficed
    DownHighIds,       // downtown: then any card from the King of Spades down
    DownAnyCards,      // downtown: then any card, lowest ids first
};
const char* discardRuleName(int rule);

// The six cards robot seat s throws away once the kitty is in its hand
// (t.hand(s) holds 18 cards), by the contract's direction (t.bidHigh[s])
// and trump suit (t.trumps). `count` below six gives the rule's first picks
// (South's No Trumps jokers are thrown before the rule chooses the rest).
DiscardDecision robotDiscards(const TableState& t, Seat s, int count = 6);

}  // namespace corvane
