#pragma once

#include <string>
#include <vector>

#include "engine/game.h"

namespace corvane::testing {

// Runs the engine until it waits for the person (or the next game), keeping
// every event and log line. Stops early if an invariant breaks.
struct Driver {
    Game& game;
    std::vector<Event> events;
    std::vector<std::string> log;
    std::string fault;

    void take(Event e)
    {
        for (std::string_view line : e.log)
            log.emplace_back(line);
        events.push_back(std::move(e));
        if (fault.empty())
            fault = game.check();
    }
    Awaiting run(int limit = 10000)
    {
        while (game.awaiting() == Awaiting::Nothing && limit-- > 0 && fault.empty())
            take(game.advance());
        return game.awaiting();
    }
    void command(Event e) { take(std::move(e)); }
};

}  // namespace corvane::testing
