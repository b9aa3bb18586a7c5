#pragma once

#include <array>
#include <string_view>

#include "table/event.h"
#include "table/table_state.h"

namespace corvane {

struct DiscardDecision {
    CardSet discards;  // exactly six cards of the seat's hand
    Reason why;
};

// The rules of robotDiscards (source Discard): the last pass the seat needed
// to find its six cards.
inline constexpr auto DiscardRules = std::to_array<Rule>({
    {"up-small-cards", "uptown, small cards outside trumps",
     "because its small cards outside trumps, Two to Nine, were enough"},
    {"up-any-cards", "uptown, then any cards from the lowest",
     "because its small cards outside trumps ran out, so it added its lowest cards"},
    {"down-small-cards", "downtown, small cards outside trumps",
     "because its cards outside trumps from Seven to King were enough"},
    {"down-high-ids", "downtown, then any cards from the King of Spades down",
     "because its cards outside trumps from Seven to King ran out, so it added cards from the King of Spades down"},
    {"down-any-cards", "downtown, then any cards from the lowest",
     "because even the cards below the Ace of Spades ran out, so it added its lowest cards"},
});
consteval const Rule* discardRule(std::string_view id) { return ruleIn(DiscardRules, id); }

// The six cards robot seat s throws away once the kitty is in its hand
// (t.hand(s) holds 18 cards), by the contract's direction (t.bidHigh[s])
// and trump suit (t.trumps). `count` below six gives the rule's first picks
// (South's No Trumps jokers are thrown before the rule chooses the rest).
DiscardDecision robotDiscards(const TableState& t, Seat s, int count = 6);

}  // namespace corvane
