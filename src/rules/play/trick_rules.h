#pragma once

#include <array>
#include <span>

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

// Following suit: the cards of `hand` in the led suit, or the whole hand when
// it holds none. Plain sets of one bit a card, in any one layout (a CardSet,
// or a word laid out another way for a search over many plays).
template <typename Bits>
constexpr Bits legalCards(Bits hand, Bits ledSuit)
{
    const Bits follow = hand & ledSuit;
    return follow == Bits{} ? hand : follow;
}

// How card c, of suit in play `suit`, stands on a trick led in suit `led`: 0
// when it cannot win, else the greater wins. Any trump stands above the led
// suit; in No Trumps only the led suit counts, by the No Trumps values, so a
// joker never wins there.
constexpr int trickStrength(Card c, Suit suit, Suit led, Suit trumps, Mode m)
{
    if (trumps == NoTrumps)
        return suit != led ? 0 : m == Mode::Up ? highNTValue(c) : lowNTValue(c);
    if (suit == trumps)
        return 32 + valueIn(m, c);
    return suit == led ? valueIn(m, c) : 0;
}

// Position 0..3 of the card that wins a complete trick (cards and their
// suits in play in playing order); -1 when none can, as when a joker is led
// in No Trumps.
constexpr int trickWinnerPosition(std::span<const Card, 4> cards, std::span<const Suit, 4> suits, Suit trumps, Mode m)
{
    int best = -1;
    int top = 0;
    for (int p = 0; p < 4; ++p) {
        const int v = trickStrength(cards[p], suits[p], suits[0], trumps, m);
        if (v > top) {
            top = v;
            best = p;
        }
    }
    return best;
}

// The seat that won the complete trick t.trick, in the mode's order (in No
// Trumps: Up when high wins); the previous trick winner when no card can.
Seat decideTrickWinner(const TableState& t, Mode m);

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
