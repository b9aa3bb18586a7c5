// The robots' decisions alone and whole hands of the engine, for comparing
// the two: the engine should stay within a small factor of its decisions.
#include <benchmark/benchmark.h>

#include <vector>

#include "rules/bidding/robot_bid.h"
#include "rules/play/play.h"
#include "sim/simulation.h"

using namespace corvane;

namespace {

struct Sample {
    TableState table;
    Seat seat;
    int position;
};

// Tables met by the robots in a few hundred seeded games.
const std::vector<Sample>& samples(bool cards)
{
    static const auto all = [] {
        std::pair<std::vector<Sample>, std::vector<Sample>> s;
        sim::simulate({300, 7, false, false, std::nullopt}, [&](const Event& e, const TableState& before, const Game&) {
            if (auto p = e.as<ev::CardPlayed>(); p && p->seat != South)
                s.first.push_back({before, p->seat, p->position});
            if (auto b = e.as<ev::BidMade>(); b && b->seat != South)
                s.second.push_back({before, b->seat, 0});
            if (auto b = e.as<ev::BidPassed>(); b && b->seat != South)
                s.second.push_back({before, b->seat, 0});
        });
        return s;
    }();
    return cards ? all.first : all.second;
}

void robotCard(benchmark::State& state)
{
    const auto& s = samples(true);
    std::size_t i = 0;
    for (auto _ : state) {
        const Sample& x = s[i++ % s.size()];
        benchmark::DoNotOptimize(chooseCard(x.table, x.seat, x.position));
    }
}
BENCHMARK(robotCard);

void robotBidDecision(benchmark::State& state)
{
    const auto& s = samples(false);
    std::size_t i = 0;
    for (auto _ : state) {
        const Sample& x = s[i++ % s.size()];
        benchmark::DoNotOptimize(robotBid(x.table, x.seat));
    }
}
BENCHMARK(robotBidDecision);

void wholeGames(benchmark::State& state)
{
    std::uint64_t seed = 1;
    long hands = 0;
    for (auto _ : state)
        hands += sim::simulate({1, seed++, false, false, std::nullopt}).hands;
    state.counters["hands/s"] = benchmark::Counter(static_cast<double>(hands), benchmark::Counter::kIsRate);
}
BENCHMARK(wholeGames);

}  // namespace

BENCHMARK_MAIN();
