#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>

#include "engine/autoplay.h"
#include "engine/game.h"

namespace corvane::sim {

// Contract kinds, in the order the report prints them.
enum Kind { UpTrumps, DownTrumps, UpNoTrumps, DownNoTrumps, KindCount };
const char* kindName(int kind);
// The kind of the table's contract.
int kindOf(const TableState& t);
// Whether team's contract was made, once its hand is scored.
bool contractMade(const TableState& t, Team team);

struct Tally {
    long games = 0;
    long hands = 0;
    long actions = 0;
    long robotCards = 0;
    // How often each robot rule decided, by reason source and the rule's
    // place in its module's table.
    std::array<std::array<long, 64>, Reason::SourceCount> reasons{};
    long& timesDecided(const Reason& why);
    long timesDecided(const Reason& why) const { return const_cast<Tally&>(*this).timesDecided(why); }
    std::array<long, KindCount> made{};
    std::array<long, KindCount> set{};
    std::array<long, 3> gamesWon{};  // by team
    std::string firstFault;          // empty when every check held
};

struct Options {
    long games = 1;
    std::uint64_t seed = 1;
    bool southNoTrumps = false;
    bool check = false;  // check every invariant after every action
    // The first game begins from this deal number (and is not counted).
    std::optional<std::uint64_t> deal;
    bool countReasons = false;  // how often each robot rule decided
};

// Called with each event as it happens and the table before it.
using Observer = std::function<void(const Event&, const TableState& before, const Game&)>;

// Plays whole games headless, South by the robots' rules.
Tally simulate(const Options& options, const Observer& observe = {});

}  // namespace corvane::sim
