#include <gtest/gtest.h>

#include "table/card.h"
#include "table/card_set.h"
#include "table/seat.h"
#include "table/table_state.h"

using namespace corvane;

namespace {

TEST(Card, NamesKeepTheirBlanks)
{
    EXPECT_EQ(cardName(1), "Two of  Diamonds");
    EXPECT_EQ(cardName(25), "King  of  Clubs");
    EXPECT_EQ(cardName(52), "Ace  of  Spades");
    EXPECT_EQ(cardName(30), "Five of  Hearts");
    EXPECT_EQ(cardName(LittleJoker), "Little Joker");
    EXPECT_EQ(cardName(BigJoker), "Big Joker");
}

TEST(CardSet, ScansRunInIdOrder)
{
    CardSet s;
    s.add(52);  // Two of Spades is 40; Ace of Spades is 52
    s.add(13);
    s.add(BigJoker);
    EXPECT_EQ(s.lowest(), 13);
    EXPECT_EQ(s.highest(), BigJoker);
    std::vector<Card> order(s.begin(), s.end());
    EXPECT_EQ(order, (std::vector<Card>{13, 52, 54}));
    EXPECT_EQ(suitCards(Hearts).lowest(), 27);
    EXPECT_EQ(suitCards(Hearts).highest(), 39);
    EXPECT_EQ(AllCards.count(), 54);
    EXPECT_FALSE(AllCards.has(0));
    EXPECT_TRUE(CardSet().empty());
    EXPECT_EQ(CardSet().lowest(), NoCard);
}

TEST(TableState, ResetKeepsGamePointsOnlyDuringAGame)
{
    TableState t;
    t.gamePoints = {0, 4, -2};
    t.dealer = East;
    t.gameStarted = true;
    resetTable(t);
    EXPECT_EQ(t.gamePoints[1], 4);
    EXPECT_EQ(t.dealer, East);
    EXPECT_EQ(t.jokerSuit, NoTrumps);
    EXPECT_EQ(t.trumps, NotChosen);
    EXPECT_EQ(t.at[OutOfPlay], AllCards);
    t.gameStarted = false;
    resetTable(t);
    EXPECT_EQ(t.gamePoints[1], 0);
    EXPECT_EQ(t.dealer, NoSeat);
}

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
