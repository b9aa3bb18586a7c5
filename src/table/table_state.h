#pragma once

#include <array>
#include <cassert>
#include <cstdint>
#include <string>
#include <utility>

#include "table/card.h"
#include "table/card_set.h"
#include "table/place.h"
#include "table/seat.h"

namespace corvane {

// The trick in progress, by position 1..4 (position 1 led).
struct Trick {
    std::array<Card, 5> card{};
    std::array<Suit, 5> suit{};  // suit[1] is the led suit
    std::array<Seat, 5> seat{};
    bool operator==(const Trick&) const = default;
};

// The choices shown in the person's bid panel: which option of each frame is
// chosen (0 / -1 when none) and whether the PASS box is ticked. The panel's
// rules read these, so they are game state, not widget state.
struct BidPanel {
    int level = 0;        // 3..7, 0 = none chosen
    int trumpOption = -1; // 0 Diamonds .. 3 Spades, 4 No Trumps
    int direction = -1;   // 0 uptown, 1 downtown
    bool pass = false;
    bool anyOption() const { return level != 0 || trumpOption >= 0 || direction >= 0; }
    bool operator==(const BidPanel&) const = default;
};

// Everything the rules read and write during a game: a plain value, so a copy
// is a snapshot. Per-seat arrays are indexed by seat 1..4, per-team arrays by
// team 1..2; index 0 stays unused. A card's place is the one entry of `at`
// whose set holds it.
struct TableState {
    std::array<CardSet, PlaceCount> at{};
    CardSet selected;    // the person's picks while discarding
    CardSet cardPlayed;  // gathered in finished tricks of this hand
    Suit jokerSuit = NoSuit;

    Seat dealer = NoSeat;
    Seat leader = NoSeat;
    bool gameStarted = false;
    bool firstDealPending = false;
    bool playPending = false;

    Suit trumps = NotChosen;
    bool contractHigh = false;
    Seat bidWinner = NoSeat;
    std::array<int, 3> gamePoints{};
    std::array<int, 3> teamBooks{};
    std::array<int, 3> teamContract{};
    std::array<int, 5> seatTricks{};

    std::array<int, 5> bidLevel{};
    std::array<bool, 5> bidHigh{};
    std::array<bool, 5> bidLow{};
    std::array<Suit, 5> trumpChoice{};
    std::array<bool, 5> passed{};
    bool bidLevelChosen = false;
    bool highLowChosen = false;
    bool forcedBid = false;
    BidPanel panel;

    Trick trick;
    Seat trickWinner = NoSeat;
    int tricksPlayed = 0;
    bool waitingForHuman = false;
    bool humanHasPlayed = false;
    bool discardMode = false;

    bool operator==(const TableState&) const = default;

    CardSet hand(Seat s) const { return at[s]; }
    CardSet kitty() const { return at[KittyPlace]; }
    Place placeOf(Card c) const;
    void move(Card c, Place to)
    {
        // Clearing the bit everywhere costs less than finding where it is.
        clearEverywhere(~CardSet::of(c).bits, std::make_index_sequence<PlaceCount>());
        at[to].add(c);
    }
    // The same, for a card known to be at `from`.
    void move(Card c, Place from, Place to)
    {
        assert(at[from].has(c));
        at[from].remove(c);
        at[to].add(c);
    }

    // A card's suit in play: the printed suit, or for a joker the number the
    // trump symbol gave it (NoSuit before any symbol has been shown).
    Suit suitOf(Card c) const { return isJoker(c) ? jokerSuit : printedSuit(c); }
    Suit ledSuit() const { return trick.suit[1]; }
    // The cards of seat s whose suit in play is t (the jokers count as trumps).
    CardSet holdingOfSuit(Seat s, Suit t) const;

private:
    template <std::size_t... P>
    void clearEverywhere(std::uint64_t keep, std::index_sequence<P...>)
    {
        ((at[P].bits &= keep), ...);
    }
};

// Shows a trump symbol: both jokers take suit number s (1..5). Other values
// change nothing.
void showTrumps(TableState& t, int s);

// Clears the per-hand state, and between games the per-game state.
void resetTable(TableState& t);

// Checks the invariants that hold after every action: every card in exactly
// one place, hand and kitty sizes consistent with the stage, books counted.
// Returns an empty string when the table is sound, else what is wrong.
std::string checkTable(const TableState& t);

}  // namespace corvane
