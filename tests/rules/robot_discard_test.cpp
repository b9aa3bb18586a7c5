#include <gtest/gtest.h>

#include <set>
#include <string>

#include "rules/bidding/robot_discard.h"
#include "support/table_builder.h"

namespace corvane {
namespace {

using testing::cards;
using testing::tableWith;

// Seat s has taken the kitty into its hand for a contract in `trumps`.
TableState contract(Seat s, std::string_view hand, Suit trumps, bool high)
{
    TableState t = tableWith({{s, hand}});
    t.trumps = trumps;
    showTrumps(t, trumps);
    t.bidWinner = s;
    t.bidHigh[s] = high;
    t.bidLow[s] = !high;
    return t;
}

struct DiscardRow {
    const char* what;
    Seat seat;
    std::string_view hand;
    Suit trumps;
    bool high;
    std::string_view discards;
    const Rule* rule;
};

class RobotDiscards : public ::testing::TestWithParam<DiscardRow> {};

TEST_P(RobotDiscards, ThrowsTheCardsOfTheRule)
{
    const DiscardRow& row = GetParam();
    const TableState t = contract(row.seat, row.hand, row.trumps, row.high);
    const DiscardDecision d = robotDiscards(t, row.seat);
    EXPECT_EQ(d.discards, cards(row.discards)) << row.what;
    EXPECT_EQ(d.why, (Reason{Reason::Source::Discard, row.rule})) << row.what;
}

INSTANTIATE_TEST_SUITE_P(
    Rules, RobotDiscards,
    ::testing::Values(
        DiscardRow{"uptown: the first six non-trump Two-to-Nine in id order", West,
                   "2D 5D 9D TD 2C 3C 4C AC 3H 8H TH KH 4S 7S JS QS LJ BJ", Clubs, true, "2D 5D 9D 3H 8H 4S",
                   discardRule("up-small-cards")},
        DiscardRow{"uptown: two small cards, then the lowest ids", North,
                   "2D TD JD QD KD AD 9C TC JC QC 2H 3H 4H 5H 6H 7H LJ BJ", Hearts, true, "2D TD JD QD KD 9C",
                   discardRule("up-any-cards")},
        DiscardRow{"downtown: the first six non-trump Seven-to-King in id order", West,
                   "2D 3D 4D 5D AD 2C 7C 8C KC 3H 9H TH 4S JS QS AS LJ BJ", Diamonds, false, "7C 8C KC 9H TH JS",
                   discardRule("down-small-cards")},
        DiscardRow{"downtown: four small cards, then from the King of Spades down", East,
                   "7D AD KC AC 9H JH AH 2S 3S 8S 9S TS JS QS KS AS LJ BJ", Spades, false, "7D KC 9H JH QS KS",
                   discardRule("down-high-ids")},
        DiscardRow{"downtown, short hand: then the Ace of Spades and jokers from the lowest", East,
                   "AD 2S 3S 4S AS LJ BJ", Spades, false, "AD 2S 3S 4S AS LJ", discardRule("down-any-cards")}),
    [](const auto& info) { return "Row" + std::to_string(info.index); });

}  // namespace
}  // namespace corvane
