// The moves of a seat in the search, one for each set of equivalent cards,
// in the order likely to decide soonest.
#include <algorithm>

#include "expert/bits.h"
#include "expert/search.h"
#include "rules/play/trick_rules.h"

namespace corvane::expert {

using namespace bits;

int Search::rootMoves(std::array<Move, 16>& out) const
{
    const int seat = seatToPlay();
    const std::uint64_t hand = m_hand[static_cast<std::size_t>(seat)];
    const int n = moves(m_pos == 0 ? hand : legalCards(hand, m_l.suitBits[static_cast<std::size_t>(m_led)]), seat, out);
    for (int i = 0; i < n; ++i)
        bringBest(out, n, i);
    return n;
}

// One move for each run of cards of a suit that no other seat's card splits:
// any of them plays the same. Of the cards on the trick only the one winning
// it splits a run: the others are beaten already and leave with the trick.
int Search::moves(std::uint64_t legal, int seat, std::array<Move, 16>& out) const
{
    const std::uint64_t winning = m_pos > 0 ? bitAt(m_winBit) : 0;
    const std::uint64_t others = (left() & ~m_hand[static_cast<std::size_t>(seat)]) | winning;
    // The best the opponent after this seat can play, for the follow scores.
    const int nextBest = m_pos == 1 || m_pos == 2 ? bestStrengthOf((seat + 1) & 3) : 0;
    int n = 0;
    for (std::uint64_t rest = legal; rest;) {
        const std::uint64_t suit = m_l.suitBits[m_l.suitAt[static_cast<std::size_t>(lowest(rest))]];
        rest &= ~suit;
        std::uint64_t h = legal & suit;
        const std::uint64_t o = others & suit;
        while (h) {
            const std::uint64_t below = o & (bitAt(highest(h)) - 1);
            const std::uint64_t run = below ? h & above(highest(below)) : h;
            const int rep = lowest(run);
            out[static_cast<std::size_t>(n++)] = {rep, m_pos == 0 ? leadScore(seat, rep, run) : followScore(seat, rep, nextBest),
                                                  run};
            h &= ~run;
        }
    }
    return n;
}

// Most searches stop at the first move, so the moves are put in order one
// at a time as they are tried: the best of those left, ties in the order
// made, goes to place i and the others keep their order.
void Search::bringBest(std::array<Move, 16>& ms, int n, int i)
{
    int best = i;
    for (int j = i + 1; j < n; ++j)
        if (ms[static_cast<std::size_t>(j)].score > ms[static_cast<std::size_t>(best)].score)
            best = j;
    // A rotation by hand: the library's is slow on so few.
    const Move m = ms[static_cast<std::size_t>(best)];
    for (int j = best; j > i; --j)
        ms[static_cast<std::size_t>(j)] = ms[static_cast<std::size_t>(j - 1)];
    ms[static_cast<std::size_t>(i)] = m;
}

bool Search::toFront(std::array<Move, 16>& ms, int n, int bit)
{
    if (bit < 0)
        return false;
    for (int i = 0; i < n; ++i)
        if (ms[static_cast<std::size_t>(i)].stands & bitAt(bit)) {
            const Move m = ms[static_cast<std::size_t>(i)];
            for (int j = i; j > 0; --j)
                ms[static_cast<std::size_t>(j)] = ms[static_cast<std::size_t>(j - 1)];
            ms[0] = m;
            return true;
        }
    return false;
}

int Search::leadScore(int seat, int bit, std::uint64_t run) const
{
    const auto hand = [this](int s) { return m_hand[static_cast<std::size_t>(s & 3)]; };
    const int k = m_l.suitAt[static_cast<std::size_t>(bit)];
    const std::uint64_t suit = m_l.suitBits[static_cast<std::size_t>(k)];
    const int low = count(left() & suit & (bitAt(bit) - 1));
    const int top = highest(left() & suit);
    const int kt = m_l.trumpSuit;
    const std::uint64_t trumps = kt >= 0 ? m_l.suitBits[static_cast<std::size_t>(kt)] : 0;
    const auto canRuff = [&](int s) { return k != kt && !(hand(s) & suit) && (hand(s) & trumps); };
    const bool oppRuffs = canRuff(seat + 1) || canRuff(seat + 3);
    const int ourLength = count((hand(seat) | hand(seat + 2)) & suit);
    if (run & bitAt(top))
        return (oppRuffs ? 10 : 60) + ourLength;
    if (hand(seat + 2) & bitAt(top))
        return (oppRuffs ? 5 : 50 - low) + ourLength;
    if (canRuff(seat + 2) && !oppRuffs)
        return 40 - low;
    int score = 20 - low;
    if (oppRuffs)
        score -= 8;
    // Towards a partner whose best card there beats the last hand's.
    const std::uint64_t partners = hand(seat + 2) & suit;
    const std::uint64_t lasts = hand(seat + 3) & suit;
    if (partners && (!lasts || highest(partners) > highest(lasts)))
        score += 5;
    return score;
}

// A suit's cards stand in the order of their bits, so the strongest card is
// the top one followed with, or else the top trump, or else none.
int Search::bestStrengthOf(int seat) const
{
    const std::uint64_t hand = m_hand[static_cast<std::size_t>(seat)];
    const auto& strength = m_l.strength[static_cast<std::size_t>(m_led)];
    if (const std::uint64_t follow = hand & m_l.suitBits[static_cast<std::size_t>(m_led)])
        return strength[static_cast<std::size_t>(highest(follow))];
    const int kt = m_l.trumpSuit;
    if (const std::uint64_t ruff = kt >= 0 ? hand & m_l.suitBits[static_cast<std::size_t>(kt)] : 0)
        return strength[static_cast<std::size_t>(highest(ruff))];
    return 0;
}

int Search::followScore(int seat, int bit, int nextBest) const
{
    const int s = m_l.strength[static_cast<std::size_t>(m_led)][static_cast<std::size_t>(bit)];
    const int rank = bit - m_l.suitBase[m_l.suitAt[static_cast<std::size_t>(bit)]];
    const int cheap = -(s * 16 + rank);
    const bool partnerWins = side((m_leader + m_winPos) & 3) == side(seat);
    if (s == 0) {
        // A discard: the lowest, from a long suit before a short one; after
        // any card that follows or trumps.
        const std::uint64_t suit = m_l.suitBits[m_l.suitAt[static_cast<std::size_t>(bit)]];
        return 2 * count(m_hand[static_cast<std::size_t>(seat)] & suit) - rank - 1000;
    }
    if (s <= m_winStr)
        return cheap;
    if (m_pos == 3)
        return partnerWins ? cheap : 1000 - s;
    // An opponent still to play.
    if (partnerWins && m_winStr > nextBest)
        return cheap;
    return s > nextBest ? 1000 - s : cheap;
}

}  // namespace corvane::expert
