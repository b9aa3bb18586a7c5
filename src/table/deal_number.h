#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "table/card.h"
#include "table/random.h"
#include "table/seat.h"

namespace corvane {

// A hand as a number a person can write down and type in again: the seed
// the shuffle is drawn from (32 bits, as every hand's shuffle is seeded)
// and the dealer, which decides who receives which of the shuffled cards.
//     number = (dealer - 1) * 2^32 + shuffle
// so the numbers run from 0 to MaxDealNumber, and a South deal is its seed.
struct Deal {
    std::uint32_t shuffle = 0;
    Seat dealer = South;
    bool operator==(const Deal&) const = default;
};

inline constexpr std::uint64_t MaxDealNumber = (std::uint64_t{4} << 32) - 1;

std::uint64_t dealNumber(const Deal& d);
// Nothing for a number above MaxDealNumber.
std::optional<Deal> dealOf(std::uint64_t number);

// A deal number typed by the person: the number, or why it is none.
struct DealEntry {
    std::optional<std::uint64_t> number;
    std::string error;
};
DealEntry readDealNumber(std::string_view text);

// The seats a dealer draw turns a card up for, in turn, until a Diamond.
inline constexpr Seat DealerDrawOrder[4] = {West, North, East, South};

// The cards a dealer draw turns up when it has to name `dealer`: in the
// draw's order, no Diamond until the dealer's own card, which is one. The
// cards are drawn from `rng` among those that fit.
std::vector<Card> drawNaming(Seat dealer, Random& rng);

}  // namespace corvane
