#include <gtest/gtest.h>

#include "ending.h"
#include "expert/knowledge.h"

using namespace corvane;
using namespace corvane::expert;
using namespace corvane::testing;

namespace {

const Ending ending;

Knowledge after(const HandScript& h, Seat viewer) { return knowledgeFrom(h.events, viewer); }

// What a seat is shown of the kitty and the discards is held against the
// truth at every card of the watched games (sampled_games_test.cpp); here,
// what those games cannot check: voids known, swaps seen.

TEST(Knowledge, NotFollowingShowsAVoidAndATrumpVoidTakesTheJokers)
{
    const HandScript h = ending.script(West, 9);
    const Knowledge k = after(h, South);
    EXPECT_TRUE(k.showedVoid(North, Spades));
    EXPECT_TRUE(k.showedVoid(East, Diamonds));
    EXPECT_TRUE(k.showedVoid(West, Clubs));
    EXPECT_FALSE(k.showedVoid(North, Hearts));
    EXPECT_FALSE(k.showedVoid(East, Spades));
    EXPECT_TRUE(k.excluded(North).has(LittleJoker));
    EXPECT_TRUE(k.excluded(North).has(BigJoker));
    EXPECT_TRUE(k.excluded(North).has(aceOf(Spades)));
    EXPECT_FALSE(k.excluded(East).has(LittleJoker));
    EXPECT_TRUE(k.excluded(East).has(aceOf(Diamonds)));
    EXPECT_FALSE(k.excluded(West).has(aceOf(Diamonds)));
    EXPECT_EQ(misfit(k, ending.truth(9)), "");
}

TEST(Knowledge, InNoTrumpsAPlainVoidLeavesTheJokersOpen)
{
    // North shows no Spades in No Trumps: the jokers follow no plain suit.
    HandScript h;
    h.deal(ending.playHands, South, ending.discards);
    h.exchange(South, NoTrumps, true, ending.discards);
    h.swap(East, LittleJoker, 2);
    h.swap(West, BigJoker, 3);
    h.clearKitty(setOf({4, 28, 29, 30, 53, 54}));
    h.trick(South, ending.tricks[2], South);
    const Knowledge k = after(h, East);
    EXPECT_TRUE(k.showedVoid(North, Spades));
    EXPECT_TRUE(k.excluded(North).has(aceOf(Spades)));
    // North's jokers are ruled out by the swaps, not by the void: the kitty
    // or South may hold them, and South threw its own away.
    EXPECT_TRUE(k.excluded(North).has(BigJoker));
    EXPECT_TRUE(k.excluded(South).has(BigJoker));
    EXPECT_FALSE(k.excluded(KittyPlace).has(BigJoker));
}

// West wins No Trumps and lays six cards face up; East swaps the Big Joker
// and North the Little Joker as play begins.
struct NoTrumpSwaps {
    std::array<CardSet, 5> hands{};
    CardSet discards = setOf({2, 3, 4, 28, 29, 30});
    HandScript h;
    NoTrumpSwaps()
    {
        hands = ending.playHands;
        // East holds the Big Joker instead of a Heart, West the Heart.
        hands[West] = hands[West] - setOf({54}) | setOf({37});
        hands[East] = hands[East] - setOf({37}) | setOf({54});
        // North holds the Little Joker instead of a Club, East that Club.
        hands[East] = hands[East] - setOf({53}) | setOf({17});
        hands[North] = hands[North] - setOf({17}) | setOf({53});
        h.deal(hands, West, discards);
        h.exchange(West, NoTrumps, true, discards);
        h.swap(East, BigJoker, 2);
        h.swap(North, LittleJoker, 3);
        h.clearKitty(setOf({4, 28, 29, 30, 53, 54}));
    }
};

TEST(Knowledge, JokerSwapShowsTheCardTakenNotTheJokerGiven)
{
    const NoTrumpSwaps s;
    const Knowledge south = after(s.h, South);
    EXPECT_TRUE(south.known(East).has(2));
    EXPECT_TRUE(south.known(North).has(3));
    EXPECT_EQ(south.known(KittyPlace), setOf({4, 28, 29, 30}));
    EXPECT_EQ(south.unknownCount(KittyPlace), 2);
    // What is not known there is a joker.
    EXPECT_TRUE(south.excluded(KittyPlace).has(aceOf(Hearts)));
    EXPECT_FALSE(south.excluded(KittyPlace).has(BigJoker));
    for (Seat robot : {West, North, East})
        EXPECT_TRUE(south.excluded(robot).has(BigJoker) && south.excluded(robot).has(LittleJoker));

    const Knowledge east = after(s.h, East);
    EXPECT_TRUE(east.hand().has(2));
    EXPECT_FALSE(east.hand().has(BigJoker));
    EXPECT_TRUE(east.known(KittyPlace).has(BigJoker));
    EXPECT_FALSE(east.known(KittyPlace).has(LittleJoker));
    EXPECT_TRUE(east.known(North).has(3));

    Whereabouts truth{};
    for (Seat seat = South; seat <= East; ++seat)
        truth[ix(seat)] = s.hands[ix(seat)];
    truth[East] = truth[East] - setOf({54}) | setOf({2});
    truth[North] = truth[North] - setOf({53}) | setOf({3});
    truth[KittyPlace] = setOf({4, 28, 29, 30, 53, 54});
    for (Seat v = South; v <= East; ++v)
        EXPECT_EQ(misfit(after(s.h, v), truth), "") << "viewer " << v;
}

TEST(Knowledge, JokerSwapFromThePersonsKittyIsNotSeenByOtherRobots)
{
    // South wins No Trumps without jokers; East swaps one for a card of the
    // kitty that only South saw.
    std::array<CardSet, 5> hands = ending.playHands;
    HandScript h;
    h.deal(hands, South, ending.discards);
    h.exchange(South, NoTrumps, true, ending.discards);
    h.swap(East, LittleJoker, 2);
    const Knowledge west = after(h, West);
    EXPECT_TRUE(west.known(East).empty());
    EXPECT_TRUE(west.known(KittyPlace).empty());
    const Knowledge east = after(h, East);
    EXPECT_TRUE(east.hand().has(2));
    EXPECT_EQ(east.known(KittyPlace), setOf({LittleJoker}));
    const Knowledge south = after(h, South);
    EXPECT_TRUE(south.known(East).has(2));
}

}  // namespace
