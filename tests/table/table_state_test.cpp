#include <gtest/gtest.h>

#include "table/table_state.h"

using namespace corvane;

namespace {

TEST(TableState, CheckFindsCardsOutOfPlace)
{
    TableState t;
    resetTable(t);
    EXPECT_EQ(checkTable(t), "");
    t.at[South].add(5);  // now in two places
    EXPECT_NE(checkTable(t), "");
    t.at[OutOfPlay].remove(5);
    EXPECT_EQ(checkTable(t), "");
    t.at[South].remove(5);  // now nowhere
    EXPECT_NE(checkTable(t), "");
    t.move(5, KittyPlace);
    t.seatTricks[North] = 1;  // a book no team has
    EXPECT_NE(checkTable(t), "");
}

TEST(TableState, JokersTakeTheTrumpNumber)
{
    TableState t;
    resetTable(t);
    t.move(LittleJoker, West);
    t.move(20, West);
    showTrumps(t, Clubs);
    EXPECT_EQ(t.suitOf(LittleJoker), Clubs);
    EXPECT_EQ(t.holdingOfSuit(West, Clubs).count(), 2);
    showTrumps(t, 0);
    showTrumps(t, NotChosen);
    EXPECT_EQ(t.jokerSuit, Clubs);
}

}  // namespace
