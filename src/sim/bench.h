#pragma once

#include "sim/simulation.h"

namespace corvane::sim {

struct Bench {
    int runs = 0;
    double seconds = 0;  // of the fastest run
    double nsPerCardDecision = 0;
    double nsPerBidDecision = 0;
    double nsPerDiscardDecision = 0;
    // The robots' decisions of an average hand made alone: every card, every
    // bid turn and the discards, South's included.
    double nsDecisionsPerHand = 0;
};

// Times whole games and the robots' decisions alone, in turn, `runs` times
// each, and keeps the fastest of each: other work on the machine only ever
// slows a run down. With an observer (a record being written) everything is
// timed once. `tally` gets the games' counts.
Bench bench(const Options& options, Tally& tally, const Observer& observe, int runs = 5);

}  // namespace corvane::sim
