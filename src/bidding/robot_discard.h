#pragma once

#include "game/event.h"
#include "game/table_state.h"

namespace corvane {

struct DiscardDecision {
    CardSet discards;  // exactly six cards of the seat's hand
    Reason why;
};

// The six cards robot seat s throws away once the kitty is in its hand
// (t.hand(s) holds 18 cards), by the contract's direction (t.bidHigh[s])
// and trump suit (t.trumps).
DiscardDecision robotDiscards(const TableState& t, Seat s);

}  // namespace corvane
