#include "expert/knowledge.h"

#include <type_traits>
#include <variant>

namespace corvane::expert {

namespace {
std::size_t at(int i) { return static_cast<std::size_t>(i); }
}  // namespace

Knowledge::Knowledge(Seat viewer) : m_viewer(viewer) {}

void Knowledge::reset() { *this = Knowledge(m_viewer); }

CardSet Knowledge::cardsOfSuit(Suit t) const
{
    CardSet out = suitCards(t);
    if (m_jokerSuit == t)
        out |= Jokers;
    return out;
}

CardSet Knowledge::playedByAll() const
{
    CardSet out;
    for (Seat s = South; s <= East; ++s)
        out |= m_played[at(s)];
    return out;
}

bool Knowledge::showedVoid(Seat s, Suit t) const
{
    return isSeat(s) && t >= Diamonds && t <= NoTrumps && m_void[at(s)][at(t)];
}

CardSet Knowledge::unseen() const
{
    CardSet out = AllCards - playedByAll();
    for (Place p = South; p <= KittyPlace; ++p)
        out -= m_known[at(p)];
    return out;
}

CardSet Knowledge::excluded(Place p) const
{
    if (p == m_viewer)
        return AllCards - hand();
    CardSet out = playedByAll() | m_ruledOut[at(p)];
    for (Place q = South; q <= KittyPlace; ++q)
        if (q != p)
            out |= m_known[at(q)];
    if (isSeat(p)) {
        for (Suit t = Diamonds; t <= NoTrumps; ++t)
            if (m_void[at(p)][at(t)])
                out |= cardsOfSuit(t);
    } else if (p == KittyPlace && m_kittyUnknownAreJokers) {
        out |= AllCards - Jokers;
    }
    return out - m_known[at(p)];
}

void Knowledge::play(Seat s, Card c, int position)
{
    if (position == 1) {
        m_leader = s;
        m_onTrick = 0;
    } else if (m_onTrick > 0) {
        const Suit led = suitOf(m_trick[0]);
        // Not following shows the seat has none of the led suit left.
        if (suitOf(c) != led)
            m_void[at(s)][at(led)] = true;
    }
    if (m_onTrick < 4)
        m_trick[at(m_onTrick++)] = c;
    m_played[at(s)].add(c);
    m_known[at(s)].remove(c);
    --m_count[at(s)];
}

void Knowledge::swapJoker(Seat s, Card joker, Card card)
{
    if (s == m_viewer) {
        m_known[at(s)].remove(joker);
        m_known[at(s)].add(card);
        m_known[KittyPlace].remove(card);
        m_known[KittyPlace].add(joker);
        return;
    }
    // The swap takes the lowest suit card of the kitty, and whoever saw the
    // kitty sees it go; the joker goes in face down.
    if (seesDiscards()) {
        m_known[KittyPlace].remove(card);
        m_known[at(s)].add(card);
    }
}

void Knowledge::observe(const Event& e)
{
    std::visit(
        [this](const auto& d) {
            using T = std::decay_t<decltype(d)>;
            if constexpr (std::is_same_v<T, ev::HandStarted> || std::is_same_v<T, ev::PackGathered>) {
                reset();
            } else if constexpr (std::is_same_v<T, ev::CardDealt>) {
                ++m_count[at(d.to)];
                if (d.to == m_viewer)
                    m_known[at(d.to)].add(d.card);
                else if (d.to == KittyPlace)
                    m_faceDownKitty.add(d.card);
            } else if constexpr (std::is_same_v<T, ev::ContractSettled>) {
                m_settled = true;
                m_trumps = d.trumps;
                m_high = d.high;
                // A trump symbol gives the jokers its number; without one
                // they keep No Trumps, as every hand begins.
                m_jokerSuit = d.trumps >= Diamonds && d.trumps <= NoTrumps ? d.trumps : NoTrumps;
                m_bidWinner = d.winner;
                m_leader = d.winner;
            } else if constexpr (std::is_same_v<T, ev::KittyTaken>) {
                m_count[at(d.seat)] += m_count[KittyPlace];
                m_count[KittyPlace] = 0;
                if (d.seat == m_viewer)
                    m_known[at(d.seat)] |= d.kitty;
                m_faceDownKitty = {};
            } else if constexpr (std::is_same_v<T, ev::KittyDiscarded>) {
                // A robot takes the kitty and lays six cards face up at once.
                if (d.seat == m_viewer)
                    m_known[at(d.seat)] = (m_known[at(d.seat)] | m_faceDownKitty) - d.discards;
                m_known[KittyPlace] = d.discards;
                m_kittyUnknownAreJokers = true;
                m_faceDownKitty = {};
            } else if constexpr (std::is_same_v<T, ev::DiscardsConfirmed>) {
                m_count[South] -= d.discards.count();
                m_count[KittyPlace] = d.discards.count();
                if (m_viewer == South) {
                    m_known[South] -= d.discards;
                    m_known[KittyPlace] = d.discards;
                    m_kittyUnknownAreJokers = true;
                }
                // In No Trumps every joker the person holds goes with them.
                if (m_trumps == NoTrumps)
                    m_ruledOut[South] |= Jokers;
            } else if constexpr (std::is_same_v<T, ev::JokerSwapped>) {
                swapJoker(d.seat, d.joker, d.card);
            } else if constexpr (std::is_same_v<T, ev::KittyCleared>) {
                // Every robot swapped each joker it held: the kitty always
                // has a suit card to give for one.
                if (m_trumps == NoTrumps)
                    for (Seat s : {West, North, East})
                        m_ruledOut[at(s)] |= Jokers;
            } else if constexpr (std::is_same_v<T, ev::CardPlayed>) {
                play(d.seat, d.card, d.position);
            } else if constexpr (std::is_same_v<T, ev::TrickGathered>) {
                m_onTrick = 0;
                m_trick = {};
                if (isSeat(d.winner))
                    m_leader = d.winner;
            }
        },
        e.data);
}

Knowledge knowledgeFrom(const std::vector<Event>& events, Seat viewer)
{
    Knowledge k(viewer);
    for (const Event& e : events)
        k.observe(e);
    return k;
}

}  // namespace corvane::expert
