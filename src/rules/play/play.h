#pragma once

#include "table/event.h"
#include "table/table_state.h"

namespace corvane {

// A robot's card for the trick in progress, with the rule that chose it.
struct PlayDecision {
    Card card = NoCard;
    Reason why;
};

// The four contract kinds and their strategies.
enum class Contract { HighTrumps, LowTrumps, HighNoTrumps, LowNoTrumps };
Contract contractOf(const TableState& t);

// The card seat s plays at position 1..4 of t.trick (positions before it are
// filled in), by the strategy of the contract. NoCard only if s holds no card.
PlayDecision chooseCard(const TableState& t, Seat s, int position);

// The seat that wins the complete trick t.trick under the contract.
Seat decideWinner(const TableState& t);

// Following suit: may seat s play card c to the trick in progress?
bool isLegalPlay(const TableState& t, Seat s, Card c, int position);

}  // namespace corvane
