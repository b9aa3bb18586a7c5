#include <gtest/gtest.h>

#include <string>

#include "rules/bidding/joker_exchange.h"
#include "support/table_builder.h"

namespace corvane {
namespace {

using testing::cards;
using testing::tableWith;
using Swaps = std::vector<std::pair<Card, Card>>;

// The bid winner's six discards; the lowest-id suit cards are 3D, then 9C.
constexpr std::string_view Discards = "9C 3D 4H 5H 6S 7S";
const Card ThreeD = cardOf(Diamonds, 2);
const Card NineC = cardOf(Clubs, 8);

struct SwapRow {
    Place big;
    Place little;
    Swaps swaps;
};

TableState noTrumps(const SwapRow& row)
{
    TableState t = tableWith({{KittyPlace, Discards}});
    t.trumps = NoTrumps;
    t.move(BigJoker, row.big);
    t.move(LittleJoker, row.little);
    return t;
}

TEST(NoTrumpJokerSwaps, EastThenNorthThenWestBigJokerFirst)
{
    const SwapRow rows[] = {
        {North, East, {{LittleJoker, ThreeD}, {BigJoker, NineC}}},
        {East, East, {{BigJoker, ThreeD}, {LittleJoker, NineC}}},
        {West, North, {{LittleJoker, ThreeD}, {BigJoker, NineC}}},
        {West, West, {{BigJoker, ThreeD}, {LittleJoker, NineC}}},
        {East, West, {{BigJoker, ThreeD}, {LittleJoker, NineC}}},
        {KittyPlace, East, {{LittleJoker, ThreeD}}},  // the kitty's joker is never taken
        {South, OutOfPlay, {}},                       // the person's jokers were discarded
    };
    for (const SwapRow& row : rows) {
        TableState t = noTrumps(row);
        const int kittySize = t.kitty().count();
        const Swaps swaps = noTrumpJokerSwaps(t);
        EXPECT_EQ(swaps, row.swaps) << "big at " << row.big << ", little at " << row.little;

        for (const auto& [joker, card] : swaps) {
            const Seat holder = t.placeOf(joker);
            applyJokerSwap(t, holder, joker, card);
            EXPECT_EQ(t.placeOf(card), holder);
        }
        EXPECT_TRUE(noTrumpJokerSwaps(t).empty());
        EXPECT_EQ(t.kitty().count(), kittySize);
        EXPECT_EQ(checkTable(t), "");
        for (Seat s : {West, North, East})
            EXPECT_FALSE(t.hand(s).has(BigJoker) || t.hand(s).has(LittleJoker)) << s;
    }
}

TEST(NoTrumpJokerSwaps, NoneInATrumpContract)
{
    for (Suit trumps = Diamonds; trumps <= Spades; ++trumps) {
        TableState t = noTrumps({East, North, {}});
        t.trumps = trumps;
        EXPECT_TRUE(noTrumpJokerSwaps(t).empty()) << trumps;
    }
}

}  // namespace
}  // namespace corvane
