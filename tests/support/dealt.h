#pragma once

#include <array>

#include "table/table_state.h"

namespace corvane::testing {

// The four hands and the kitty as dealt, and who dealt them.
struct Dealt {
    Seat dealer = NoSeat;
    std::array<CardSet, 5> hands{};
    CardSet kitty;
    bool operator==(const Dealt&) const = default;
};

inline Dealt dealtOf(const TableState& t)
{
    Dealt d;
    d.dealer = t.dealer;
    for (Seat s = South; s <= East; ++s)
        d.hands[static_cast<std::size_t>(s)] = t.hand(s);
    d.kitty = t.kitty();
    return d;
}

}  // namespace corvane::testing
