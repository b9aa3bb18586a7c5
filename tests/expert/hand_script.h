#pragma once

#include <array>
#include <string>
#include <vector>

#include "expert/knowledge.h"
#include "expert/sampler.h"
#include "table/event.h"

namespace corvane::testing {

// Where every card lies: the four hands by seat 1..4 and the kitty at
// KittyPlace (index 0 unused).
using Whereabouts = std::array<CardSet, 6>;

inline std::size_t ix(int i) { return static_cast<std::size_t>(i); }

inline CardSet setOf(std::initializer_list<Card> cards)
{
    CardSet s;
    for (Card c : cards)
        s.add(c);
    return s;
}

// What is wrong with `w` as a deal for what k knows, or empty: every place
// holds as many cards as k counts, the cards k knows there, none that k
// rules out, and with the cards played every card lies in exactly one place.
inline std::string misfit(const expert::Knowledge& k, const Whereabouts& w)
{
    CardSet all = k.playedByAll();
    int total = all.count();
    for (Place p = South; p <= KittyPlace; ++p) {
        const CardSet here = w[ix(p)];
        const std::string name = "place " + std::to_string(p);
        if (here.count() != k.count(p))
            return name + " holds " + std::to_string(here.count()) + " cards, not " + std::to_string(k.count(p));
        if (!(k.known(p) - here).empty())
            return name + " lacks a card known to be there";
        if (!(k.excluded(p) & here).empty())
            return name + " holds card " + std::to_string((k.excluded(p) & here).lowest()) + " it cannot hold";
        if (!(all & here).empty())
            return name + " holds a card that lies elsewhere";
        all |= here;
        total += here.count();
    }
    if (all != AllCards || total != CardCount)
        return "the places and the cards played are not the 54 cards";
    return {};
}

inline Whereabouts whereaboutsOf(const expert::SampledDeal& d)
{
    Whereabouts w{};
    for (Seat s = South; s <= East; ++s)
        w[ix(s)] = d.position.hands[ix(s)];
    w[KittyPlace] = d.kitty;
    return w;
}

// A hand told as events, built by a test: who is dealt what, the contract,
// the kitty and the tricks.
struct HandScript {
    std::vector<Event> events;

    void add(EventData d) { events.emplace_back(d); }

    // The winner's twelve cards at the start of play and its six discards;
    // the kitty it took is the first six of its twelve.
    void deal(const std::array<CardSet, 5>& playHands, Seat winner, CardSet discards)
    {
        add(ev::HandStarted{false});
        add(ev::PackGathered{});
        CardSet kitty;
        for (Card c : playHands[ix(winner)]) {
            if (kitty.count() == 6)
                break;
            kitty.add(c);
        }
        takenKitty = kitty;
        for (Seat s = South; s <= East; ++s) {
            CardSet dealt = playHands[ix(s)];
            if (s == winner)
                dealt = (dealt - kitty) | discards;
            for (Card c : dealt)
                add(ev::CardDealt{s, c});
        }
        for (Card c : kitty)
            add(ev::CardDealt{KittyPlace, c});
    }

    // The contract and the exchange, up to the kitty leaving play.
    void exchange(Seat winner, Suit trumps, bool high, CardSet discards)
    {
        add(ev::BiddingOpened{South});
        add(ev::ContractSettled{winner, trumps, high, 4});
        add(ev::BookCredited{winner});
        if (winner == South) {
            add(ev::KittyTaken{South, takenKitty});
            add(ev::DiscardsOpened{trumps == NoTrumps ? takenKitty & Jokers : CardSet()});
            add(ev::DiscardsConfirmed{discards});
        } else {
            add(ev::KittyDiscarded{winner, discards, {}});
        }
        add(ev::ContractAnnounced{winner});
        add(ev::PlayStarting{});
    }

    void swap(Seat s, Card joker, Card card) { add(ev::JokerSwapped{s, joker, card, {}}); }
    void clearKitty(CardSet kitty) { add(ev::KittyCleared{kitty}); }

    // One card of the trick in progress.
    void play(Seat s, Card c, int position) { add(ev::CardPlayed{s, c, position, {}}); }

    // A whole trick led by `leader`, cards in playing order.
    void trick(Seat leader, std::array<Card, 4> cards, Seat winner)
    {
        std::array<Card, 5> byPos{};
        std::array<Seat, 5> seats{};
        for (int i = 0; i < 4; ++i) {
            const Seat s = seatAfter(leader, i);
            play(s, cards[ix(i)], i + 1);
            byPos[ix(i + 1)] = cards[ix(i)];
            seats[ix(i + 1)] = s;
        }
        add(ev::TrickGathered{++tricks, winner, byPos, seats});
    }

    CardSet takenKitty;
    int tricks = 0;
};

}  // namespace corvane::testing
