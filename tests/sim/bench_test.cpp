#include <gtest/gtest.h>

#include "sim/bench.h"

using namespace corvane;
using namespace corvane::sim;

namespace {

// The timings come on top of the run the report counts: its counts and the
// events an observer (a record) sees are those of the run alone. What the
// timings say is the benchmark's to report, not a test's to judge.
TEST(Bench, CountsAndObservesTheWholeRunOnly)
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
}

}  // namespace
