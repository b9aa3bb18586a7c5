#pragma once

#include <utility>
#include <vector>

#include "table/table_state.h"

namespace corvane {

// In No Trumps the jokers are out of play: when play begins each robot
// holding one swaps it for the lowest-id suit card in the kitty. The swaps
// are (joker, kitty card) pairs in the order they happen — East's Big then
// Little Joker, then North's, then West's — each seeing the ones before.
// Empty in a trump contract.
std::vector<std::pair<Card, Card>> noTrumpJokerSwaps(const TableState& t);

// Seat s takes `card` from the kitty and lays `joker` there.
void applyJokerSwap(TableState& t, Seat s, Card joker, Card card);

}  // namespace corvane
