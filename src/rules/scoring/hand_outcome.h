#pragma once

#include <optional>
#include <string>

#include "table/event.h"
#include "table/seat.h"
#include "table/table_state.h"

namespace corvane {

// What a scored hand leads to. Only the bidding team's points are tested,
// against +7 and -7: the bidders win at +7, the defenders when the bidders
// fall to -7; otherwise the next hand is dealt.
struct HandOutcome {
    bool gameOver = false;
    Team winner = 0;   // 0 while the game goes on
    int wonAdded = 0;  // what the game's end adds to the statistics
    int playedAdded = 0;
    MessageBox message;
};

// The outcome once `team` (1 or 2) has `gamePoints` after its hand; nothing
// for any other team (a hand nobody bid is not scored).
std::optional<HandOutcome> handOutcome(Team team, int gamePoints, const std::string& personName);

// The same outcome for a game begun from a replayed or chosen deal: it adds
// nothing to the statistics, and the message that ends it says so.
HandOutcome uncounted(HandOutcome out);

}  // namespace corvane
