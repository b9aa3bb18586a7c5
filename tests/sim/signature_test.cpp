// One number for thousands of whole games: any change to a deal, a robot's
// choice, a trick's winner, a score or a log line changes it. The same run
// checks every action, the referee's rules included, and the report's counts.
#include <gtest/gtest.h>

#include <cstdint>

#include "sim/simulation.h"

using namespace corvane;
using namespace corvane::sim;

TEST(WholeGames, EventSignatureAndCounts)
{
    for (const auto& [southNoTrumps, want] : {std::pair{false, 0xec4ab01ad208e3fbULL}, {true, 0x8184e357996cb957ULL}}) {
        std::uint64_t h = 14695981039346656037ULL;  // FNV-1a 64
        const Tally t = simulate({2000, 5, southNoTrumps, true}, [&h](const Event& e, const TableState&, const Game&) {
            for (unsigned char c : describe(e) + '\n')
                h = (h ^ c) * 1099511628211ULL;
        });
        EXPECT_EQ(h, want) << "south-nt " << southNoTrumps;
        EXPECT_EQ(t.firstFault, "");
        EXPECT_EQ(t.gamesWon[1] + t.gamesWon[2], t.games);
        long hands = 0;
        for (int k = 0; k < KindCount; ++k)
            hands += t.made[k] + t.set[k];
        EXPECT_EQ(hands, t.hands);
        // Only South names No Trumps, and only when told to.
        EXPECT_EQ(t.made[UpNoTrumps] + t.set[UpNoTrumps] > 0, southNoTrumps);
        EXPECT_EQ(t.made[DownNoTrumps] + t.set[DownNoTrumps] > 0, southNoTrumps);
    }
}
