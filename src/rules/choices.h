#pragma once

#include "rules/bidding/robot_bid.h"
#include "table/table_state.h"

namespace corvane {

// The checks every seat's choice passes, the person's and the robots' alike,
// so that a robot rule that chose what the rules refuse is caught, not
// played.

// May seat s play card c to position 1..4 of the trick in progress?
enum class PlayCheck { Legal, NotHeld, MustFollowSuit };
PlayCheck checkPlay(const TableState& t, Seat s, Card c, int position);

// The bid ladder: a suit bid must beat every other seat's level, a No Trumps
// bid may equal it.
bool bidBeatsOthers(const TableState& t, Seat s, int level, Suit trumps);

// What is wrong with a bid or pass of seat s, or nullptr when it stands: a
// level of 3 to 7 in a suit or No Trumps, on the ladder, and no pass from a
// dealer who must bid.
const char* bidFault(const TableState& t, Seat s, const BidDecision& d);

// What is wrong with the six cards thrown away from `hand`, the kitty taken
// into it, or nullptr when they stand: six of its cards, and in No Trumps
// every joker it holds among them.
const char* discardFault(CardSet hand, Suit trumps, CardSet discards);

}  // namespace corvane
