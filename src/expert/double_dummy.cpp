#include "expert/double_dummy.h"

#include <algorithm>
#include <limits>
#include <optional>

#include "expert/layout.h"
#include "expert/search.h"
#include "expert/transposition_table.h"
#include "rules/play/trick_rules.h"

namespace corvane::expert {

namespace {

std::size_t at(int i) { return static_cast<std::size_t>(i); }

// The table's suit rule for the contract: the jokers take the trump suit.
TableState suitsOf(const Position& p)
{
    TableState t;
    t.trumps = p.trumps;
    showTrumps(t, p.trumps);
    return t;
}

CardSet cardsOfSuit(const TableState& t, Suit s)
{
    CardSet out;
    for (Card c = 1; c <= CardCount; ++c)
        if (t.suitOf(c) == s)
            out.add(c);
    return out;
}

// The legal cards of the seat to play.
CardSet legalNow(const Position& p)
{
    const CardSet hand = p.hands[at(p.toPlay())];
    if (p.onTrick == 0)
        return hand;
    const TableState t = suitsOf(p);
    return legalCards(hand, cardsOfSuit(t, t.suitOf(p.trick[0])));
}

void setUp(Search& s, const Layout& l, const Position& p)
{
    std::array<std::uint64_t, 4> hands{};
    for (int i = 0; i < 4; ++i)
        hands[at(i)] = l.toBits(p.hands[at(i + 1)]);
    std::array<int, 3> trick{};
    for (int i = 0; i < p.onTrick; ++i)
        trick[at(i)] = l.bitOf[at(p.trick[at(i)])];
    s.setUp(hands, p.leader - 1, trick, p.onTrick);
    s.setMaxSide((p.toPlay() - 1) & 1);
}

std::uint64_t budgetOf(std::uint64_t nodeBudget)
{
    return nodeBudget == Unlimited ? std::numeric_limits<std::uint64_t>::max() : nodeBudget;
}

}  // namespace

Position positionOf(const TableState& t)
{
    Position p;
    for (Seat s = South; s <= East; ++s)
        p.hands[at(s)] = t.hand(s);
    p.trumps = t.trumps;
    p.high = t.contractHigh;
    p.leader = t.leader;
    int filled = 0;
    while (filled < 4 && t.trick.card[at(filled + 1)] != NoCard)
        ++filled;
    if (filled < 4) {
        for (int i = 0; i < filled; ++i)
            p.trick[at(i)] = t.trick.card[at(i + 1)];
        p.onTrick = filled;
    }
    return p;
}

const char* positionFault(const Position& p)
{
    if (!isPlainSuit(p.trumps) && p.trumps != NoTrumps)
        return "the trumps are neither a suit nor No Trumps";
    if (!isSeat(p.leader))
        return "the leader is no seat";
    if (p.onTrick < 0 || p.onTrick > 3)
        return "a trick holds 0 to 3 cards before the seat to play";
    CardSet seen;
    for (Seat s = South; s <= East; ++s) {
        if (!(seen & p.hands[at(s)]).empty() || !(p.hands[at(s)] - AllCards).empty() || p.hands[at(s)].has(NoCard))
            return "a card is in two hands, or is no card";
        seen |= p.hands[at(s)];
    }
    const int n = p.tricksLeft();
    for (int i = 0; i < 4; ++i)
        if (p.hands[at(seatAfter(p.leader, i))].count() != (i < p.onTrick ? n - 1 : n))
            return "the hands do not hold one card for each trick left";
    const TableState t = suitsOf(p);
    for (int i = 0; i < p.onTrick; ++i) {
        const Card c = p.trick[at(i)];
        if (!isValidCard(c) || seen.has(c))
            return "a card on the trick is no card, or is also in a hand";
        seen.add(c);
        // The seat held the card with the rest of its hand when it played it.
        const CardSet held = p.hands[at(seatAfter(p.leader, i))] | CardSet::of(c);
        if (i > 0 && !legalCards(held, cardsOfSuit(t, t.suitOf(p.trick[0]))).has(c))
            return "a card on the trick does not follow suit";
    }
    return nullptr;
}

struct DoubleDummy::Impl {
    explicit Impl(int bits) : table(bits) {}

    const Layout& layout(Suit trumps, bool high)
    {
        auto& l = layouts[at((trumps - 1) * 2 + (high ? 1 : 0))];
        if (!l)
            l = layoutFor(trumps, high);
        return *l;
    }

    TranspositionTable table;
    std::array<std::optional<Layout>, 10> layouts;
};

DoubleDummy::DoubleDummy(int tableBits) : m_impl(std::make_unique<Impl>(tableBits)) {}
DoubleDummy::~DoubleDummy() = default;

Solution DoubleDummy::solve(const Position& p, std::uint64_t nodeBudget)
{
    Solution out;
    if (positionFault(p))
        return out;
    const Layout& l = m_impl->layout(p.trumps, p.high);
    m_impl->table.startAfresh();
    Search s(l, m_impl->table, budgetOf(nodeBudget));
    setUp(s, l, p);
    int lo = 0;
    int hi = s.tricksLeft();
    s.narrow(lo, hi, (lo + hi + 1) / 2);
    out.tricks = lo;
    out.lower = lo;
    out.upper = hi;
    out.finished = !s.aborted();
    out.nodes = s.nodes();
    return out;
}

Solution DoubleDummy::analyse(const Position& p, std::uint64_t nodeBudget)
{
    Solution out;
    if (positionFault(p))
        return out;
    const Layout& l = m_impl->layout(p.trumps, p.high);
    m_impl->table.startAfresh();
    Search s(l, m_impl->table, budgetOf(nodeBudget));
    setUp(s, l, p);

    // Each card's value, the best-looking first; the best value so far is
    // the first guess for the next, which most often equals it or falls
    // short.
    std::array<Search::Move, 16> moves;
    const int n = s.rootMoves(moves);
    std::array<int, 64> valueOf;
    valueOf.fill(-1);
    int guess = (s.tricksLeft() + 1) / 2;
    for (int i = 0; i < n && !s.aborted(); ++i) {
        const Search::Move& m = moves[at(i)];
        const Search::Undo u = s.play(m.bit);
        int lo = s.won();
        int hi = s.won() + s.tricksLeft();
        s.narrow(lo, hi, guess);
        s.takeBack(m.bit, u);
        out.lower = std::max(out.lower, lo);
        out.upper = std::max(out.upper, hi);
        if (s.aborted())
            break;
        guess = std::max(guess, lo);
        for (std::uint64_t b = m.stands; b; b &= b - 1)
            valueOf[at(std::countr_zero(b))] = lo;
    }
    if (s.aborted())
        out.upper = s.tricksLeft();
    for (Card c : legalNow(p))
        out.cards.push_back({c, valueOf[at(l.bitOf[at(c)])]});
    out.tricks = out.lower;
    out.finished = !s.aborted();
    out.nodes = s.nodes();
    return out;
}

}  // namespace corvane::expert
