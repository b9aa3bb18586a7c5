#include "rules/bidding/joker_exchange.h"

#include <array>

namespace corvane {

namespace {
constexpr CardSet SuitCardsOnly = CardSet::range(1, 52);
constexpr std::array<Seat, 3> SwapOrder = {East, North, West};
constexpr std::array<Card, 2> JokerOrder = {BigJoker, LittleJoker};
}  // namespace

std::vector<std::pair<Card, Card>> noTrumpJokerSwaps(const TableState& t)
{
    std::vector<std::pair<Card, Card>> swaps;
    if (t.trumps != NoTrumps)
        return swaps;
    TableState after = t;
    for (Seat s : SwapOrder) {
        for (Card joker : JokerOrder) {
            const Card card = (after.kitty() & SuitCardsOnly).lowest();
            if (!after.hand(s).has(joker) || card == NoCard)
                continue;
            applyJokerSwap(after, s, joker, card);
            swaps.emplace_back(joker, card);
        }
    }
    return swaps;
}

void applyJokerSwap(TableState& t, Seat s, Card joker, Card card)
{
    t.move(card, s);
    t.move(joker, KittyPlace);
}

}  // namespace corvane
