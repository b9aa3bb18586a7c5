#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <string>
#include <vector>

#include "expert/double_dummy.h"
#include "rules/play/play.h"
#include "support/table_builder.h"

using namespace corvane;
using namespace corvane::expert;

namespace {

// The engine's table for a position: hands, contract and trick in progress.
// A trick no card wins (a joker led in No Trumps) stays with the last
// trick's winner, who is its leader.
TableState tableOf(const Position& p)
{
    TableState t;
    t.gameStarted = true;
    t.trumps = p.trumps;
    t.contractHigh = p.high;
    showTrumps(t, p.trumps);
    for (Seat s = South; s <= East; ++s)
        t.at[static_cast<std::size_t>(s)] = p.hands[static_cast<std::size_t>(s)];
    t.leader = p.leader;
    t.trickWinner = p.leader;
    for (int i = 0; i < p.onTrick; ++i) {
        const auto at = static_cast<std::size_t>(i + 1);
        t.trick.card[at] = p.trick[at - 1];
        t.trick.suit[at] = t.suitOf(p.trick[at - 1]);
        t.trick.seat[at] = seatAfter(p.leader, i);
    }
    return t;
}

std::vector<Card> legalOn(const TableState& t, Seat s, int position)
{
    std::vector<Card> out;
    for (Card c : t.hand(s))
        if (isLegalPlay(t, s, c, position))
            out.push_back(c);
    return out;
}

int minimax(const TableState& t, int position, Seat me);

// The tricks the team of `me` takes from here when the seat to play at
// `position` plays c, the trick in progress counted.
int afterPlaying(TableState t, int position, Card c, Seat me)
{
    const Seat s = seatAfter(t.leader, position - 1);
    const auto at = static_cast<std::size_t>(position);
    t.trick.card[at] = c;
    t.trick.suit[at] = t.suitOf(c);
    t.trick.seat[at] = s;
    t.move(c, s, OutOfPlay);
    if (position < 4)
        return minimax(t, position + 1, me);
    const Seat w = decideWinner(t);
    t.trickWinner = t.leader = w;
    t.trick = {};
    return (teamOf(w) == teamOf(me) ? 1 : 0) + minimax(t, 1, me);
}

// Plain minimax over the engine's own rules, every line played out.
int minimax(const TableState& t, int position, Seat me)
{
    const Seat s = seatAfter(t.leader, position - 1);
    const bool ours = teamOf(s) == teamOf(me);
    int best = -1;
    for (Card c : legalOn(t, s, position)) {
        const int v = afterPlaying(t, position, c, me);
        best = best < 0 ? v : ours ? std::max(best, v) : std::min(best, v);
    }
    return std::max(best, 0);
}

// A random position: `tricks` cards a seat from all 54, any contract, any
// leader, and 0..3 legal cards already on the trick.
Position randomPosition(std::mt19937_64& rng, int tricks, bool inProgress = true)
{
    Position p;
    std::vector<Card> deck;
    for (Card c = 1; c <= CardCount; ++c)
        deck.push_back(c);
    std::shuffle(deck.begin(), deck.end(), rng);
    const auto pick = [&rng](int n) { return static_cast<int>(rng() % static_cast<std::uint64_t>(n)); };
    p.trumps = pick(5) + 1;
    p.high = pick(2) == 0;
    p.leader = pick(4) + 1;
    for (int i = 0; i < 4 * tricks; ++i)
        p.hands[static_cast<std::size_t>(i % 4 + 1)].add(deck[static_cast<std::size_t>(i)]);
    const int onTrick = inProgress ? pick(4) : 0;
    for (int i = 0; i < onTrick; ++i) {
        const TableState t = tableOf(p);
        const Seat s = seatAfter(p.leader, i);
        const std::vector<Card> legal = legalOn(t, s, i + 1);
        const Card c = legal[static_cast<std::size_t>(pick(static_cast<int>(legal.size())))];
        p.hands[static_cast<std::size_t>(s)].remove(c);
        p.trick[static_cast<std::size_t>(i)] = c;
        p.onTrick = i + 1;
    }
    return p;
}

std::string describe(const Position& p)
{
    std::string out = "trumps " + std::to_string(p.trumps) + (p.high ? " up" : " down") + " leader " +
                      std::to_string(p.leader) + " trick";
    for (int i = 0; i < p.onTrick; ++i)
        out += " " + std::to_string(p.trick[static_cast<std::size_t>(i)]);
    for (Seat s = South; s <= East; ++s) {
        out += " |";
        for (Card c : p.hands[static_cast<std::size_t>(s)])
            out += " " + std::to_string(c);
    }
    return out;
}

// Every legal card's value, the best and the plain solve of one position
// against the plain minimax; how many cards were checked.
int expectMinimaxValues(DoubleDummy& dd, const Position& p)
{
    const Solution got = dd.analyse(p);
    EXPECT_TRUE(got.finished) << describe(p);
    const TableState t = tableOf(p);
    const Seat me = p.toPlay();
    const std::vector<Card> legal = legalOn(t, me, p.onTrick + 1);
    EXPECT_EQ(got.cards.size(), legal.size()) << describe(p);
    if (got.cards.size() != legal.size())
        return 0;
    int best = 0;
    for (std::size_t j = 0; j < legal.size(); ++j) {
        const int v = afterPlaying(t, p.onTrick + 1, legal[j], me);
        EXPECT_EQ(got.cards[j].card, legal[j]) << describe(p);
        EXPECT_EQ(got.cards[j].tricks, v) << describe(p) << " card " << legal[j];
        best = std::max(best, v);
    }
    EXPECT_EQ(got.tricks, best) << describe(p);
    EXPECT_EQ(dd.solve(p).tricks, best) << describe(p);
    return static_cast<int>(legal.size());
}

}  // namespace

