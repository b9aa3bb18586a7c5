#include "expert/search.h"

#include <algorithm>

#include "expert/bits.h"
#include "rules/play/trick_rules.h"

namespace corvane::expert {

using namespace bits;

Search::Search(const Layout& l, TranspositionTable& tt, std::uint64_t budget) : m_l(l), m_tt(tt), m_budget(budget) {}

void Search::setUp(const std::array<std::uint64_t, 4>& hands, int leader, const std::array<int, 3>& trick, int onTrick)
{
    m_hand = hands;
    m_leader = leader;
    m_pos = 0;
    m_onTrick = 0;
    m_won = 0;
    // The cards on the trick go back to their seats and are played again, so
    // the trick's state is set the one way it always is.
    for (int p = 0; p < onTrick; ++p)
        m_hand[static_cast<std::size_t>((leader + p) & 3)] |= bitAt(trick[static_cast<std::size_t>(p)]);
    m_tricksLeft = count(m_hand[static_cast<std::size_t>(leader)]);
    m_lengths = {};
    for (int seat = 0; seat < 4; ++seat)
        for (int k = 0; k < Layout::MaxSuits; ++k)
            m_lengths[static_cast<std::size_t>(seat >> 1)] +=
                static_cast<std::uint64_t>(count(m_hand[static_cast<std::size_t>(seat)] &
                                                 m_l.suitBits[static_cast<std::size_t>(k)]))
                << lengthShift(seat, k);
    m_holders = holdersNow();
    for (int p = 0; p < onTrick; ++p)
        play(trick[static_cast<std::size_t>(p)]);
    m_nodes = 0;
}

Search::Undo Search::play(int bit)
{
    const int k = m_l.suitAt[static_cast<std::size_t>(bit)];
    Undo u{m_onTrick, m_leader, m_pos, m_led, m_winPos, m_winBit, m_winStr, m_won, m_tricksLeft, 0,
           m_holders[static_cast<std::size_t>(k >> 1)]};
    const int seat = (m_leader + m_pos) & 3;
    m_hand[static_cast<std::size_t>(seat)] &= ~bitAt(bit);
    dropHolder(bit);
    m_lengths[static_cast<std::size_t>(seat >> 1)] -= std::uint64_t{1}
                                                      << lengthShift(seat, m_l.suitAt[static_cast<std::size_t>(bit)]);
    ++m_nodes;
    if (m_pos == 0) {
        m_led = m_l.suitAt[static_cast<std::size_t>(bit)];
        m_winPos = 0;
        m_winBit = bit;
        m_winStr = m_l.strength[static_cast<std::size_t>(m_led)][static_cast<std::size_t>(bit)];
    } else if (const int s = m_l.strength[static_cast<std::size_t>(m_led)][static_cast<std::size_t>(bit)];
               s > m_winStr) {
        m_winStr = s;
        m_winPos = m_pos;
        m_winBit = bit;
    }
    if (m_pos < 3) {
        m_onTrick |= bitAt(bit);
        ++m_pos;
        return u;
    }
    const int w = m_winBit;
    const std::uint64_t rivals =
        (m_onTrick | bitAt(bit)) & m_l.suitBits[m_l.suitAt[static_cast<std::size_t>(w)]] & ~bitAt(w);
    u.ranked = rivals ? bitAt(w) : 0;
    const int winner = (m_leader + m_winPos) & 3;
    m_won += side(winner) == m_maxSide;
    m_leader = winner;
    m_pos = 0;
    m_onTrick = 0;
    --m_tricksLeft;
    return u;
}

void Search::takeBack(int bit, const Undo& u)
{
    m_onTrick = u.onTrick;
    m_leader = u.leader;
    m_pos = u.pos;
    m_led = u.led;
    m_winPos = u.winPos;
    m_winBit = u.winBit;
    m_winStr = u.winStr;
    m_won = u.won;
    m_tricksLeft = u.tricksLeft;
    const int seat = (m_leader + m_pos) & 3;
    m_hand[static_cast<std::size_t>(seat)] |= bitAt(bit);
    m_holders[static_cast<std::size_t>(m_l.suitAt[static_cast<std::size_t>(bit)] >> 1)] = u.lanes;
    m_lengths[static_cast<std::size_t>(seat >> 1)] += std::uint64_t{1}
                                                      << lengthShift(seat, m_l.suitAt[static_cast<std::size_t>(bit)]);
}

bool Search::reaches(int target)
{
    m_target = target;
    return visit();
}

void Search::narrow(int& lo, int& hi, int guess)
{
    int probe = std::clamp(guess, lo, hi);
    while (lo < hi && !m_aborted) {
        // A probe at lo itself tells nothing.
        probe = std::max(probe, lo + 1);
        const bool yes = reaches(probe);
        if (m_aborted)
            break;
        if (yes)
            lo = probe;
        else
            hi = probe - 1;
        probe = yes ? probe + 1 : probe - 1;
    }
}

bool Search::visit() { return m_pos == 0 ? leadNode() : followNode(); }

bool Search::leadNode()
{
    m_counted = 0;
    const int need = m_target - m_won;
    if (need <= 0)
        return true;
    if (need > m_tricksLeft)
        return false;
    if (m_nodes > m_budget) {
        m_aborted = true;
        return false;
    }
    const bool leaderIsMax = side(m_leader) == m_maxSide;
    if (m_tricksLeft == 1) {
        // One card each: the trick decides it.
        std::array<Undo, 4> u;
        std::array<int, 4> last;
        for (std::size_t p = 0; p < 4; ++p) {
            last[p] = lowest(m_hand[static_cast<std::size_t>((m_leader + static_cast<int>(p)) & 3)]);
            u[p] = play(last[p]);
        }
        const bool yes = m_won >= m_target;
        m_counted = u[3].ranked;
        for (std::size_t p = 4; p-- > 0;)
            takeBack(last[p], u[p]);
        return yes;
    }

    // The cheap bounds, then what earlier searches proved.
    const auto cut = [&](int lower, int upper) {
        const int maxLo = leaderIsMax ? lower : m_tricksLeft - upper;
        const int maxHi = leaderIsMax ? upper : m_tricksLeft - lower;
        return maxLo >= need ? 1 : maxHi < need ? 0 : -1;
    };
    const Bounds b = bounds(leaderIsMax ? need : m_tricksLeft - need + 1);
    if (const int c = cut(b.lo, b.hi); c >= 0) {
        // Which bound made the cut: the leader's side's low one when that side
        // reached (as the max side) or held the max side off (as the min).
        m_counted = (c == 1) == leaderIsMax ? b.loCounted : b.hiCounted;
        return c == 1;
    }
    const auto k = key();
    std::array<const TranspositionTable::Entry*, TranspositionTable::Ways> found;
    const int hits = m_tt.find(k, m_holders, found);
    int best = -1;
    for (int i = 0; i < hits; ++i) {
        const auto& e = *found[static_cast<std::size_t>(i)];
        if (const int c = cut(e.lower, e.upper); c >= 0) {
            m_counted = cardsOfTops(e.tops);
            return c == 1;
        }
        if (best < 0 && e.best >= 0)
            best = bitOfRelative(e.best);
    }

    std::array<Move, 16> ms;
    const int n = moves(m_hand[static_cast<std::size_t>(m_leader)], m_leader, ms);
    // The lead that decided this position before goes first.
    // Else the lead that last decided a position this many tricks from the
    // end: sibling lines are often settled by the same card.
    int& killer = m_killer[static_cast<std::size_t>(m_tricksLeft)];
    const bool bestFirst = toFront(ms, n, best) || toFront(ms, n, killer);
    bool result = !leaderIsMax;
    int decided = -1;
    std::uint64_t counted = 0;
    for (int i = 0; i < n; ++i) {
        if (i > 0 || !bestFirst)
            bringBest(ms, n, i);
        const int bit = ms[static_cast<std::size_t>(i)].bit;
        const Undo u = play(bit);
        const bool r = visit();
        takeBack(bit, u);
        if (m_aborted)
            return false;
        // A refutation rests on its own line only; a failure on every line.
        if (r == leaderIsMax) {
            result = r;
            decided = bit;
            killer = bit;
            counted = m_counted | u.ranked;
            break;
        }
        counted |= m_counted | u.ranked;
    }
    if (decided < 0)
        counted = pinSplitRuns(ms, n, counted);
    // What this answer proves, as bounds on the leader's side.
    const int maxLower = result ? need : 0;
    const int maxUpper = result ? m_tricksLeft : need - 1;
    const int lower = leaderIsMax ? maxLower : m_tricksLeft - maxUpper;
    const int upper = leaderIsMax ? maxUpper : m_tricksLeft - maxLower;
    m_tt.store(k, m_holders, topsOf(counted), lower, upper, decided >= 0 ? relativeOf(decided) : -1);
    m_counted = counted;
    return result;
}

bool Search::followNode()
{
    if (m_nodes > m_budget) {
        m_aborted = true;
        m_counted = 0;
        return false;
    }
    const int seat = (m_leader + m_pos) & 3;
    const std::uint64_t legal =
        legalCards(m_hand[static_cast<std::size_t>(seat)], m_l.suitBits[static_cast<std::size_t>(m_led)]);
    const bool isMax = side(seat) == m_maxSide;
    if ((legal & (legal - 1)) == 0) {
        const int bit = lowest(legal);
        const Undo u = play(bit);
        const bool r = visit();
        takeBack(bit, u);
        m_counted |= u.ranked;
        return r;
    }
    std::array<Move, 16> ms;
    const int n = moves(legal, seat, ms);
    std::uint64_t counted = 0;
    for (int i = 0; i < n; ++i) {
        bringBest(ms, n, i);
        const int bit = ms[static_cast<std::size_t>(i)].bit;
        const Undo u = play(bit);
        const bool r = visit();
        takeBack(bit, u);
        if (m_aborted)
            return false;
        if (r == isMax) {
            m_counted |= u.ranked;
            return r;
        }
        counted |= m_counted | u.ranked;
    }
    m_counted = pinSplitRuns(ms, n, counted);
    return !isMax;
}


TranspositionTable::Key Search::key() const
{
    return {m_lengths[0], m_lengths[1] | static_cast<std::uint64_t>(m_leader) << 40};
}

// Only the order of the cards left counts, not which ones have gone: a suit
// is laid out by who holds its cards left, from the top down.
TranspositionTable::Holders Search::holdersNow() const
{
    const std::uint64_t plane0 = m_hand[1] | m_hand[3];
    const std::uint64_t plane1 = m_hand[2] | m_hand[3];
    const std::uint64_t rem = left();
    TranspositionTable::Holders out{};
    for (int k = 0; k < Layout::MaxSuits; ++k) {
        std::uint64_t q = 0;
        for (std::uint64_t r = rem & m_l.suitBits[static_cast<std::size_t>(k)]; r; r &= r - 1) {
            const int b = lowest(r);
            q = q >> 2 | ((plane0 >> b & 1) | (plane1 >> b & 1) << 1) << 30;
        }
        out[static_cast<std::size_t>(k / 2)] |= q << (32 * (k % 2));
    }
    return out;
}

// A card just played leaves its suit's lane: the cards below it move up.
void Search::dropHolder(int bit)
{
    const int k = m_l.suitAt[static_cast<std::size_t>(bit)];
    const int above = count(left() & m_l.suitBits[static_cast<std::size_t>(k)] & bits::above(bit));
    const int at = 30 - 2 * above + 32 * (k & 1);  // the card's two bits in the word
    std::uint64_t& word = m_holders[static_cast<std::size_t>(k >> 1)];
    const std::uint64_t lane = 0xFFFFFFFFULL << (32 * (k & 1));
    const std::uint64_t below = lane & ((std::uint64_t{1} << at) - 1);
    word = (word & ~lane) | (word & lane & ~(below | std::uint64_t{3} << at)) | (word & below) << 2;
}

// A failure rests on every move having failed, and one move stood for a run
// of cards only because no other seat held a card between them. Where the
// cards that counted reach into a run but not through it, a position with
// the lower part of the run held otherwise would be taken for this one, so
// the run's lowest card counts too. A run wholly above or below the cards
// that counted is the same run, or of no account, in every such position.
std::uint64_t Search::pinSplitRuns(const std::array<Move, 16>& ms, int n, std::uint64_t counted) const
{
    for (bool pinned = true; pinned;) {
        pinned = false;
        for (int i = 0; i < n; ++i) {
            const std::uint64_t run = ms[static_cast<std::size_t>(i)].stands;
            const int k = m_l.suitAt[static_cast<std::size_t>(lowest(run))];
            const std::uint64_t c = counted & m_l.suitBits[static_cast<std::size_t>(k)];
            if (c && lowest(run) < lowest(c) && highest(run) >= lowest(c)) {
                counted |= bitAt(lowest(run));
                pinned = true;
            }
        }
    }
    return counted;
}

// For each suit, how many of its cards left from the top down to the lowest
// one that counted.
std::uint32_t Search::topsOf(std::uint64_t counted) const
{
    const std::uint64_t rem = left();
    std::uint32_t tops = 0;
    for (int k = 0; k < Layout::MaxSuits; ++k) {
        const std::uint64_t suit = rem & m_l.suitBits[static_cast<std::size_t>(k)];
        if (const std::uint64_t c = counted & suit)
            tops |= static_cast<std::uint32_t>(count(suit & ~(bitAt(lowest(c)) - 1))) << (4 * k);
    }
    return tops;
}

std::uint64_t Search::cardsOfTops(std::uint32_t tops) const
{
    const std::uint64_t rem = left();
    std::uint64_t out = 0;
    for (int k = 0; k < Layout::MaxSuits; ++k) {
        std::uint64_t suit = rem & m_l.suitBits[static_cast<std::size_t>(k)];
        for (int r = static_cast<int>(tops >> (4 * k) & 15); r > 0 && suit; --r) {
            out |= bitAt(highest(suit));
            suit &= ~bitAt(highest(suit));
        }
    }
    return out;
}

// A card kept in the table as its suit and its place from the top among
// the cards left in it, so it means the same card in every position the key
// stands for.
int Search::relativeOf(int bit) const
{
    const int k = m_l.suitAt[static_cast<std::size_t>(bit)];
    return k * 16 + count(left() & m_l.suitBits[static_cast<std::size_t>(k)] & above(bit));
}

int Search::bitOfRelative(int rel) const
{
    std::uint64_t r = left() & m_l.suitBits[static_cast<std::size_t>(rel / 16)];
    for (int i = rel % 16; i > 0 && r; --i)
        r &= ~bitAt(highest(r));
    return r ? highest(r) : -1;
}


}  // namespace corvane::expert
