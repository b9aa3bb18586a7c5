#include <gtest/gtest.h>

#include "fixtures.h"

namespace corvane {
namespace {

CardSet cards(std::initializer_list<Card> ids)
{
    CardSet s;
    for (Card c : ids)
        s.add(c);
    return s;
}

struct RowCase {
    const char* name;
    Place place;
    Spot first;
    int dx;
    int dy;
    bool faceUp;
};

class HandRows : public ::testing::TestWithParam<RowCase> {};

TEST_P(HandRows, LaysOutTwelveCardsFromTheStartByTheStep)
{
    const RowCase& row = GetParam();
    const CardSet hand = cards({2, 5, 17, 20, 28, 33, 39, 41, 44, 50, 53, 54});
    const Layout layout = sortPlace(row.place, hand);
    ASSERT_EQ(layout.size(), 12U);
    int i = 0;
    for (Card c : hand) {
        EXPECT_EQ(layout[i].card, c) << row.name << " is not in id order at " << i;
        EXPECT_EQ(layout[i].at, (Spot{row.first.left + row.dx * i, row.first.top + row.dy * i})) << row.name << i;
        EXPECT_EQ(layout[i].faceUp, row.faceUp) << row.name;
        ++i;
    }
    EXPECT_EQ(layout.back().card, BigJoker) << row.name << ": the Big Joker must come last";
}

INSTANTIATE_TEST_SUITE_P(Layouts, HandRows,
                         ::testing::Values(RowCase{"South", South, {1800, 7560}, 400, 0, true},
                                           RowCase{"West", West, {480, 2280}, 0, 300, false},
                                           RowCase{"North", North, {3000, 120}, 300, 0, false},
                                           RowCase{"East", East, {10200, 2280}, 0, 300, false},
                                           RowCase{"Kitty", KittyPlace, {4000, 3960}, 500, 0, false}),
                         [](const auto& p) { return std::string(p.param.name); });

TEST(SouthRow, EighteenCardsStayInsideTheTable)
{
    const Layout layout = sortSouth(CardSet::range(1, 18));
    EXPECT_LT(layout.back().at.left + CardWidth, TableWidth);
}

std::vector<Card> order(const Layout& layout)
{
    std::vector<Card> out;
    for (const Placement& p : layout)
        out.push_back(p.card);
    return out;
}

struct ArrangeCase {
    const char* name;
    Suit jokerSuit;
    std::vector<Card> expected;
};

class ArrangeSouth : public ::testing::TestWithParam<ArrangeCase> {};

// Two Diamonds, a Club, two Hearts, a Spade and both jokers.
const CardSet MixedHand = cards({54, 1, 13, 53, 14, 27, 39, 40});

TEST_P(ArrangeSouth, GroupsBySuitWithTheJokersInTheirSuit)
{
    const ArrangeCase& c = GetParam();
    const Layout layout = arrangeSouthHand(MixedHand, c.jokerSuit);
    EXPECT_EQ(order(layout), c.expected) << c.name;
    for (std::size_t i = 0; i < layout.size(); ++i) {
        EXPECT_EQ(layout[i].at, (Spot{1800 + 400 * static_cast<int>(i), 7560}));
        EXPECT_TRUE(layout[i].faceUp);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Suits, ArrangeSouth,
    ::testing::Values(ArrangeCase{"Diamonds", Diamonds, {1, 13, 53, 54, 14, 27, 39, 40}},
                      ArrangeCase{"Clubs", Clubs, {1, 13, 14, 53, 54, 27, 39, 40}},
                      ArrangeCase{"Hearts", Hearts, {1, 13, 14, 27, 39, 53, 54, 40}},
                      ArrangeCase{"Spades", Spades, {1, 13, 14, 27, 39, 40, 53, 54}},
                      ArrangeCase{"NoTrumpsLeavesTheJokers", NoTrumps, {1, 13, 14, 27, 39, 40}},
                      ArrangeCase{"NoSymbolYet", NoSuit, {1, 13, 14, 27, 39, 40}}),
    [](const auto& p) { return std::string(p.param.name); });

struct KittyCase {
    Seat seat;
    Spot first;
    int dx;
    int dy;
};

class KittyDisplay : public ::testing::TestWithParam<KittyCase> {};

TEST_P(KittyDisplay, ShowsTheCardsFaceUpBesideTheSeat)
{
    const KittyCase& k = GetParam();
    const Layout layout = kittyDisplay(k.seat, cards({50, 3, 20, 54, 8, 30}));
    EXPECT_EQ(order(layout), (std::vector<Card>{3, 8, 20, 30, 50, 54}));
    for (std::size_t i = 0; i < layout.size(); ++i) {
        const int n = static_cast<int>(i);
        EXPECT_EQ(layout[i].at, (Spot{k.first.left + k.dx * n, k.first.top + k.dy * n})) << k.seat;
        EXPECT_TRUE(layout[i].faceUp);
    }
}

INSTANTIATE_TEST_SUITE_P(Seats, KittyDisplay,
                         ::testing::Values(KittyCase{South, {3480, 5160}, 300, 0},
                                           KittyCase{West, {1920, 2640}, 0, 300},
                                           KittyCase{North, {3480, 1560}, 300, 0},
                                           KittyCase{East, {8760, 2640}, 0, 300}));

TEST(Spots, ARobotsCardEndsWhereTheDealerDrawTurnsItsCardUp)
{
    for (Seat s : {West, North, East})
        EXPECT_EQ(playSlide(s).second, drawSpot(s)) << s;
}

}  // namespace
}  // namespace corvane
