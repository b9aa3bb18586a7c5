#include "sim/duel.h"

#include <atomic>
#include <chrono>
#include <cmath>
#include <thread>

#include "expert/expert_player.h"
#include "table/deal_number.h"
#include "table/random.h"

namespace corvane::sim {

namespace {

// A player that keeps the time its decisions take.
class Timed : public SeatPlayer {
public:
    explicit Timed(std::unique_ptr<SeatPlayer> p) : m_player(std::move(p)) {}
    void observe(const Event& e) override { m_player->observe(e); }
    BidDecision bid(const Game& g, Seat s) override
    {
        const Clock start;
        return count(start, m_player->bid(g, s));
    }
    DiscardDecision discards(const Game& g, Seat s) override
    {
        const Clock start;
        return count(start, m_player->discards(g, s));
    }
    PlayDecision card(const Game& g, Seat s) override
    {
        const Clock start;
        return count(start, m_player->card(g, s));
    }

    long decisions = 0;
    double seconds = 0;

private:
    struct Clock {
        std::chrono::steady_clock::time_point at = std::chrono::steady_clock::now();
    };
    template <class D>
    D count(const Clock& start, D d)
    {
        seconds += std::chrono::duration<double>(std::chrono::steady_clock::now() - start.at).count();
        ++decisions;
        return d;
    }
    std::unique_ptr<SeatPlayer> m_player;
};

struct GameResult {
    long hands = 0;
    std::array<long, 3> points{};  // by team, what its contracts scored
    Team winner = 0;
    std::array<std::array<long, KindCount>, 3> made{};
    std::array<std::array<long, KindCount>, 3> set{};
    std::array<long, 3> decisions{};
    std::array<double, 3> seconds{};
    std::string fault;
};

// One whole game from a deal number, each team played by its level.
GameResult playGame(std::uint64_t deal, const Level& ours, const Level& theirs)
{
    std::array<std::unique_ptr<Timed>, 3> team{nullptr, std::make_unique<Timed>(ours.make()),
                                               std::make_unique<Timed>(theirs.make())};
    Game g(deal);
    for (Seat s = West; s <= East; ++s)
        g.decideOutside(s, true);
    GameResult r;
    const auto take = [&](const Event& e) {
        team[1]->observe(e);
        team[2]->observe(e);
        if (const auto* f = e.as<ev::RobotFault>(); f && r.fault.empty())
            r.fault = "seat " + std::to_string(f->seat) + " made a choice the rules refuse";
        const auto* d = e.as<ev::HandScored>();
        if (d == nullptr)
            return;
        ++r.hands;
        const TableState& t = g.table();
        r.points[static_cast<std::size_t>(d->team)] += d->points;
        (contractMade(t, d->team) ? r.made : r.set)[static_cast<std::size_t>(d->team)][kindOf(t)]++;
        if (d->gameOver)
            r.winner = d->winner;
    };
    take(g.newGameAt(deal));
    for (long actions = 0; r.fault.empty(); ++actions) {
        if (actions > 1'000'000) {
            r.fault = "a game did not end";
            break;
        }
        const Awaiting a = g.awaiting();
        if (a == Awaiting::NewGame)
            break;
        if (a == Awaiting::Nothing) {
            take(g.advance());
            continue;
        }
        const Seat s = a == Awaiting::Robot ? g.robotTurn().seat : South;
        if (!playTurn(g, *team[static_cast<std::size_t>(teamOf(s))], s, take)) {
            if (a == Awaiting::CarryOn)
                take(g.carryOn());
            else if (a == Awaiting::Answer)
                take(g.answer(0));
            else
                r.fault = "the game waited for a turn no one takes";
        }
    }
    for (std::size_t t = 1; t <= 2; ++t) {
        r.decisions[t] = team[t]->decisions;
        r.seconds[t] = team[t]->seconds;
    }
    return r;
}

// Each game pair's deal number, drawn from the seed.
std::vector<std::uint64_t> dealNumbers(std::uint64_t seed, long games)
{
    Random rng(seed);
    std::vector<std::uint64_t> deals(static_cast<std::size_t>(games));
    for (std::uint64_t& d : deals)
        d = rng() % (MaxDealNumber + 1);
    return deals;
}

Interval interval(const std::vector<double>& xs)
{
    if (xs.empty())
        return {};
    const double n = static_cast<double>(xs.size());
    double sum = 0;
    for (double x : xs)
        sum += x;
    const double mean = sum / n;
    double squares = 0;
    for (double x : xs)
        squares += (x - mean) * (x - mean);
    const double half = xs.size() > 1 ? 1.96 * std::sqrt(squares / (n - 1) / n) : 0;
    return {mean, mean - half, mean + half};
}

}  // namespace

std::vector<Level> knownLevels()
{
    return {{"classic", classicPlayer},
            {"expert", [] { return std::make_unique<expert::ExpertPlayer>(); }},
            {"expert-fast", [] { return std::make_unique<expert::ExpertPlayer>(expert::ExpertBudget::quick()); }}};
}

Level levelNamed(const std::string& name)
{
    for (Level& l : knownLevels())
        if (l.name == name)
            return l;
    return {name, {}};
}

DuelReport duel(const DuelOptions& o)
{
    const std::vector<std::uint64_t> deals = dealNumbers(o.seed, o.games);
    // Game 2i has the first level as South and North, game 2i+1 the second.
    std::vector<GameResult> games(deals.size() * 2);
    std::atomic<std::size_t> next{0};
    const auto work = [&] {
        for (std::size_t i = next++; i < games.size(); i = next++) {
            const bool swapped = i % 2 == 1;
            games[i] = playGame(deals[i / 2], o.levels[swapped ? 1 : 0], o.levels[swapped ? 0 : 1]);
        }
    };
    std::vector<std::thread> threads;
    for (int j = 1; j < o.jobs; ++j)
        threads.emplace_back(work);
    work();
    for (std::thread& t : threads)
        t.join();

    DuelReport r;
    std::vector<double> points, wins;
    for (std::size_t i = 0; i < games.size(); i += 2) {
        // The first level's team in each game of the pair, and the other's.
        const std::array<std::pair<const GameResult*, Team>, 2> first{{{&games[i], OurTeam}, {&games[i + 1], TheirTeam}}};
        double ahead = 0, won = 0;
        long hands = 0;
        for (const auto& [g, mine] : first) {
            const Team other = mine == OurTeam ? TheirTeam : OurTeam;
            ahead += static_cast<double>(g->points[mine] - g->points[other]);
            won += (g->winner == mine) - (g->winner == other);
            hands += g->hands;
            for (std::size_t level = 0; level < 2; ++level) {
                const auto team = static_cast<std::size_t>(level == 0 ? mine : other);
                for (int k = 0; k < KindCount; ++k) {
                    r.made[level][k] += g->made[team][k];
                    r.set[level][k] += g->set[team][k];
                }
                r.decisions[level] += g->decisions[team];
                r.seconds[level] += g->seconds[team];
            }
            if (r.fault.empty() && !g->fault.empty())
                r.fault = g->fault + " (deal " + std::to_string(deals[i / 2]) + ")";
        }
        points.push_back(hands > 0 ? ahead / static_cast<double>(hands) : 0);
        wins.push_back(won / 2);
        r.hands += hands;
    }
    r.pairs = static_cast<long>(deals.size());
    r.pointsPerHand = interval(points);
    r.gamesWon = interval(wins);
    return r;
}

}  // namespace corvane::sim
