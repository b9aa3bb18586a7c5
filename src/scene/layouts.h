#pragma once

#include <optional>
#include <vector>

#include "scene/table_geometry.h"
#include "table/card_set.h"
#include "table/place.h"
#include "table/seat.h"

namespace corvane {

// Where a layout puts one card, and which side up.
struct Placement {
    Card card;
    Spot at;
    bool faceUp;
    bool operator==(const Placement&) const = default;
};

// A layout lists its cards in the order they are brought to the front, so
// every later card overlaps the one before.
using Layout = std::vector<Placement>;

// The hands and the kitty in id order, each from its start value by a fixed
// step: South face up along the bottom, West and East face down down the
// sides, North face down along the top, the kitty face down in the middle.
Layout sortSouth(CardSet hand);
Layout sortWest(CardSet hand);
Layout sortNorth(CardSet hand);
Layout sortEast(CardSet hand);
Layout sortKitty(CardSet kitty);
// The layout of a seat's hand (1..4) or of the kitty (5).
Layout sortPlace(Place p, CardSet cards);

// South's hand by suit, Diamonds to Spades, each suit in id order; the
// jokers go with the suit number they carry, so after the trump suit's cards
// in a trump contract, and not at all in No Trumps (they are being thrown
// away). Unlike sortSouth it leaves such cards where they lie.
Layout arrangeSouthHand(CardSet hand, Suit jokerSuit);

// The kitty turned face up beside a seat: a robot's discards, or South's
// kitty and discards.
Layout kittyDisplay(Seat s, CardSet cards);

// Where the dealer draw turns up a seat's card.
Spot drawSpot(Seat s);

// Where the gathered pack puts card c: one stack in the middle, each card
// 2 twips right of and above the one before.
Spot packSpot(Card c);

// A card's way somewhere in one or two jumps, with a pause after the first.
struct Slide {
    Spot first;
    std::optional<Spot> second;
};

// A card dealt from the pack to a seat or to the kitty.
Slide dealSlide(Place to);
// A robot's card played to its place on the trick.
Slide playSlide(Seat s);
// The trick's top card sent to the winner's side.
Slide gatherSlide(Seat winner);

// Where the person's card goes when it is played, and where the four trick
// cards are stacked when gathered.
inline constexpr Spot HumanTrickSpot{5280, 5160};
inline constexpr Spot GatherSpot{5160, 3840};

// South's row: every card lies at this top, and a picked discard 200 higher.
inline constexpr int SouthRowTop = 7560;
inline constexpr int PickRaise = 200;

}  // namespace corvane
