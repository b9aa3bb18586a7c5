// The search's cheap bounds at the start of a trick: tricks a side is sure of
// whatever the others do.
#include <algorithm>

#include "expert/bits.h"
#include "expert/search.h"

namespace corvane::expert {

using namespace bits;

// The cards of `held` in the unbroken run from the top of a suit. Every run
// looked at counts: with the same holders of those cards, a position has runs
// at least as long, and every bound below only grows with them.
std::uint64_t Search::topRun(std::uint64_t held, std::uint64_t suit, std::uint64_t& counted) const
{
    const std::uint64_t others = left() & suit & ~held;
    const std::uint64_t run = others ? held & suit & above(highest(others)) : held & suit;
    counted |= run;
    return run;
}

// The tricks seat s takes on lead from its own tops, keeping the lead. In a
// trump contract it draws trumps with its top ones first; whoever still holds
// a trump afterwards (the partner too, who would have to ruff) must follow
// each round of a plain suit to spare it.
int Search::cashFrom(int s, std::uint64_t& counted) const
{
    const auto hand = [this](int seat) { return m_hand[static_cast<std::size_t>(seat & 3)]; };
    const int kt = m_l.trumpSuit;
    if (kt < 0) {
        int cash = 0;
        for (std::uint64_t suit : m_l.suitBits)
            cash += count(topRun(hand(s), suit, counted));
        return cash;
    }
    const std::uint64_t trumps = m_l.suitBits[static_cast<std::size_t>(kt)];
    const int drawn = count(topRun(hand(s), trumps, counted));
    int cash = drawn;
    for (int k = 0; k < Layout::MaxSuits; ++k) {
        if (k == kt)
            continue;
        const std::uint64_t suit = m_l.suitBits[static_cast<std::size_t>(k)];
        int rounds = count(topRun(hand(s), suit, counted));
        for (int other = 1; other < 4 && rounds > 0; ++other)
            if (count(hand(s + other) & trumps) > drawn)
                rounds = std::min(rounds, count(hand(s + other) & suit));
        cash += rounds;
    }
    return cash;
}

// Cheap bounds on the tricks the leader's side takes from here, each with
// the cards it rests on: the tops the leader cashes, or the partner's after a
// low card to one of them; and in a trump contract the top trumps each side
// holds, which win whenever they are played.
Search::Bounds Search::bounds() const
{
    const auto hand = [this](int s) { return m_hand[static_cast<std::size_t>(s & 3)]; };
    const int L = m_leader;
    const int P = L ^ 2;
    Bounds b;
    b.lo = cashFrom(L, b.loCounted);
    b.hi = m_tricksLeft;
    const int kt = m_l.trumpSuit;
    const std::uint64_t trumps = kt >= 0 ? m_l.suitBits[static_cast<std::size_t>(kt)] : 0;
    const auto spared = [&](int s, std::uint64_t suit) { return (hand(s) & suit) || !(hand(s) & trumps); };
    for (int k = 0; k < Layout::MaxSuits; ++k) {
        const std::uint64_t suit = m_l.suitBits[static_cast<std::size_t>(k)];
        std::uint64_t entry = 0;
        if (!m_l.beatable[static_cast<std::size_t>(k)] || !(hand(L) & suit) || !topRun(hand(P), suit, entry))
            continue;
        if (k != kt && !(spared(L + 1, suit) && spared(L + 3, suit)))
            continue;
        std::uint64_t counted = entry;
        if (const int cash = cashFrom(P, counted); cash > b.lo) {
            b.lo = cash;
            b.loCounted = counted;
        }
        break;
    }
    if (kt < 0)
        return b;
    // A side's top trumps in one hand each win a trick of their own.
    const auto sure = [&](int a, std::uint64_t& counted) {
        const std::uint64_t run = topRun(hand(a) | hand(a + 2), trumps, counted);
        return std::max(count(run & hand(a)), count(run & hand(a + 2)));
    };
    std::uint64_t counted = 0;
    if (const int ours = sure(L, counted); ours > b.lo) {
        b.lo = ours;
        b.loCounted = counted;
    }
    b.hi = m_tricksLeft - sure(L + 1, b.hiCounted);
    return b;
}

}  // namespace corvane::expert
