#include <gtest/gtest.h>

#include "sim/simulation.h"

using namespace corvane;
using namespace corvane::sim;

namespace {

// Whole seeded games with every invariant checked after every action: each
// card in exactly one place, hand sizes, robots' cards legal, 13 books a
// hand, game points the sum of the hands' points, every game ends.
TEST(WholeGames, InvariantsHoldInTrumpsAndNoTrumps)
{
    for (bool southNoTrumps : {false, true}) {
        Options o;
        o.games = 5000;
        o.seed = southNoTrumps ? 2 : 1;
        o.southNoTrumps = southNoTrumps;
        o.check = true;
        const Tally t = simulate(o);
        EXPECT_EQ(t.firstFault, "") << "south-nt " << southNoTrumps;
        EXPECT_EQ(t.games, 5000);
        EXPECT_EQ(t.gamesWon[1] + t.gamesWon[2], t.games);
        long handsByKind = 0;
        for (int k = 0; k < KindCount; ++k)
            handsByKind += t.made[k] + t.set[k];
        EXPECT_EQ(handsByKind, t.hands);
        if (southNoTrumps) {
            EXPECT_GT(t.made[UpNoTrumps] + t.set[UpNoTrumps], 0);
            EXPECT_GT(t.made[DownNoTrumps] + t.set[DownNoTrumps], 0);
        } else {
            EXPECT_GT(t.made[UpTrumps] + t.set[UpTrumps], 0);
            EXPECT_GT(t.made[DownTrumps] + t.set[DownTrumps], 0);
            EXPECT_EQ(t.made[UpNoTrumps] + t.set[UpNoTrumps], 0);
        }
    }
}

TEST(WholeGames, SameSeedSameGames)
{
    std::vector<std::string> a, b;
    Options o;
    o.games = 20;
    o.seed = 9;
    simulate(o, [&](const Event& e, const TableState&, const Game&) { a.push_back(describe(e)); });
    simulate(o, [&](const Event& e, const TableState&, const Game&) { b.push_back(describe(e)); });
    EXPECT_EQ(a, b);
    EXPECT_GT(a.size(), 1000U);
}

}  // namespace
