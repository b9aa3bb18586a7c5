#pragma once

#include <array>

#include "table/rule.h"

namespace corvane {

// The Expert level's one rule for its cards (source Expert): the figures
// are, in tenths, the tricks it takes on average and the points a hand it
// scores on average more than with the next best card.
inline constexpr auto ExpertRules = std::to_array<Rule>({
    {"best-over-deals", "the best card over deals that fit the play",
     "because over many deals that fit what it has seen it does best for its side",
     "it takes {points/10} tricks on average and scores {needed/10} points a hand more than with the next best "
     "card"},
});

}  // namespace corvane
