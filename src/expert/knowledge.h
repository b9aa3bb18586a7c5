#pragma once

#include <array>
#include <vector>

#include "table/card_set.h"
#include "table/event.h"
#include "table/place.h"
#include "table/seat.h"

namespace corvane::expert {

// What one seat knows of the hand in play, built only from what the table
// has shown it: its own cards, the kitty if it took it, every card played
// and by whom, the suits a seat showed it lacks by not following, the
// discards a robot bid winner lays face up, and the No Trumps joker swaps.
// The person's discards lie face up in the person's own corner only, so the
// robots never see them.
//
// It learns from the engine's events, in order, from the start of the hand:
// observe() each one. An event's cards are looked at only where the viewer
// sees them (a card dealt face down to another seat is only counted).
//
// Places are the seats 1..4 and the kitty (KittyPlace). The kitty keeps its
// six cards after it leaves play: an unseen card may lie there.
//
// Beyond what was shown it draws only the rules' certain consequences (a
// seat that did not follow has none of the suit; in No Trumps no robot
// keeps a joker once play begins, nor the person after discarding). It
// does not read the robots' choices for what they say of their hands, nor
// which card of an unseen kitty a swap must have taken: either would only
// narrow the deals further, and leaving them out never rules out the true
// deal.
class Knowledge {
public:
    explicit Knowledge(Seat viewer);

    void observe(const Event& e);

    Seat viewer() const { return m_viewer; }

    // The contract, once settled (trumps NotChosen before).
    bool settled() const { return m_settled; }
    Suit trumps() const { return m_trumps; }
    bool high() const { return m_high; }
    Seat bidWinner() const { return m_bidWinner; }
    // The suit a card follows: the jokers go with the trumps, and in No
    // Trumps make a suit of their own that nobody else holds.
    Suit suitOf(Card c) const { return isJoker(c) ? m_jokerSuit : printedSuit(c); }
    // The cards that follow suit t.
    CardSet cardsOfSuit(Suit t) const;

    // The viewer's own cards.
    CardSet hand() const { return m_known[static_cast<std::size_t>(m_viewer)]; }
    // How many cards a place holds now.
    int count(Place p) const { return m_count[static_cast<std::size_t>(p)]; }
    // The cards known to lie there now (a seat's own: all of them).
    CardSet known(Place p) const { return m_known[static_cast<std::size_t>(p)]; }
    // The cards known not to lie there: seen elsewhere, played, of a suit
    // the seat showed it lacks, or ruled out by how the rules move cards.
    CardSet excluded(Place p) const;
    // How many of a place's cards the viewer cannot name.
    int unknownCount(Place p) const { return count(p) - known(p).count(); }
    // The cards whose place the viewer does not know: each lies in one of
    // the places with unknown cards, kitty included.
    CardSet unseen() const;

    // The cards seat s played this hand, the trick in progress included.
    CardSet played(Seat s) const { return m_played[static_cast<std::size_t>(s)]; }
    CardSet playedByAll() const;
    // Whether seat s showed it holds no card of suit t (1..5).
    bool showedVoid(Seat s, Suit t) const;

    // The trick in progress: who led it (or leads the next one) and the
    // cards on it, in playing order.
    Seat leader() const { return m_leader; }
    int onTrick() const { return m_onTrick; }
    Card trickCard(int i) const { return m_trick[static_cast<std::size_t>(i)]; }

private:
    void reset();
    void play(Seat s, Card c, int position);
    void swapJoker(Seat s, Card joker, Card card);
    // The kitty is seen whole by its taker and, when a robot took it, by all.
    bool seesDiscards() const { return m_viewer == m_bidWinner || m_bidWinner != South; }

    Seat m_viewer;
    std::array<int, PlaceCount> m_count{};
    std::array<CardSet, PlaceCount> m_known{};
    // Cards a place cannot hold by the rules, whatever was seen.
    std::array<CardSet, PlaceCount> m_ruledOut{};
    std::array<CardSet, 5> m_played{};
    std::array<std::array<bool, 6>, 5> m_void{};
    // The kitty as dealt, face down: the viewer sees it only if it takes it.
    CardSet m_faceDownKitty;
    // Every card of the kitty that the viewer cannot name is a joker a
    // robot swapped in face down.
    bool m_kittyUnknownAreJokers = false;

    bool m_settled = false;
    Suit m_trumps = NotChosen;
    bool m_high = false;
    Suit m_jokerSuit = NoTrumps;
    Seat m_bidWinner = NoSeat;

    Seat m_leader = NoSeat;
    std::array<Card, 4> m_trick{};
    int m_onTrick = 0;
};

// The knowledge of `viewer` after these events, in order.
Knowledge knowledgeFrom(const std::vector<Event>& events, Seat viewer);

}  // namespace corvane::expert
