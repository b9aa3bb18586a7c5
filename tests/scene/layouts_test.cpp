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

}  // namespace
}  // namespace corvane
