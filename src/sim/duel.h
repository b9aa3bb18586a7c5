#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "engine/seat_player.h"
#include "sim/simulation.h"

namespace corvane::sim {

// A level of play by its name, and how to make a player of it for one game
// (a player is never shared between two games at once).
struct Level {
    std::string name;
    std::function<std::unique_ptr<SeatPlayer>()> make;
};
// The levels the simulator knows: "classic", the robots' rules; "expert" and
// "expert-fast", the Expert at the Normal and the Fast pace's budgets.
std::vector<Level> knownLevels();
// The known level of that name; one with no `make` when there is none.
Level levelNamed(const std::string& name);

struct DuelOptions {
    std::array<Level, 2> levels;  // the first is the one measured
    long games = 1;               // pairs of games
    std::uint64_t seed = 1;
    int jobs = 1;
};

// An estimate and its 95 % confidence interval.
struct Interval {
    double mean = 0;
    double low = 0;
    double high = 0;
};

struct DuelReport {
    long pairs = 0;
    long hands = 0;
    // The first level against the second, a game pair at a time.
    Interval pointsPerHand;  // its points less the other's, per hand
    Interval gamesWon;       // its games won less the other's, per game
    // By level and contract kind, the contracts it bid, made and set.
    std::array<std::array<long, KindCount>, 2> made{};
    std::array<std::array<long, KindCount>, 2> set{};
    std::array<long, 2> decisions{};
    std::array<double, 2> seconds{};  // spent deciding, by level
    std::string fault;                // empty when every game ended well
};

// Plays each seeded game twice, from the same deal number, the levels
// swapping teams, so both meet the same cards hand for hand. The report
// is the same for any number of jobs but for the time spent deciding.
DuelReport duel(const DuelOptions& options);

}  // namespace corvane::sim
