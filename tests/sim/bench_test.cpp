#include <gtest/gtest.h>

#include "sim/bench.h"

using namespace corvane;
using namespace corvane::sim;

namespace {

// The timings come on top of the run the report counts: its counts and the
// events an observer (a record) sees are those of the run alone.
TEST(Bench, CountsAndObservesTheWholeRunOnlyAndTimesEveryPart)
{
    Options o;
    o.games = 300;
    o.seed = 4;
    const Tally alone = simulate(o);

    long seen = 0;
    Tally t;
    const Bench b = bench(o, t, [&seen](const Event&, const TableState&, const Game&) { ++seen; }, 3);
    EXPECT_EQ(t.games, alone.games);
    EXPECT_EQ(t.hands, alone.hands);
    EXPECT_EQ(t.made, alone.made);
    EXPECT_EQ(t.set, alone.set);
    EXPECT_EQ(seen, alone.actions);

    EXPECT_EQ(b.timings, 3);
    EXPECT_GT(b.seconds, 0);
    EXPECT_GT(b.nsPerCardDecision, 0);
    EXPECT_GT(b.nsPerBidDecision, 0);
    EXPECT_GT(b.nsPerDiscardDecision, 0);
    // The decisions are part of a hand's work.
    EXPECT_GT(b.nsEnginePerHand, b.nsDecisionsPerHand);
}

}  // namespace
