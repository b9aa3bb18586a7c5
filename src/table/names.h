#pragma once

#include <array>
#include <string>

namespace corvane {

// The four seat names, index = seat; 0 unused.
using Names = std::array<std::string, 5>;

// The names used until the person gives others: the person is "Player", the
// robots are named as the rename dialogs propose.
inline Names defaultNames() { return {"", "Player", "West Bot", "North Bot", "East Bot"}; }

// Games won and played since the statistics were last erased.
struct Statistics {
    int gamesWon = 0;
    int gamesPlayed = 0;
    bool operator==(const Statistics&) const = default;
};

}  // namespace corvane
