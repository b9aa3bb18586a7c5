#pragma once

#include <array>
#include <string>
#include <vector>

#include "table/card_set.h"
#include "table/event.h"
#include "table/names.h"
#include "table/table_state.h"

namespace corvane {

// One hand as it was dealt and played, for looking back at once it is over:
// the hands and kitty as dealt, the bids in order, the contract, the
// discards, the twelve tricks and the points. Each robot action comes with
// its reason in the words of the log, with what only the hand's end may
// tell (a bid's suit, the rule's figures); South's own actions have none.
struct HandReview {
    struct Bid {
        Seat seat = NoSeat;
        bool pass = false;
        int level = 0;
        bool high = false;
        Suit trumps = NoSuit;
        bool forced = false;
        std::string why;
    };
    struct JokerSwap {
        Seat seat = NoSeat;
        Card joker = NoCard;
        Card card = NoCard;
        std::string why;
    };
    struct Trick {
        int number = 0;
        Seat leader = NoSeat;
        std::array<Card, 5> bySeat{};  // index 1..4
        std::array<std::string, 5> why;
        Seat winner = NoSeat;
    };

    Names names;
    int hand = 0;
    Seat dealer = NoSeat;
    std::array<CardSet, 5> dealt{};  // index 1..4
    CardSet kitty;
    std::vector<Bid> bids;
    Seat declarer = NoSeat;
    int level = 0;
    bool high = false;
    Suit trumps = NoSuit;
    CardSet discards;
    std::string discardWhy;
    std::vector<JokerSwap> swaps;
    std::vector<Trick> tricks;
    std::array<int, 3> books{};       // by team
    std::array<int, 3> points{};      // this hand's, by team
    std::array<int, 3> gamePoints{};  // the running totals, by team
    std::string message;              // the end-of-hand message's text
};

// Builds the review of the hand in play from its events, as they come, each
// with the table right after it.
class HandReviewer {
public:
    void observe(const Event& e, const TableState& after, const Names& names);
    // The review so far; whole once the hand is scored.
    const HandReview& review() const { return m_review; }

private:
    HandReview m_review;
    int m_hands = 0;
};

}  // namespace corvane
