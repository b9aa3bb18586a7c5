// One number for thousands of whole games: any change to a deal, a robot's
// choice, a trick's winner, a score or a log line changes it.
#include <gtest/gtest.h>

#include <cstdint>

#include "sim/simulation.h"

using namespace corvane;
using namespace corvane::sim;

namespace {

std::uint64_t signature(bool southNoTrumps)
{
    std::uint64_t h = 14695981039346656037ULL;  // FNV-1a 64
    Options o;
    o.games = 2000;
    o.seed = 5;
    o.southNoTrumps = southNoTrumps;
    simulate(o, [&h](const Event& e, const TableState&, const Game&) {
        for (unsigned char c : describe(e) + '\n')
            h = (h ^ c) * 1099511628211ULL;
    });
    return h;
}

}  // namespace

TEST(WholeGames, EventSignature)
{
    EXPECT_EQ(signature(false), 0xec4ab01ad208e3fbULL);
    EXPECT_EQ(signature(true), 0x8184e357996cb957ULL);
}
