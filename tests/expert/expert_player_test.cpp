// The Expert's card play in whole games against the robots' rules.
#include <gtest/gtest.h>

#include "expert/expert_player.h"
#include "sim/duel.h"

using namespace corvane;
using namespace corvane::sim;

namespace {

DuelReport smallDuel(int jobs)
{
    DuelOptions o;
    const expert::ExpertBudget budget{3, 200'000, 2, 30'000, 2, 30'000};
    o.levels = {Level{"expert", [budget] { return std::make_unique<expert::ExpertPlayer>(budget); }},
                levelNamed("classic")};
    o.games = 2;
    o.seed = 4;
    o.jobs = jobs;
    return duel(o);
}

}  // namespace

// Every card it chooses passes the rules' checks, and its choices follow
// from the deal and the play alone: the same games on one thread or two.
TEST(ExpertPlayer, PlaysWholeGamesByTheRulesAndTheSameEveryTime)
{
    const DuelReport one = smallDuel(1);
    EXPECT_EQ(one.fault, "");
    EXPECT_GT(one.hands, 4);
    EXPECT_GE(one.decisions[0], 24 * one.hands);  // its two seats' cards each hand
    // Not the robots' play under another name.
    EXPECT_NE(one.pointsPerHand.mean, 0);
    const DuelReport two = smallDuel(2);
    EXPECT_EQ(two.hands, one.hands);
    EXPECT_EQ(two.pointsPerHand.mean, one.pointsPerHand.mean);
    EXPECT_EQ(two.made, one.made);
    EXPECT_EQ(two.set, one.set);
}
