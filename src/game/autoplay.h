#pragma once

#include "game/game.h"

namespace corvane {

// South played by the robots' rules (seat 1, partner North): the simulator's
// South, and what a hint shows. `southNoTrumps` makes South name No Trumps
// whenever its rule makes an ordinary bid, so the No Trumps play is reached.
struct AutoplayOptions {
    bool southNoTrumps = false;
};

// Answers whatever the engine waits for from the person with the commands a
// robot in South's place would give, and returns the events they produced.
// Does nothing when the engine waits for nothing or for a new game.
std::vector<Event> autoplaySouth(Game& game, const AutoplayOptions& options = {});

}  // namespace corvane
