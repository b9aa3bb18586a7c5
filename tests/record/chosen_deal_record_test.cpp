#include <gtest/gtest.h>

#include "record_support.h"
#include "sim/simulation.h"

using namespace corvane;
using namespace corvane::record;
using namespace corvane::testing;
namespace field = corvane::record::field;

namespace {

// The record of a game the simulator began from a chosen deal.
std::vector<std::string> recordedFromDeal(std::uint64_t deal, std::uint64_t seed)
{
    std::vector<std::string> lines;
    RecordWriter w({seed, SouthPlayer::Robot, false, 1}, [&](std::string_view line) { lines.emplace_back(line); });
    sim::Options o;
    o.seed = seed;
    o.deal = deal;
    const sim::Tally t = sim::simulate(o, [&](const Event& e, const TableState&, const Game& g) { w.observe(e, g); });
    EXPECT_EQ(t.games, 1);
    return lines;
}

const std::uint64_t ChosenDeal = dealNumber(corvane::Deal{2718281828U, East});

}  // namespace

TEST(ChosenDealRecord, AnotherDealOrNoneDiffers)
{
    std::vector<std::string> lines = recordedFromDeal(ChosenDeal, 3);
    const std::string named = ",\"deal\":" + std::to_string(ChosenDeal);
    const std::size_t at = lines[0].find(named);
    ASSERT_NE(at, std::string::npos) << lines[0];

    // The number itself draws the dealer and deals the first hand in the replay.
    std::vector<std::string> other = lines;
    other[0].replace(at, named.size(), ",\"deal\":" + std::to_string(ChosenDeal + 1));
    const ReplayResult changed = replayLines(other);
    EXPECT_EQ(changed.status, 1);
    EXPECT_EQ(changed.message.rfind("line 2: the replay differs from the record", 0), 0U) << changed.message;

    // Without the deal the game is a counted one, and its end differs.
    std::vector<std::string> none = lines;
    none[0].erase(at, named.size());
    const ReplayResult r = replayLines(none);
    EXPECT_EQ(r.status, 1) << r.message;
}