// Every legal card's value against the plain minimax, on thousands of
// random positions of one to four tricks.
TEST(DoubleDummy, EveryCardAgreesWithPlainMinimax)
{
    std::mt19937_64 rng(20240611);
    DoubleDummy dd(12);
    int cardsChecked = 0;
    for (int i = 0; i < 4000; ++i) {
        const Position p = randomPosition(rng, i % 4 + 1);
        ASSERT_EQ(positionFault(p), nullptr) << describe(p);
        ASSERT_EQ(positionOf(tableOf(p)), p) << describe(p);
        cardsChecked += expectMinimaxValues(dd, p);
    }
    EXPECT_GT(cardsChecked, 7000);
}

// One solver taken through the same cards under every contract in turn
// answers as the plain minimax and as a fresh solver do: each search starts
// afresh, so nothing one contract's search proved may answer for another's,
// though their positions look alike to the table. (This sequence found a
// table entry standing for positions it did not prove.)
TEST(DoubleDummy, TheSameCardsUnderEveryContractAgreeWithPlainMinimax)
{
    std::mt19937_64 rng(31337);
    DoubleDummy dd(12);
    for (int i = 0; i < 150; ++i) {
        Position p = randomPosition(rng, 3 + i % 2, false);
        for (Suit trumps = Diamonds; trumps <= NoTrumps; ++trumps)
            for (const bool high : {true, false}) {
                p.trumps = trumps;
                p.high = high;
                expectMinimaxValues(dd, p);
                DoubleDummy fresh(12);
                EXPECT_EQ(dd.solve(p).tricks, fresh.solve(p).tricks) << describe(p);
            }
    }
}

namespace {

struct Worked {
    const char* what;
    Suit trumps;
    bool high;
    Seat leader;
    const char* trick;                 // cards on it, in playing order
    std::array<const char*, 4> hands;  // South, West, North, East
    std::vector<std::pair<const char*, int>> values;  // each legal card, in id order
};

Position positionFrom(const Worked& w)
{
    Position p;
    p.trumps = w.trumps;
    p.high = w.high;
    p.leader = w.leader;
    for (Seat s = South; s <= East; ++s)
        p.hands[static_cast<std::size_t>(s)] = corvane::testing::cards(w.hands[static_cast<std::size_t>(s - 1)]);
    const std::string_view trick = w.trick;
    for (std::size_t i = 0; i < trick.size(); i += 3)
        p.trick[static_cast<std::size_t>(p.onTrick++)] = corvane::testing::cards(trick.substr(i, 2)).lowest();
    return p;
}

}  // namespace

