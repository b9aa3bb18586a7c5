#pragma once

#include "sim/simulation.h"

namespace corvane::sim {

struct Bench {
    double seconds = 0;  // of the whole run
    int timings = 0;
    // The fastest of the timings of a shorter run's games, a hand.
    double nsEnginePerHand = 0;
    double nsPerCardDecision = 0;
    double nsPerBidDecision = 0;
    double nsPerDiscardDecision = 0;
    // The robots' decisions of an average hand made alone: every card, every
    // bid turn and the discards, South's included.
    double nsDecisionsPerHand = 0;
    // The shorter run's games played and recorded, and their record
    // replayed, a hand: the fastest timing of each.
    double nsRecordPerHand = 0;
    double nsReplayPerHand = 0;
};

// Plays and times the whole run once (`tally` gets its counts, `observe` sees
// it), then times a shorter run's games, the robots' decisions alone on its
// tables, the same games played and recorded, and their record replayed, in
// turn, `timings` times each, keeping the fastest of each: other work on the
// machine only ever slows a timing down.
Bench bench(const Options& options, Tally& tally, const Observer& observe, int timings = 25);

}  // namespace corvane::sim
