// The kitty on the table: the person's exchange with its raised picks, a
// robot's discards shown beside it, the No Trumps swaps, the kitty leaving.
#include <gtest/gtest.h>

#include "fixtures.h"

namespace corvane {
namespace {

using testing::event;
using testing::tableNames;

class Kitty : public ::testing::Test {
protected:
    void run(EventData data) { playInstantly(scene, choreographer.stepsFor(event(data), table, tableNames())); }
    Spot at(Card c) const { return {scene.card(c).left, scene.card(c).top}; }

    // Deals South 12 cards and the kitty 6 as the deal does.
    void deal(CardSet south, CardSet kitty)
    {
        resetTable(table);
        run(ev::PackGathered{});
        for (Card c : south) {
            table.move(c, South);
            run(ev::CardDealt{South, c});
        }
        for (Card c : kitty) {
            table.move(c, KittyPlace);
            run(ev::CardDealt{KittyPlace, c});
        }
    }
    void settle(Suit trumps)
    {
        table.trumps = trumps;
        showTrumps(table, trumps);
        table.bidHigh[South] = true;
        run(ev::ContractSettled{South, trumps, true, 4});
        const CardSet taken = table.kitty();
        for (Card c : taken)
            table.move(c, South);
        run(ev::KittyTaken{South, taken});
    }
    void pick(Card c)
    {
        table.move(c, KittyPlace);
        table.selected.add(c);
        run(ev::DiscardPicked{c});
    }

    Choreographer choreographer;
    Scene scene;
    TableState table;
};

TEST_F(Kitty, NoTrumpsJokersArePickedRaisedAndStayUpAfterStartingAgain)
{
    deal(CardSet::range(1, 11) | CardSet::of(LittleJoker), CardSet::range(40, 44) | CardSet::of(BigJoker));
    settle(NoTrumps);
    // Eighteen cards in id order, the jokers last.
    EXPECT_EQ(at(BigJoker), (Spot{1800 + 17 * 400, 7560}));
    EXPECT_EQ(at(LittleJoker), (Spot{1800 + 16 * 400, 7560}));

    for (Card j : {BigJoker, LittleJoker}) {
        table.move(j, KittyPlace);
        table.selected.add(j);
    }
    run(ev::DiscardsOpened{Jokers});
    EXPECT_TRUE(scene.shown(Control::StartAgain));
    EXPECT_TRUE(scene.shown(Control::DiscardCarryOn));
    EXPECT_EQ(at(BigJoker), (Spot{8600, 7360}));
    EXPECT_EQ(at(LittleJoker), (Spot{8200, 7360}));
    // Raised and brought to the front, Big Joker first.
    const std::vector<Card> order = scene.paintOrder();
    ASSERT_EQ(order.size(), 54U);
    EXPECT_EQ((std::vector<Card>(order.end() - 2, order.end())), (std::vector<Card>{BigJoker, LittleJoker}));

    pick(3);
    EXPECT_EQ(at(3), (Spot{2600, 7360}));
    EXPECT_NE(scene.paintOrder().back(), 3) << "a picked card is raised, not brought forward";

    table.move(3, South);
    table.selected.remove(3);
    run(ev::DiscardsReturned{CardSet::of(3)});
    EXPECT_EQ(at(3), (Spot{2600, 7560}));
    EXPECT_EQ(at(BigJoker).top, 7360);
    EXPECT_EQ(at(LittleJoker).top, 7360);
}

TEST_F(Kitty, TheKittyJoinsTheArrangedHandAndConfirmingHidesTheButtons)
{
    deal(CardSet::range(14, 25), CardSet::range(1, 6));
    settle(Clubs);
    // The kitty joins the hand arranged by suit: Diamonds first.
    EXPECT_EQ(at(1), (Spot{1800, 7560}));
    EXPECT_EQ(at(25), (Spot{1800 + 17 * 400, 7560}));
    EXPECT_TRUE(scene.card(1).faceUp);

    run(ev::DiscardsOpened{});
    for (Card c : {2, 4, 14, 15, 16, 17})
        pick(c);
    // Where they lie then: the whole hands' test.
    run(ev::DiscardsConfirmed{table.kitty()});
    EXPECT_FALSE(scene.shown(Control::StartAgain));
    EXPECT_FALSE(scene.shown(Control::DiscardCarryOn));
}

TEST_F(Kitty, StartingAgainInATrumpContractLowersEveryPick)
{
    deal(CardSet::range(27, 38), CardSet::range(47, 52));
    settle(Hearts);
    pick(27);
    pick(50);
    for (Card c : {27, 50})
        table.move(c, South);
    run(ev::DiscardsReturned{CardSet::of(27) | CardSet::of(50)});
    EXPECT_EQ(at(27).top, 7560);
    EXPECT_EQ(at(50).top, 7560);
}

TEST_F(Kitty, ARobotsDiscardsAreShownFaceUpBesideItAndItsHandClosesUp)
{
    resetTable(table);
    run(ev::PackGathered{});
    for (Card c : CardSet::range(1, 12))
        table.move(c, East);
    for (Card c : CardSet::range(13, 18))
        table.move(c, KittyPlace);
    run(ev::KittyDiscarded{East, table.kitty(), {}});
    int i = 0;
    for (Card c : CardSet::range(13, 18)) {
        EXPECT_EQ(at(c), (Spot{8760, 2640 + 300 * i++}));
        EXPECT_TRUE(scene.card(c).faceUp);
    }
    EXPECT_EQ(at(12), (Spot{10200, 2280 + 11 * 300}));
    EXPECT_FALSE(scene.card(12).faceUp);
}

TEST_F(Kitty, AJokerSwapReLaysTheHandAndTurnsTheKittyDownInTheMiddle)
{
    resetTable(table);
    for (Card c : CardSet::range(1, 11))
        table.move(c, North);
    for (Card c : CardSet::range(20, 25))
        table.move(c, KittyPlace);
    table.move(BigJoker, North);
    run(ev::PackGathered{});
    run(ev::KittyDiscarded{South, table.kitty(), {}});
    table.move(20, North);
    table.move(BigJoker, KittyPlace);
    run(ev::JokerSwapped{North, BigJoker, 20});
    EXPECT_EQ(at(20), (Spot{3000 + 300 * 11, 120}));
    EXPECT_FALSE(scene.card(20).faceUp);
    int i = 0;
    for (Card c : table.kitty()) {
        EXPECT_EQ(at(c), (Spot{4000 + 500 * i++, 3960}));
        EXPECT_FALSE(scene.card(c).faceUp);
    }

    const CardSet kitty = table.kitty();
    run(ev::KittyCleared{kitty});
    for (Card c : kitty)
        EXPECT_FALSE(scene.card(c).visible);
}

}  // namespace
}  // namespace corvane
