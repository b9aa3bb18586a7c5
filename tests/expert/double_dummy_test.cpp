#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <string>
#include <vector>

#include "expert/double_dummy.h"
#include "play/play.h"
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
Position randomPosition(std::mt19937_64& rng, int tricks)
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
    const int onTrick = pick(4);
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
        const Solution got = dd.analyse(p);
        ASSERT_TRUE(got.finished);
        const TableState t = tableOf(p);
        const Seat me = p.toPlay();
        const std::vector<Card> legal = legalOn(t, me, p.onTrick + 1);
        ASSERT_EQ(got.cards.size(), legal.size()) << describe(p);
        int best = 0;
        for (std::size_t j = 0; j < legal.size(); ++j) {
            const int v = afterPlaying(t, p.onTrick + 1, legal[j], me);
            ASSERT_EQ(got.cards[j].card, legal[j]) << describe(p);
            EXPECT_EQ(got.cards[j].tricks, v) << describe(p) << " card " << legal[j];
            best = std::max(best, v);
            ++cardsChecked;
        }
        EXPECT_EQ(got.tricks, best) << describe(p);
        EXPECT_EQ(dd.solve(p).tricks, best) << describe(p);
    }
    EXPECT_GT(cardsChecked, 7000);
}
