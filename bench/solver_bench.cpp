// The double-dummy solver on whole hands: twelve tricks to go, right after
// the kitty, for each kind of contract.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <ctime>
#include <random>
#include <vector>

#include "expert/double_dummy.h"

using namespace corvane;
using namespace corvane::expert;

namespace {

// 48 of the 54 cards dealt twelve a seat, the same deals for every kind.
std::vector<Position> deals(Suit trumps, bool high, int n)
{
    std::mt19937_64 rng(77);
    std::vector<Position> out;
    for (int i = 0; i < n; ++i) {
        std::vector<Card> deck;
        for (Card c = 1; c <= CardCount; ++c)
            deck.push_back(c);
        std::shuffle(deck.begin(), deck.end(), rng);
        Position p;
        p.trumps = trumps;
        p.high = high;
        p.leader = static_cast<Seat>(i % 4 + 1);
        for (int k = 0; k < 48; ++k)
            p.hands[static_cast<std::size_t>(k % 4 + 1)].add(deck[static_cast<std::size_t>(k)]);
        out.push_back(p);
    }
    return out;
}

// Each timing solves the same deals; the counters give the median and the
// 95th percentile of one solve over them, by the clock on the wall and by
// the processor time this program used (the machine may be shared), and the
// nodes a second.
void solveWholeHands(benchmark::State& state, Suit trumps, bool high, bool everyCard)
{
    const std::vector<Position> ps = deals(trumps, high, static_cast<int>(state.range(0)));
    DoubleDummy dd;
    std::vector<double> wall;
    std::vector<double> cpu;
    double nodes = 0;
    double seconds = 0;
    for (auto _ : state) {
        wall.clear();
        cpu.clear();
        for (const Position& p : ps) {
            const auto start = std::chrono::steady_clock::now();
            const std::clock_t startCpu = std::clock();
            const Solution s = everyCard ? dd.analyse(p) : dd.solve(p);
            const std::clock_t endCpu = std::clock();
            const std::chrono::duration<double> took = std::chrono::steady_clock::now() - start;
            benchmark::DoNotOptimize(s.tricks);
            wall.push_back(took.count() * 1e3);
            cpu.push_back(static_cast<double>(endCpu - startCpu) * 1e3 / CLOCKS_PER_SEC);
            nodes += static_cast<double>(s.nodes);
            seconds += static_cast<double>(endCpu - startCpu) / CLOCKS_PER_SEC;
        }
    }
    const auto at = [](std::vector<double>& v, double q) {
        std::sort(v.begin(), v.end());
        return v[static_cast<std::size_t>(q * static_cast<double>(v.size() - 1))];
    };
    state.counters["median_ms"] = at(wall, 0.5);
    state.counters["p95_ms"] = at(wall, 0.95);
    state.counters["median_cpu_ms"] = at(cpu, 0.5);
    state.counters["p95_cpu_ms"] = at(cpu, 0.95);
    state.counters["nodes/s"] = nodes / seconds;
}

BENCHMARK_CAPTURE(solveWholeHands, uptownTrumps, Spades, true, false)->Arg(200)->Iterations(1)->Unit(benchmark::kSecond);
BENCHMARK_CAPTURE(solveWholeHands, downtownTrumps, Hearts, false, false)->Arg(200)->Iterations(1)->Unit(benchmark::kSecond);
BENCHMARK_CAPTURE(solveWholeHands, highNoTrumps, NoTrumps, true, false)->Arg(200)->Iterations(1)->Unit(benchmark::kSecond);
BENCHMARK_CAPTURE(solveWholeHands, lowNoTrumps, NoTrumps, false, false)->Arg(200)->Iterations(1)->Unit(benchmark::kSecond);
// Every card of the opening lead valued, on fewer deals.
BENCHMARK_CAPTURE(solveWholeHands, uptownTrumpsEveryCard, Spades, true, true)->Arg(40)->Iterations(1)->Unit(benchmark::kSecond);

}  // namespace
