#include "sim/referee.h"

namespace corvane::sim {

namespace {

Seat seatLeftOf(Seat s, int steps = 1) { return (s - 1 + steps) % 4 + 1; }
Team teamOfSeat(Seat s) { return s == South || s == North ? 1 : 2; }
std::string seatText(Seat s) { return "seat " + std::to_string(s); }

}  // namespace

// In a trump contract both jokers are trumps; in No Trumps they are a suit
// of their own (number 9 here) that nothing else follows.
Suit Referee::suitOf(Card c) const
{
    if (c == LittleJoker || c == BigJoker)
        return m_trumps == NoTrumps ? 9 : m_trumps;
    return (c - 1) / 13 + 1;
}

// What a card is worth on a trick led in `led`; the most wins, 0 never does.
// The Ace is top of its suit both ways; uptown the King next down to the
// Two, downtown the Two next up to the King. Any trump beats the led suit,
// and the Big then the Little Joker beat every trump. In No Trumps the
// jokers are worth nothing.
int Referee::worth(Card c, Suit led) const
{
    if (c == LittleJoker || c == BigJoker)
        return m_trumps == NoTrumps ? 0 : c == BigJoker ? 200 : 100;
    const int rank = (c - 1) % 13;  // Two 0 .. Ace 12
    const int inSuit = rank == 12 ? 13 : m_high ? rank + 1 : 12 - rank;
    if (suitOf(c) == m_trumps)
        return 50 + inSuit;
    return suitOf(c) == led ? inSuit : 0;
}

std::string Referee::judge(const Event& e, const TableState& after)
{
    if (const auto* p = e.as<ev::CardPlayed>())
        return play(*p);
    if (const auto* d = e.as<ev::CardDealt>())
        return deal(*d);
    if (const auto* g = e.as<ev::TrickGathered>())
        return gather(*g);
    if (const auto* h = e.as<ev::HandStarted>()) {
        if (!h->newGame && (m_gameOver || !m_scored))
            return m_gameOver ? "a hand was dealt after the game ended" : "a hand was dealt before the last was scored";
        if (h->newGame)
            m_points = {}, m_dealer = NoSeat;
        else
            m_dealer = seatLeftOf(m_dealer);  // the dealer moves one seat to the left each hand
        m_scored = m_gameOver = false;
        m_dealt = m_bids = 0;
        m_held = {};
        m_declarer = NoSeat;
        return {};
    }
    if (const auto* c = e.as<ev::DealerChosen>()) {
        m_dealer = c->dealer;
        return c->firstBidder == seatLeftOf(m_dealer) ? "" : "the first bidder is not the dealer's left";
    }
    if (const auto* b = e.as<ev::BiddingOpened>())
        return b->first == seatLeftOf(m_dealer) ? "" : "the bidding does not open at the dealer's left";
    if (const auto* b = e.as<ev::BidPassed>())
        return bidTurn(b->seat);
    if (const auto* b = e.as<ev::BidMade>()) {
        m_declarer = b->seat, m_level = b->level, m_trumps = b->trumps, m_high = b->high;
        return bidTurn(b->seat);
    }
    if (const auto* s = e.as<ev::ContractSettled>()) {
        if (s->winner != m_declarer || s->level != m_level || s->trumps != m_trumps || s->high != m_high)
            return "the contract is not the last bid made";
        m_books = {};
        return {};
    }
    if (const auto* b = e.as<ev::BookCredited>()) {
        ++m_books[teamOfSeat(b->seat)];
        return b->seat == m_declarer ? "" : "the kitty's book went to a seat that did not win the bid";
    }
    if (const auto* k = e.as<ev::KittyTaken>()) {
        if (k->kitty != m_held[KittyPlace])
            return "the kitty taken is not the kitty dealt";
        m_held[k->seat] |= m_held[KittyPlace];
        m_held[KittyPlace] = {};
        return {};
    }
    if (const auto* d = e.as<ev::DiscardsConfirmed>())
        return discard(South, d->discards);
    if (const auto* d = e.as<ev::KittyDiscarded>()) {
        m_held[d->seat] |= m_held[KittyPlace];  // a robot takes the kitty unannounced
        m_held[KittyPlace] = {};
        return discard(d->seat, d->discards);
    }
    if (const auto* j = e.as<ev::JokerSwapped>()) {
        if (m_trumps != NoTrumps || !m_held[j->seat].has(j->joker) || !m_held[KittyPlace].has(j->card))
            return "a joker swap the rules do not give";
        m_held[j->seat] = (m_held[j->seat] - CardSet::of(j->joker)) | CardSet::of(j->card);
        m_held[KittyPlace] = (m_held[KittyPlace] - CardSet::of(j->card)) | CardSet::of(j->joker);
        return {};
    }
    if (e.is<ev::KittyCleared>()) {
        m_held[KittyPlace] = {};
        m_leader = m_declarer;
        m_tricks = m_played = 0;
        return {};
    }
    if (const auto* s = e.as<ev::HandScored>())
        return score(*s, after);
    if (const auto* f = e.as<ev::RobotFault>())
        return seatText(f->seat) + (f->what ? std::string(" ") + f->what : " found no card");
    return {};
}

// One turn a seat from the dealer's left; when all four pass, the dealer
// bids again and must.
std::string Referee::bidTurn(Seat s)
{
    ++m_bids;
    const Seat want = m_bids <= 4 ? seatLeftOf(m_dealer, m_bids) : m_dealer;
    if (m_bids > 5 || s != want)
        return "bid " + std::to_string(m_bids) + " of the hand came from " + seatText(s) + ", not " + seatText(want);
    return {};
}

// Twelve cards round the table from the dealer's left, then six to the kitty.
std::string Referee::deal(const ev::CardDealt& d)
{
    const Place want = m_dealt < 48 ? seatLeftOf(m_dealer, m_dealt + 1) : KittyPlace;
    ++m_dealt;
    if (d.to != want)
        return "card " + std::to_string(m_dealt) + " of the deal went to place " + std::to_string(d.to) + ", not " +
               std::to_string(want) + " (the dealer is " + seatText(m_dealer) + ")";
    m_held[d.to].add(d.card);
    return {};
}

// Exactly six of the cards held go, and in No Trumps every joker with them.
std::string Referee::discard(Seat s, CardSet discards)
{
    if (s != m_declarer || discards.count() != 6 || !(discards - m_held[s]).empty())
        return seatText(s) + " discarded other than six of its cards";
    m_held[s] -= discards;
    m_held[KittyPlace] = discards;
    if (m_trumps == NoTrumps && (m_held[s].has(LittleJoker) || m_held[s].has(BigJoker)))
        return seatText(s) + " kept a joker in No Trumps";
    for (Seat o = South; o <= East; ++o)
        if (m_held[o].count() != 12)
            return seatText(o) + " holds other than twelve cards once the kitty is discarded";
    return {};
}

// The leader, then each seat to its left, plays a card it holds, following
// the led suit when it can.
std::string Referee::play(const ev::CardPlayed& p)
{
    const Seat turn = seatLeftOf(m_leader, m_played);
    if (p.seat != turn || p.position != m_played + 1)
        return seatText(p.seat) + " played out of turn";
    if (!m_held[p.seat].has(p.card))
        return seatText(p.seat) + " played a card it does not hold";
    if (m_played > 0 && suitOf(p.card) != suitOf(m_trick[0]))
        for (Card c : m_held[p.seat])
            if (suitOf(c) == suitOf(m_trick[0]))
                return seatText(p.seat) + " did not follow suit";
    m_held[p.seat].remove(p.card);
    m_trick[static_cast<std::size_t>(m_played++)] = p.card;
    return {};
}

// A joker led in No Trumps is worth nothing and nothing follows it: the
// leader keeps the trick.
std::string Referee::gather(const ev::TrickGathered& g)
{
    if (m_played != 4 || g.number != ++m_tricks)
        return "trick " + std::to_string(g.number) + " gathered out of turn";
    int best = 0;
    for (int p = 1; p < 4; ++p)
        if (worth(m_trick[p], suitOf(m_trick[0])) > worth(m_trick[best], suitOf(m_trick[0])))
            best = p;
    const Seat winner = seatLeftOf(m_leader, best);
    if (g.winner != winner)
        return "trick " + std::to_string(g.number) + " went to " + seatText(g.winner) + ", not " +
               seatText(winner);
    ++m_books[teamOfSeat(winner)];
    m_leader = winner;
    m_played = 0;
    return {};
}

// The bidders score each book over six when they take their level and six,
// else lose their level; No Trumps doubles a made contract and trebles a
// failed one. The game ends when a side reaches +7 or falls to -7.
std::string Referee::score(const ev::HandScored& s, const TableState& after)
{
    const Team team = teamOfSeat(m_declarer);
    if (m_tricks != 12 || m_books[1] + m_books[2] != 13)
        return "a hand was scored after " + std::to_string(m_tricks) + " tricks";
    const int books = m_books[team];
    const bool noTrumps = m_trumps == NoTrumps;
    const int points = books >= m_level + 6 ? (books - 6) * (noTrumps ? 2 : 1) : -m_level * (noTrumps ? 3 : 1);
    m_points[team] += points;
    m_scored = true;
    if (s.team != team || s.points != points)
        return "team " + std::to_string(s.team) + " scored " + std::to_string(s.points) + " points; the rules give team " +
               std::to_string(team) + " " + std::to_string(points) + " (level " + std::to_string(m_level) + ", " +
               std::to_string(books) + " books)";
    if (after.gamePoints[1] != m_points[1] || after.gamePoints[2] != m_points[2] || after.teamBooks[1] != m_books[1])
        return "the table's books or game points are not the hands' sum";
    m_gameOver = m_points[team] >= 7 || m_points[team] <= -7;
    const Team winner = !m_gameOver ? 0 : m_points[team] >= 7 ? team : 3 - team;
    if (s.gameOver != m_gameOver || s.winner != winner)
        return "the game " + std::string(m_gameOver ? "ended" : "went on") + " at " + std::to_string(m_points[team]) +
               " points, but the engine says " + (s.gameOver ? "it ended" : "it goes on");
    return {};
}

}  // namespace corvane::sim
