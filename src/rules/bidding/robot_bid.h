#pragma once

#include "table/event.h"
#include "table/table_state.h"

namespace corvane {

// A robot's turn in the bidding: a bid (level 3..6, direction, a suit 1..4)
// or a pass, with the rule that decided. A pure function of the table.
struct BidDecision {
    bool bid = false;
    int level = 0;
    bool high = false;
    Suit trumps = NoSuit;
    Reason why;
};

// The rules of robotBid, the `rule` of its Reason (source Bid). The eight
// candidate rules run in the order the candidates are weighed.
enum class BidRule : int {
    PartnerBidFour = 1,  // pass: the partner already bid 4 or more
    DiamondsDown,        // bid: this candidate beats every other suit
    DiamondsUp,
    ClubsDown,
    ClubsUp,
    HeartsDown,
    HeartsUp,
    SpadesDown,
    SpadesUp,
    NoCandidate,  // pass: no suit beats all the others
    TooWeak,      // pass: the leading suit reaches no level
    Outbid,       // pass: its level does not beat a bid already made
    ForcedUp,     // forced dealer bid, longest suit uptown
    ForcedDown,   // forced dealer bid, longest suit downtown
};
const char* bidRuleName(int rule);

// Hand strengths of seat s for suit t: every held card's value once, the
// cards of suit t a second time, and each joker lying in the kitty once.
int highStrength(const TableState& t, Seat s, Suit suit);
int lowStrength(const TableState& t, Seat s, Suit suit);

// The level a strength reaches (3..6), or 0 for no bid.
int levelForStrength(int strength);

int countHighCards(const TableState& t, Seat s);
int countLowCards(const TableState& t, Seat s);
Suit longestSuit(const TableState& t, Seat s);

// The bid rule for robot seat s; when t.forcedBid is set (everybody passed
// and s deals) it never passes.
BidDecision robotBid(const TableState& t, Seat s);

}  // namespace corvane
