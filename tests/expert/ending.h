#pragma once

#include "hand_script.h"

namespace corvane::testing {

// A hand made for the tests: Spades trumps uptown, South leading every
// trick and given every trick (a trick's winner only says who leads next).
// In the first nine tricks North shows it has no Spades (so no jokers
// either), East no Diamonds and West no Clubs; in the tenth North shows it
// has no Hearts, in the eleventh no Clubs.
struct Ending {
    std::array<CardSet, 5> playHands{
        CardSet(),
        setOf({5, 16, 40, 43, 46, 49, 19, 22, 35, 1, 14, 27}),
        setOf({6, 31, 41, 44, 47, 50, 11, 34, 36, 52, 54, 38}),
        setOf({7, 17, 32, 8, 9, 10, 20, 23, 33, 13, 12, 26}),
        setOf({15, 18, 42, 45, 48, 51, 21, 24, 37, 39, 25, 53}),
    };
    CardSet discards = setOf({2, 3, 4, 28, 29, 30});
    // Led by South, then West, North, East.
    std::array<std::array<Card, 4>, 11> tricks{{
        {5, 6, 7, 15},
        {16, 31, 17, 18},
        {40, 41, 32, 42},
        {43, 44, 8, 45},
        {46, 47, 9, 48},
        {49, 50, 10, 51},
        {19, 11, 20, 21},
        {22, 34, 23, 24},
        {35, 36, 33, 37},
        {27, 38, 26, 39},
        {14, 52, 12, 25},
    }};

    // The events up to `tricks` tricks played, the contract won by `winner`.
    HandScript script(Seat winner, int played, Suit trumps = Spades) const
    {
        HandScript h;
        h.deal(playHands, winner, discards);
        h.exchange(winner, trumps, true, discards);
        h.clearKitty(discards);
        for (int t = 0; t < played; ++t)
            h.trick(South, tricks[ix(t)], South);
        return h;
    }

    // Where the cards lie after `played` tricks.
    Whereabouts truth(int played) const
    {
        Whereabouts w{};
        for (Seat s = South; s <= East; ++s)
            w[ix(s)] = playHands[ix(s)];
        for (int t = 0; t < played; ++t)
            for (int i = 0; i < 4; ++i)
                w[ix(i + 1)].remove(tricks[ix(t)][ix(i)]);
        w[KittyPlace] = discards;
        return w;
    }
};

}  // namespace corvane::testing
