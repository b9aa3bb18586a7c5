#pragma once

#include <array>
#include <string_view>
#include <utility>
#include <vector>

#include "table/rule.h"
#include "table/table_state.h"

namespace corvane {

// In No Trumps the jokers are out of play: when play begins each robot
// holding one swaps it for the lowest-id suit card in the kitty. The swaps
// are (joker, kitty card) pairs in the order they happen — East's Big then
// Little Joker, then North's, then West's — each seeing the ones before.
// Empty in a trump contract.
std::vector<std::pair<Card, Card>> noTrumpJokerSwaps(const TableState& t);

// The one rule of the swaps (source JokerSwap).
inline constexpr auto JokerSwapRules = std::to_array<Rule>({
    {"lowest-kitty-card", "the lowest suit card of the kitty",
     "because the jokers are out of play in No Trumps and that is the lowest suit card there"},
});

// Seat s takes `card` from the kitty and lays `joker` there.
void applyJokerSwap(TableState& t, Seat s, Card joker, Card card);

}  // namespace corvane
