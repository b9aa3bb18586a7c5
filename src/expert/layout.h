#pragma once

#include <array>
#include <cstdint>

#include "table/card.h"
#include "table/card_set.h"

namespace corvane::expert {

// The cards of one contract laid out for the search: each suit in play (the
// jokers go with the trump suit in a trump contract and make a fifth suit of
// their own in No Trumps) is one run of bits, its weakest card lowest, so
// "the cards between two cards" of a suit is a mask. Every table here is
// worked out from the trick rules' own suit, following and strength
// functions when the layout is made; the search only looks them up.
struct Layout {
    static constexpr int MaxSuits = 5;

    Suit trumps = NoTrumps;
    bool high = true;
    int trumpSuit = -1;  // the index of the trump suit, -1 in No Trumps
    std::array<std::uint64_t, MaxSuits> suitBits{};
    std::array<int, MaxSuits> suitBase{};  // the lowest bit of each suit
    std::array<Card, 64> cardAt{};         // NoCard on a bit no card uses
    std::array<int, CardCount + 1> bitOf{};
    std::array<std::uint8_t, 64> suitAt{};
    // strength[led][bit]: how the card stands on a trick led in suit `led`;
    // 0 cannot win, the greater wins.
    std::array<std::array<std::uint8_t, 64>, MaxSuits> strength{};
    // Whether a card led in the suit can be beaten: not so for the jokers in
    // No Trumps, where no card wins and the trick stays with its leader.
    std::array<bool, MaxSuits> beatable{};

    std::uint64_t toBits(CardSet cards) const;
    CardSet toCards(std::uint64_t bits) const;
};

// The layout of a contract: trumps 1..4 or NoTrumps, uptown (or high No
// Trumps) or downtown.
Layout layoutFor(Suit trumps, bool high);

}  // namespace corvane::expert
