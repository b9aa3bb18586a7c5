#pragma once

#include <array>
#include <string_view>

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

// The rules of robotBid (source Bid). The eight candidate rules run in the
// order the candidates are weighed. A bid's sentence is read while the
// bidding goes on, so it names no suit: the bid shows its level and
// direction only.
inline constexpr auto BidRules = std::to_array<Rule>({
    {"partner-bid-four", "partner already bid 4 or more", "because its partner has already bid 4 or more"},
    {"diamonds-down", "Diamonds downtown stands out",
     "because one suit stands out above the others in its hand, strong enough for that level",
     "{points} points, and {needed} reach that level"},
    {"diamonds-up", "Diamonds uptown stands out",
     "because one suit stands out above the others in its hand, strong enough for that level",
     "{points} points, and {needed} reach that level"},
    {"clubs-down", "Clubs downtown stands out",
     "because one suit stands out above the others in its hand, strong enough for that level",
     "{points} points, and {needed} reach that level"},
    {"clubs-up", "Clubs uptown stands out",
     "because one suit stands out above the others in its hand, strong enough for that level",
     "{points} points, and {needed} reach that level"},
    {"hearts-down", "Hearts downtown stands out",
     "because one suit stands out above the others in its hand, strong enough for that level",
     "{points} points, and {needed} reach that level"},
    {"hearts-up", "Hearts uptown stands out",
     "because one suit stands out above the others in its hand, strong enough for that level",
     "{points} points, and {needed} reach that level"},
    {"spades-down", "Spades downtown stands out",
     "because one suit stands out above the others in its hand, strong enough for that level",
     "{points} points, and {needed} reach that level"},
    {"spades-up", "Spades uptown stands out",
     "because one suit stands out above the others in its hand, strong enough for that level",
     "{points} points, and {needed} reach that level"},
    {"no-suit-stands-out", "no suit stands out", "because no suit in its hand stands out above the others"},
    {"too-weak", "leading suit too weak to bid", "because its best suit is not strong enough to bid 3",
     "its best suit reaches {points} points, and {needed} are needed to bid 3"},
    {"outbid", "leading suit cannot beat the bids made",
     "because its best suit is not strong enough to beat the bid already made",
     "its best suit, at {points} points, does not beat the bid of {needed}"},
    {"forced-up", "forced bid, longest suit uptown",
     "because as dealer it must bid: it names its longest suit, uptown, as it holds at least as many high cards as low"},
    {"forced-down", "forced bid, longest suit downtown",
     "because as dealer it must bid: it names its longest suit, downtown, as it holds more low cards than high"},
});
consteval const Rule* bidRule(std::string_view id) { return ruleIn(BidRules, id); }

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
