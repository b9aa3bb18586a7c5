// The double-dummy solver on whole hands: twelve tricks to go, right after
// the kitty, for each kind of contract; and the Expert card decision.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <ctime>
#include <optional>
#include <random>
#include <vector>

#include "expert/double_dummy.h"
#include "expert/expert_player.h"
#include "sim/simulation.h"

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

// The Expert's card decision as a robot seat makes it, with the default
// budget: at the first card of the play, right after the kitty, and at the
// first card of the seventh trick, on tables met in seeded games.
struct Decision {
    Game game;  // as it stood before the card
    Seat seat;
    Knowledge knowledge;
};

// The robots' cards led at trick `trick` in the first games of seed 3, up to
// `n` of them.
std::vector<Decision> decisions(int trick, std::size_t n)
{
    std::vector<Decision> out;
    std::optional<Game> last;
    SeenBySeat seen;
    sim::simulate({40, 3, false, false, std::nullopt}, [&](const Event& e, const TableState& before, const Game& g) {
        if (const auto* p = e.as<ev::CardPlayed>();
            p && out.size() < n && p->position == 1 && p->seat != South && before.tricksPlayed == trick && last)
            out.push_back({*last, p->seat, seen.of(p->seat)});
        seen.observe(e);
        last = g;
    });
    return out;
}

// The median processor time of one decision over the tables, and the deals
// it solved within the budget on average.
void expertCardDecision(benchmark::State& state, int trick)
{
    const std::vector<Decision> ds = decisions(trick, static_cast<std::size_t>(state.range(0)));
    DoubleDummy solver(ExpertTableBits);
    std::vector<double> cpu;
    double solved = 0;
    for (auto _ : state) {
        for (const Decision& d : ds) {
            const std::clock_t start = std::clock();
            const CardChoice c = weighCards(d.game, d.seat, d.knowledge, ExpertBudget{}, solver);
            const std::clock_t end = std::clock();
            benchmark::DoNotOptimize(c.card);
            cpu.push_back(static_cast<double>(end - start) * 1e3 / CLOCKS_PER_SEC);
            solved += c.deals;
        }
    }
    std::sort(cpu.begin(), cpu.end());
    state.counters["decisions"] = static_cast<double>(cpu.size());
    state.counters["median_cpu_ms"] = cpu.empty() ? 0 : cpu[cpu.size() / 2];
    state.counters["p95_cpu_ms"] = cpu.empty() ? 0 : cpu[static_cast<std::size_t>(0.95 * static_cast<double>(cpu.size() - 1))];
    state.counters["deals_solved"] = cpu.empty() ? 0 : solved / static_cast<double>(cpu.size());
}

BENCHMARK_CAPTURE(expertCardDecision, firstCard, 1)->Arg(12)->Iterations(1)->Unit(benchmark::kSecond);
BENCHMARK_CAPTURE(expertCardDecision, seventhTrick, 7)->Arg(12)->Iterations(1)->Unit(benchmark::kSecond);

}  // namespace