// Small endings worked out by hand; the values are South's side's tricks.
TEST(DoubleDummy, HandWorkedEndings)
{
    const std::vector<Worked> cases = {
        // Hearts trumps uptown. West led the Ace of Spades, North had to follow
        // with the Two although he holds the Little Joker (a trump, not a
        // spade), East the King. South, void: ruffing with the Ace of Hearts
        // wins this trick, and North's Little Joker then beats East's trump on
        // the Diamond lead: 2. Throwing the Five of Diamonds lets West keep the
        // lead; North's joker still wins the last trick: 1.
        {"a joker is a trump, South void", Hearts, true, West, "AS 2S KS", {"5D AH", "9C", "LJ", "3H"},
         {{"5D", 1}, {"AH", 2}}},
        // Clubs trumps, nobody holds one. Downtown the Two of Diamonds stands
        // above the Three and the Queen above the King: whichever South leads,
        // West keeps the Three for the Queen and South takes 1.
        {"downtown", Clubs, false, South, "", {"2D QD", "3D KD", "5S 6S", "7H 8H"}, {{"2D", 1}, {"QD", 1}}},
        // No Trumps high. The jokers are a suit of their own that no card of
        // wins: West must follow South's Little Joker with the Big one, and the
        // trick stays with South, who leads: 1 (West's Ace then takes the
        // Spade). The Two led loses to the Ace, and West's joker lead keeps the
        // last trick for West: 0.
        {"jokers in No Trumps", NoTrumps, true, South, "", {"2S LJ", "AS BJ", "4D 5D", "6C 7C"},
         {{"2S", 0}, {"LJ", 1}}},
    };
    DoubleDummy dd(12);
    for (const Worked& w : cases) {
        const Position p = positionFrom(w);
        ASSERT_EQ(positionFault(p), nullptr) << w.what;
        const Solution s = dd.analyse(p);
        ASSERT_EQ(s.cards.size(), w.values.size()) << w.what;
        int best = 0;
        for (std::size_t i = 0; i < w.values.size(); ++i) {
            EXPECT_EQ(s.cards[i].card, corvane::testing::cards(w.values[i].first).lowest()) << w.what;
            EXPECT_EQ(s.cards[i].tricks, w.values[i].second) << w.what << " " << w.values[i].first;
            best = std::max(best, w.values[i].second);
        }
        EXPECT_EQ(s.tricks, best) << w.what;
    }
}

// Deeper positions, past what the minimax can play out: each card's value is
// what a fresh solve of the position after it gives, seen from the side that
// played it.
TEST(DoubleDummy, CardValuesAgreeWithTheSolvesAfterThem)
{
    std::mt19937_64 rng(7);
    DoubleDummy dd(18);
    for (int i = 0; i < 400; ++i) {
        const Position p = randomPosition(rng, 5 + i % 4);
        const Solution all = dd.analyse(p);
        ASSERT_TRUE(all.finished);
        const Seat me = p.toPlay();
        for (const CardValue& v : all.cards) {
            Position after = p;
            after.hands[static_cast<std::size_t>(me)].remove(v.card);
            int taken = 0;
            if (p.onTrick < 3) {
                after.trick[static_cast<std::size_t>(p.onTrick)] = v.card;
                after.onTrick = p.onTrick + 1;
            } else {
                TableState t = tableOf(p);
                t.trick.card[4] = v.card;
                t.trick.suit[4] = t.suitOf(v.card);
                t.trick.seat[4] = me;
                after.leader = decideWinner(t);
                after.onTrick = 0;
                taken = teamOf(after.leader) == teamOf(me) ? 1 : 0;
            }
            const Solution next = dd.solve(after);
            const int left = after.tricksLeft();
            const int ours = teamOf(after.toPlay()) == teamOf(me) ? next.tricks : left - next.tricks;
            EXPECT_EQ(v.tricks, taken + ours) << describe(p) << " card " << v.card;
        }
    }
}

// A whole hand with a small budget stops, says so and brackets the value; the
// same hand searched twice, by a new solver and by one that has worked
// before, takes the same nodes to the same values.
TEST(DoubleDummy, BudgetStopsTheSearchAndRepeatsAreAlike)
{
    std::mt19937_64 rng(99);
    const Position p = randomPosition(rng, 9, false);
    DoubleDummy dd;
    const Solution full = dd.solve(p);
    ASSERT_TRUE(full.finished);
    const Solution cut = dd.solve(p, full.nodes / 4);
    EXPECT_FALSE(cut.finished);
    EXPECT_LE(cut.nodes, full.nodes / 4 + 1);
    EXPECT_LE(cut.lower, full.tricks);
    EXPECT_GE(cut.upper, full.tricks);
    const Solution again = dd.solve(p);
    DoubleDummy fresh;
    const Solution anew = fresh.solve(p);
    EXPECT_EQ(again.nodes, full.nodes);
    EXPECT_EQ(anew.nodes, full.nodes);
    EXPECT_EQ(anew.tricks, full.tricks);
    const Solution cards = dd.analyse(p);
    EXPECT_EQ(cards.tricks, full.tricks);
    EXPECT_EQ(fresh.analyse(p).cards, cards.cards);
}
