#pragma once

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "table/card_set.h"
#include "table/names.h"
#include "table/seat.h"

namespace corvane::record {

// One hand as its game record tells it, for looking back at: the hands and
// kitty as dealt, the bids in order, the contract, the discards, the twelve
// tricks and the points, each robot action with the reason it was recorded
// with (empty for South's own actions in a person's game).
struct HandReview {
    struct Bid {
        Seat seat = 0;
        bool pass = false;
        int level = 0;
        bool high = false;
        Suit trumps = 0;
        bool forced = false;
        std::string why;
    };
    struct JokerSwap {
        Seat seat = 0;
        Card joker = NoCard;
        Card card = NoCard;
    };
    struct Trick {
        int number = 0;
        Seat leader = 0;
        std::array<Card, 5> bySeat{};  // index 1..4
        std::array<std::string, 5> why;
        Seat winner = 0;
    };

    Names names;
    int hand = 0;
    Seat dealer = 0;
    std::array<CardSet, 5> dealt{};  // index 1..4
    CardSet kitty;
    std::vector<Bid> bids;
    Seat declarer = 0;
    int level = 0;
    bool high = false;
    Suit trumps = 0;
    CardSet discards;
    std::string discardWhy;
    std::vector<JokerSwap> swaps;
    std::vector<Trick> tricks;
    std::array<int, 3> books{};       // by team
    std::array<int, 3> points{};      // this hand's, by team
    std::array<int, 3> gamePoints{};  // the running totals, by team
    std::string message;              // the end-of-hand message's text
};

// Reads a hand from the lines of a record: its game's "game" line, then the
// hand's lines from its deal to its "hand_end". Nothing, with `error` set,
// when a line is not a record line of that shape.
std::optional<HandReview> reviewHand(const std::vector<std::string>& lines, std::string& error);

}  // namespace corvane::record
