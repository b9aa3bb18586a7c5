#include "rules/bidding/robot_discard.h"

namespace corvane {

namespace {

// The descending pass starts below the Ace of Spades and the jokers.
constexpr CardSet BelowAceOfSpades = CardSet::range(1, 51);

// Adds cards of `from` to `marked`, lowest id first, until `count` are marked.
void markAscending(CardSet& marked, CardSet from, int count)
{
    for (Card c : from - marked) {
        if (marked.count() >= count)
            return;
        marked.add(c);
    }
}

// Adds cards of `from` to `marked`, highest id first, until `count` are marked.
void markDescending(CardSet& marked, CardSet from, int count)
{
    CardSet rest = from - marked;
    while (marked.count() < count && !rest.empty()) {
        const Card c = rest.highest();
        marked.add(c);
        rest.remove(c);
    }
}

// The seat's cards outside trumps that are small in the contract's direction:
// uptown Two to Nine, downtown Seven to King.
CardSet smallOutsideTrumps(const TableState& t, Seat s, bool high)
{
    CardSet small;
    for (Card c : t.hand(s)) {
        const bool isSmall = high ? highValue(c) < 9 : lowValue(c) < 8;
        if (isSmall && t.suitOf(c) != t.trumps)
            small.add(c);
    }
    return small;
}

DiscardDecision decided(CardSet marked, const Rule* r)
{
    return DiscardDecision{marked, Reason{Reason::Source::Discard, r}};
}

}  // namespace

DiscardDecision robotDiscards(const TableState& t, Seat s, int count)
{
    const CardSet hand = t.hand(s);
    const bool high = t.bidHigh[s];
    CardSet marked;
    markAscending(marked, smallOutsideTrumps(t, s, high), count);
    if (marked.count() == count)
        return decided(marked, high ? discardRule("up-small-cards") : discardRule("down-small-cards"));
    if (high) {
        markAscending(marked, hand, count);
        return decided(marked, discardRule("up-any-cards"));
    }
    markDescending(marked, hand & BelowAceOfSpades, count);
    if (marked.count() == count)
        return decided(marked, discardRule("down-high-ids"));
    markAscending(marked, hand, count);
    return decided(marked, discardRule("down-any-cards"));
}

}  // namespace corvane
