// The double-dummy solver on whole hands: twelve tricks to go, right after
// the kitty, for each kind of contract.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
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

// Each timing solves the same 200 deals; the counters give the median and
// the 95th percentile of one solve over them, and the nodes a second.
void solveWholeHands(benchmark::State& state, Suit trumps, bool high, bool everyCard)
{
    const std::vector<Position> ps = deals(trumps, high, 200);
    DoubleDummy dd;
    std::vector<double> ms;
    double nodes = 0;
    double seconds = 0;
    for (auto _ : state) {
        ms.clear();
        for (const Position& p : ps) {
            const auto start = std::chrono::steady_clock::now();
            const Solution s = everyCard ? dd.analyse(p) : dd.solve(p);
            const std::chrono::duration<double> took = std::chrono::steady_clock::now() - start;
            benchmark::DoNotOptimize(s.tricks);
            ms.push_back(took.count() * 1e3);
            nodes += static_cast<double>(s.nodes);
            seconds += took.count();
        }
    }
    std::sort(ms.begin(), ms.end());
    state.counters["median_ms"] = ms[ms.size() / 2];
    state.counters["p95_ms"] = ms[ms.size() * 95 / 100];
    state.counters["max_ms"] = ms.back();
    state.counters["nodes/s"] = nodes / seconds;
}

BENCHMARK_CAPTURE(solveWholeHands, uptownTrumps, Spades, true, false)->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK_CAPTURE(solveWholeHands, downtownTrumps, Hearts, false, false)->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK_CAPTURE(solveWholeHands, highNoTrumps, NoTrumps, true, false)->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK_CAPTURE(solveWholeHands, lowNoTrumps, NoTrumps, false, false)->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK_CAPTURE(solveWholeHands, uptownTrumpsEveryCard, Spades, true, true)->Unit(benchmark::kMillisecond)->Iterations(1);

}  // namespace
