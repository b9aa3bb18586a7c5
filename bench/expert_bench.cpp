// The Expert's bid and discard decisions at the budget it plays with, on
// turns met in games of the robots' rules.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <ctime>
#include <vector>

#include "expert/expert_bidding.h"

using namespace corvane;
using namespace corvane::expert;

namespace {

struct Turn {
    Game game;
    Knowledge knowledge;
};

// The first robot turn of this kind in each of `n` games, the robots
// deciding outside the engine by their rules.
std::vector<Turn> turns(RobotTurn::Choice choice, int n)
{
    std::vector<Turn> out;
    const std::unique_ptr<SeatPlayer> rules = classicPlayer();
    for (std::uint64_t deal = 1; static_cast<int>(out.size()) < n && deal < 1000; ++deal) {
        Game g(deal);
        for (Seat s = West; s <= East; ++s)
            g.decideOutside(s, true);
        SeenBySeat seen;
        const auto take = [&](const Event& e) { seen.observe(e); };
        take(g.newGameAt(deal));
        for (int actions = 0; actions < 2000; ++actions) {
            const Awaiting a = g.awaiting();
            if (a == Awaiting::NewGame)
                break;
            if (a == Awaiting::Robot && g.robotTurn().choice == choice) {
                out.push_back({g, seen.of(g.robotTurn().seat)});
                break;
            }
            if (a == Awaiting::Nothing)
                take(g.advance());
            else if (!playTurn(g, *rules, a == Awaiting::Robot ? g.robotTurn().seat : South, take))
                take(a == Awaiting::CarryOn ? g.carryOn() : g.answer(0));
        }
    }
    return out;
}

// The median and the slowest decision, by the clock on the wall and in
// processor time, and the solves a decision left unfinished.
template <class Decide>
void timeDecisions(benchmark::State& state, RobotTurn::Choice choice, Decide decide)
{
    const std::vector<Turn> ts = turns(choice, static_cast<int>(state.range(0)));
    DoubleDummy solver(ExpertTableBits);
    std::vector<double> ms;
    std::vector<double> cpu;
    double unfinished = 0;
    for (auto _ : state) {
        ms.clear();
        cpu.clear();
        for (const Turn& t : ts) {
            const auto start = std::chrono::steady_clock::now();
            const std::clock_t startCpu = std::clock();
            unfinished += decide(t, solver);
            cpu.push_back(static_cast<double>(std::clock() - startCpu) * 1e3 / CLOCKS_PER_SEC);
            const std::chrono::duration<double> took = std::chrono::steady_clock::now() - start;
            ms.push_back(took.count() * 1e3);
        }
    }
    std::sort(ms.begin(), ms.end());
    std::sort(cpu.begin(), cpu.end());
    // The machine may be shared: the processor time is this program's own.
    state.counters["turns"] = static_cast<double>(ms.size());
    state.counters["median_ms"] = ms.empty() ? 0 : ms[ms.size() / 2];
    state.counters["max_ms"] = ms.empty() ? 0 : ms.back();
    state.counters["median_cpu_ms"] = cpu.empty() ? 0 : cpu[cpu.size() / 2];
    state.counters["max_cpu_ms"] = cpu.empty() ? 0 : cpu.back();
    state.counters["unfinished_solves"] = ms.empty() ? 0 : unfinished / static_cast<double>(ms.size());
}

void bidDecision(benchmark::State& state)
{
    timeDecisions(state, RobotTurn::Choice::Bid, [](const Turn& t, DoubleDummy& dd) {
        return weighBids(t.game, t.game.robotTurn().seat, t.knowledge, {}, dd).unfinished;
    });
}

void discardDecision(benchmark::State& state)
{
    timeDecisions(state, RobotTurn::Choice::Discards, [](const Turn& t, DoubleDummy& dd) {
        return weighDiscards(t.game, t.game.robotTurn().seat, t.knowledge, {}, dd).unfinished;
    });
}

BENCHMARK(bidDecision)->Arg(20)->Iterations(1)->Unit(benchmark::kSecond);
BENCHMARK(discardDecision)->Arg(20)->Iterations(1)->Unit(benchmark::kSecond);

}  // namespace
