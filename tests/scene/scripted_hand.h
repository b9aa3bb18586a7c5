#pragma once

#include <cstdint>
#include <vector>

#include "table/event.h"
#include "table/table_state.h"

namespace corvane::testing {

// One event and the table after it.
struct Beat {
    Event event;
    TableState after;
};

// A whole made-up hand from a seed, without the engine: the dealer draw, a
// deal from a seeded shuffle, a bidding round the person wins, the discards,
// twelve tricks in which every seat plays its lowest card, and the score.
// The rules are not followed; the table's places are, which is all the
// choreography reads.
std::vector<Beat> scriptedHand(std::uint64_t seed);

}  // namespace corvane::testing
