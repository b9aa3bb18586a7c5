#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <vector>

#include "table/card_set.h"
#include "table/seat.h"
#include "table/table_state.h"

namespace corvane::expert {

// A position of the play with every hand in view: the contract, the four
// hands, the seat that led the trick in progress (or leads the next one) and
// the cards already on that trick, 0..3 of them in playing order. The seat
// to play holds one card more than each seat that has played to the trick,
// and every seat holds as many cards as there are tricks left. A trick that
// no card can win (a joker led in No Trumps) stays with its leader, as in
// play, where the leader won the trick before.
struct Position {
    std::array<CardSet, 5> hands{};  // by seat 1..4; index 0 unused
    Suit trumps = NoTrumps;          // 1..4, or NoTrumps
    bool high = true;                // uptown, or No Trumps played high
    Seat leader = South;
    std::array<Card, 3> trick{};
    int onTrick = 0;

    Seat toPlay() const { return seatAfter(leader, onTrick); }
    // Tricks still to be won, the one in progress counted.
    int tricksLeft() const { return hands[static_cast<std::size_t>(toPlay())].count(); }
    bool operator==(const Position&) const = default;
};

// The position on the engine's table: its hands and contract, and the trick
// in progress (a trick of four cards is one already gathered, and t.leader
// leads the next).
Position positionOf(const TableState& t);

// Why a position cannot be searched, or nullptr when it can.
const char* positionFault(const Position& p);

// What one legal card is worth to the side that plays it: the tricks that
// side takes from here after playing it, the trick in progress counted.
struct CardValue {
    Card card = NoCard;
    int tricks = 0;
    bool operator==(const CardValue&) const = default;
};

struct Solution {
    // The most tricks the side to play takes from here with best play by all
    // four seats, the trick in progress counted. When the search ran out of
    // nodes, `tricks` is only known to lie in lower..upper.
    int tricks = 0;
    int lower = 0;
    int upper = 0;
    // analyse(): every legal card of the seat to play, in id order; a card
    // the search did not finish has tricks -1.
    std::vector<CardValue> cards;
    bool finished = false;
    std::uint64_t nodes = 0;  // cards played in the search
};

// No limit on the work of one call.
inline constexpr std::uint64_t Unlimited = 0;

// A double-dummy solver: the tricks each side takes when all four seats see
// all the cards and play perfectly. Each call starts afresh, so its work and
// its answer never depend on the calls before it; keeping one solver saves
// only the allocation of its table. One call runs at most `nodeBudget` card
// plays (Unlimited: until done) and says whether it finished. Not for two
// threads at once.
class DoubleDummy {
public:
    // A table of 2^tableBits positions, about 41 bytes each.
    explicit DoubleDummy(int tableBits = 20);
    ~DoubleDummy();
    DoubleDummy(const DoubleDummy&) = delete;
    DoubleDummy& operator=(const DoubleDummy&) = delete;

    // The most tricks the side to play takes.
    Solution solve(const Position& p, std::uint64_t nodeBudget = Unlimited);
    // The same, and the value of every legal card of the seat to play.
    Solution analyse(const Position& p, std::uint64_t nodeBudget = Unlimited);

private:
    struct Impl;
    std::unique_ptr<Impl> m_impl;
};

}  // namespace corvane::expert
