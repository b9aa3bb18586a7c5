#pragma once

#include <vector>

#include "expert/expert_player.h"

namespace corvane::expert {

// One contract the Expert weighed for a bid: the points a hand it scores on
// average for the bidder's side, and the books that side takes (the
// discards' book counted). `sure` is the points less their standard error
// over the deals: what it bids on, so a contract the few deals disagree on
// counts for less.
struct ContractWeighing {
    int level = 0;
    bool high = true;
    Suit trumps = NoSuit;
    double points = 0;
    double books = 0;
    double sure = 0;
};
struct BidChoice {
    BidDecision decision;
    int deals = 0;       // deals weighed
    int unfinished = 0;  // solves that ran out of nodes, their tricks judged by the bounds proved
    std::vector<ContractWeighing> contracts;  // every contract it may bid, best first
};

// The Expert's bid for seat s, who knows `k`: its own twelve cards and the
// bids shown. Deals of the other hands and the kitty are drawn from what it
// has seen; in each, for each trump suit up and down and No Trumps high and
// low, the seat takes the kitty, throws six away by ruleDiscards() and
// leads, and the solver gives the books, one held back for safety (the
// books a weighing gives are after it). A contract's worth is its sure
// points for the side. Passing is worth nothing, or the level of the
// partner's bid when that stands (a contract the side already has, made);
// it bids the best contract it may bid when that is worth more, else passes
// (as the dealer who must bid, it bids the best anyway). The robots' rule
// decides when no deal can be drawn.
BidChoice weighBids(const Game& g, Seat s, const Knowledge& k, const ExpertBudget& budget, DoubleDummy& solver);
// The same at table `t`: the bids on it, and t.forcedBid for the dealer who
// must bid.
BidChoice weighBids(const TableState& t, Seat s, const Knowledge& k, const ExpertBudget& budget,
                    DoubleDummy& solver);

// One set of six the Expert weighed: its average points for the side and
// the books the side takes.
struct DiscardWeighing {
    CardSet discards;
    double points = 0;
    double books = 0;
};
struct DiscardChoice {
    DiscardDecision decision;
    int deals = 0;
    int unfinished = 0;
    std::vector<DiscardWeighing> candidates;  // the robots' rule's six first
};

// The six seat s throws away, holding the kitty: a few sets of six (the
// robots' rule's, the smallest cards outside trumps, a short suit thrown
// whole), each played out with the seat on lead over the same deals of the
// cards it cannot see, and the best average points; ties go to the earlier
// set, the rule's first.
DiscardChoice weighDiscards(const Game& g, Seat s, const Knowledge& k, const ExpertBudget& budget,
                            DoubleDummy& solver);

// The sets weighDiscards() weighs for `held` (18 cards), the robots' rule's
// first; in No Trumps each holds every joker of `held`.
std::vector<CardSet> discardCandidates(CardSet held, Seat s, Suit trumps, bool high);

// The robots' rule's six from `held`; in No Trumps the jokers first, as
// they must go, and the rule's picks for the rest.
DiscardDecision ruleDiscards(CardSet held, Seat s, Suit trumps, bool high);

}  // namespace corvane::expert
