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
// truth at every card of the watched games (sampled_games_test.cpp), and so
// are the cards a swap shows; here, what those games cannot check: the cards
// a seat rules out.

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

// West wins No Trumps and lays six cards face up; East swaps the Big Joker
// and North the Little Joker as play begins. What the kitty holds unseen is
// a joker, no robot holds one any more, and a plain void is seen.
TEST(Knowledge, JokerSwapsLeaveOnlyJokersUnseenInAFaceUpKitty)
{
    std::array<CardSet, 5> hands = ending.playHands;
    // East holds the Big Joker instead of a Heart, West the Heart.
    hands[West] = hands[West] - setOf({54}) | setOf({37});
    hands[East] = hands[East] - setOf({37}) | setOf({54});
    // North holds the Little Joker instead of a Club, East that Club.
    hands[East] = hands[East] - setOf({53}) | setOf({17});
    hands[North] = hands[North] - setOf({17}) | setOf({53});
    HandScript h;
    h.deal(hands, West, ending.discards);
    h.exchange(West, NoTrumps, true, ending.discards);
    h.swap(East, BigJoker, 2);
    h.swap(North, LittleJoker, 3);
    h.clearKitty(setOf({4, 28, 29, 30, 53, 54}));
    h.trick(South, ending.tricks[2], South);  // North shows no Spades
    const Knowledge south = after(h, South);
    EXPECT_TRUE(south.showedVoid(North, Spades));
    EXPECT_TRUE(south.excluded(North).has(aceOf(Spades)));
    EXPECT_EQ(south.unknownCount(KittyPlace), 2);
    EXPECT_TRUE(south.excluded(KittyPlace).has(aceOf(Hearts)));
    EXPECT_FALSE(south.excluded(KittyPlace).has(BigJoker));
    for (Seat robot : {West, North, East})
        EXPECT_TRUE(south.excluded(robot).has(BigJoker) && south.excluded(robot).has(LittleJoker));
}

}  // namespace
