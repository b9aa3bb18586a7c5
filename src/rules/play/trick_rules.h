#pragma once

#include <array>

#include "table/table_state.h"

namespace corvane {

// The card-finding and trick-judging functions every strategy shares. They
// read the table and the trick in progress and change nothing. `Mode::Up`
// compares cards by highValue, `Mode::Down` by lowValue.

// Does seat s hold a card of the led suit (jokers count as trumps)?
bool holdsLedSuit(const TableState& t, Seat s);

// The seat's lowest printed card of suit `suit` in the mode's order (down:
// King first, the Ace last); if none, a joker it holds (Little first); else NoCard.
Card lowestOfSuit(const TableState& t, Suit suit, Seat s, Mode m);

// The seat's lowest card outside the trump suit (rank first; equal ranks by
// id, ascending up and descending down); a seat holding only trumps gives its
// highest id, jokers first. NoCard when the seat holds nothing.
Card lowestCard(const TableState& t, Seat s, Mode m);

// Second player's view: can seat s beat the led card?
bool canBeatLead(const TableState& t, Seat s, Mode m);
// Third player's view: is the partner's lead still ahead of the second card?
bool leadBeatsSecond(const TableState& t, Mode m);
// Fourth player's view: is the partner's second card ahead of both others?
bool secondBeatsOthers(const TableState& t, Mode m);

// The seat whose card of suit s ranks first on the trick (the Ace, then King
// down to Two up, Two up to King down); NoSeat when none of suit s is on it.
Seat firstOfSuitOnTrick(const TableState& t, Suit s, Mode m);

// The seat that won the complete trick in a trump contract; the previous
// trick winner when no card qualifies.
Seat decideTrumpWinner(const TableState& t, Mode m);

// Held cards of the led suit whose value in `value` beats `than`.
template <typename Value>
CardSet ledCardsAbove(const TableState& t, Seat s, Value value, int than)
{
    CardSet out;
    for (Card c : t.holdingOfSuit(s, t.ledSuit()))
        if (value(c) > than)
            out.add(c);
    return out;
}

// The lead ladder of the honour rules: after the Ace come three ranks (rank
// numbers, Two = 1 .. King = 12) that lead once every card above them in the
// suit has been gathered. The first rank of a suit found held and cleared by
// the gathered cards leads; all suits are tried for one rank before the next.
using Ladder = std::array<int, 3>;
inline constexpr Ladder HighLadder{12, 11, 10};  // King, Queen, Jack
inline constexpr Ladder LowLadder{1, 2, 3};      // Two, Three, Four

struct LadderLead {
    Card card = NoCard;
    int step = 0;  // 0 .. 2: which rung of the ladder led
};
LadderLead leadByLadder(const TableState& t, Seat s, const Ladder& ladder);

}  // namespace corvane
