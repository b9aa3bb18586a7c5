#include "expert/layout.h"

#include <algorithm>
#include <vector>

#include "rules/play/trick_rules.h"
#include "table/table_state.h"

namespace corvane::expert {

std::uint64_t Layout::toBits(CardSet cards) const
{
    std::uint64_t out = 0;
    for (Card c : cards)
        out |= std::uint64_t{1} << bitOf[static_cast<std::size_t>(c)];
    return out;
}

CardSet Layout::toCards(std::uint64_t bits) const
{
    CardSet out;
    for (; bits; bits &= bits - 1)
        out.add(cardAt[static_cast<std::size_t>(std::countr_zero(bits))]);
    return out;
}

Layout layoutFor(Suit trumps, bool high)
{
    // The table's own suit rule says which suit each joker follows.
    TableState t;
    t.trumps = trumps;
    t.contractHigh = high;
    showTrumps(t, trumps);
    const Mode m = high ? Mode::Up : Mode::Down;

    Layout l;
    l.trumps = trumps;
    l.high = high;
    l.trumpSuit = trumps == NoTrumps ? -1 : trumps - 1;
    int bit = 0;
    for (int k = 0; k < Layout::MaxSuits; ++k) {
        const Suit s = k + 1;
        std::vector<Card> ofSuit;
        for (Card c = 1; c <= CardCount; ++c)
            if (t.suitOf(c) == s)
                ofSuit.push_back(c);
        // Weakest first when the suit itself is led; equal ones (the jokers in
        // No Trumps) by id.
        std::stable_sort(ofSuit.begin(), ofSuit.end(), [&](Card a, Card b) {
            return trickStrength(a, s, s, trumps, m) < trickStrength(b, s, s, trumps, m);
        });
        l.suitBase[static_cast<std::size_t>(k)] = bit;
        for (Card c : ofSuit) {
            l.cardAt[static_cast<std::size_t>(bit)] = c;
            l.bitOf[static_cast<std::size_t>(c)] = bit;
            l.suitAt[static_cast<std::size_t>(bit)] = static_cast<std::uint8_t>(k);
            l.suitBits[static_cast<std::size_t>(k)] |= std::uint64_t{1} << bit;
            ++bit;
        }
    }
    for (int led = 0; led < Layout::MaxSuits; ++led)
        for (int b = 0; b < bit; ++b) {
            const Card c = l.cardAt[static_cast<std::size_t>(b)];
            const int s = trickStrength(c, t.suitOf(c), led + 1, trumps, m);
            l.strength[static_cast<std::size_t>(led)][static_cast<std::size_t>(b)] = static_cast<std::uint8_t>(s);
            if (s > 0 && l.suitAt[static_cast<std::size_t>(b)] == led)
                l.beatable[static_cast<std::size_t>(led)] = true;
        }
    return l;
}

}  // namespace corvane::expert
