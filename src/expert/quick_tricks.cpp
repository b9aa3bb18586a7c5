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
//
// When they come to `enough`, only the suits it takes to get there count,
// the richest first: the fewer cards an answer rests on, the more positions
// the table's entry for it stands for.
int Search::cashFrom(int s, std::uint64_t& counted, int enough) const
{
    const auto hand = [this](int seat) { return m_hand[static_cast<std::size_t>(seat & 3)]; };
    const int kt = m_l.trumpSuit;
    std::array<int, Layout::MaxSuits> rounds{};
    std::array<std::uint64_t, Layout::MaxSuits> runs{};
    int drawn = 0;
    if (kt >= 0) {
        const std::uint64_t trumps = m_l.suitBits[static_cast<std::size_t>(kt)];
        drawn = count(topRun(hand(s), trumps, runs[static_cast<std::size_t>(kt)]));
        rounds[static_cast<std::size_t>(kt)] = drawn;
        for (int k = 0; k < Layout::MaxSuits; ++k) {
            if (k == kt)
                continue;
            const std::uint64_t suit = m_l.suitBits[static_cast<std::size_t>(k)];
            int r = count(topRun(hand(s), suit, runs[static_cast<std::size_t>(k)]));
            for (int other = 1; other < 4 && r > 0; ++other)
                if (count(hand(s + other) & trumps) > drawn)
                    r = std::min(r, count(hand(s + other) & suit));
            rounds[static_cast<std::size_t>(k)] = r;
        }
    } else {
        for (int k = 0; k < Layout::MaxSuits; ++k)
            rounds[static_cast<std::size_t>(k)] =
                count(topRun(hand(s), m_l.suitBits[static_cast<std::size_t>(k)], runs[static_cast<std::size_t>(k)]));
    }
    int cash = 0;
    for (int r : rounds)
        cash += r;
    if (cash < enough) {
        for (std::uint64_t run : runs)
            counted |= run;
        return cash;
    }
    // The trumps drawn decide the other suits' rounds, so they always count.
    int taken = 0;
    std::uint32_t used = 0;
    if (kt >= 0) {
        counted |= runs[static_cast<std::size_t>(kt)];
        taken = drawn;
        used |= 1U << kt;
    }
    while (taken < enough) {
        int pick = -1;
        for (int k = 0; k < Layout::MaxSuits; ++k)
            if (!(used >> k & 1) && (pick < 0 || rounds[static_cast<std::size_t>(k)] > rounds[static_cast<std::size_t>(pick)]))
                pick = k;
        used |= 1U << pick;
        taken += rounds[static_cast<std::size_t>(pick)];
        counted |= runs[static_cast<std::size_t>(pick)];
    }
    return cash;
}

// Cheap bounds on the tricks the leader's side takes from here, each with
// the cards it rests on: the tops the leader cashes, or the partner's after a
// low card to one of them; and in a trump contract the top trumps each side
// holds, which win whenever they are played.
Search::Bounds Search::bounds(int enough) const
{
    const auto hand = [this](int s) { return m_hand[static_cast<std::size_t>(s & 3)]; };
    const int L = m_leader;
    const int P = L ^ 2;
    Bounds b;
    b.lo = cashFrom(L, b.loCounted, enough);
    b.hi = m_tricksLeft;
    // Enough already settles the question; the others would only cost time.
    if (b.lo >= enough)
        return b;
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
        if (const int cash = cashFrom(P, counted, enough); cash > b.lo) {
            b.lo = cash;
            b.loCounted = counted;
        }
        break;
    }
    if (b.lo >= enough)
        return b;
    if (kt < 0) {
        if (losesTheTrick(b.hiCounted))
            b.hi = m_tricksLeft - 1;
        return b;
    }
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
    if (b.hi == m_tricksLeft && losesTheTrick(b.hiCounted))
        b.hi = m_tricksLeft - 1;
    return b;
}

// Whether the leader's side loses this trick whatever the leader leads: the
// opponents hold the top card of every suit the leader holds, and the
// partner cannot ruff it. The top cards are what it rests on.
bool Search::losesTheTrick(std::uint64_t& counted) const
{
    const auto hand = [this](int s) { return m_hand[static_cast<std::size_t>(s & 3)]; };
    const int L = m_leader;
    const int kt = m_l.trumpSuit;
    const std::uint64_t trumps = kt >= 0 ? m_l.suitBits[static_cast<std::size_t>(kt)] : 0;
    const std::uint64_t theirs = hand(L + 1) | hand(L + 3);
    std::uint64_t tops = 0;
    for (std::uint64_t rest = hand(L); rest;) {
        const int k = m_l.suitAt[static_cast<std::size_t>(lowest(rest))];
        const std::uint64_t suit = m_l.suitBits[static_cast<std::size_t>(k)];
        rest &= ~suit;
        // A joker led in No Trumps keeps the trick.
        if (!m_l.beatable[static_cast<std::size_t>(k)])
            return false;
        const std::uint64_t top = bitAt(highest(left() & suit));
        if (!(theirs & top))
            return false;
        if (k != kt && !(hand(L + 2) & suit) && (hand(L + 2) & trumps))
            return false;
        tops |= top;
    }
    counted |= tops;
    return true;
}

}  // namespace corvane::expert
