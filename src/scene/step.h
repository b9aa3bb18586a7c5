#pragma once

#include <array>
#include <chrono>
#include <string>
#include <variant>
#include <vector>

#include "scene/scene_items.h"
#include "table/card.h"
#include "table/card_set.h"

namespace corvane {

// One timed step of the choreography. Every step but Pause takes no time:
// a slide is two Moves with a Pause between, as on the original table.
namespace step {
// Puts a card at (left, top), face up or showing its back, and on top of
// every other card when toFront is set.
struct Move {
    Card card;
    int left;
    int top;
    bool faceUp;
    bool toFront;
    bool operator==(const Move&) const = default;
};
struct ShowCard {
    Card card;
    bool visible;
    bool operator==(const ShowCard&) const = default;
};
struct ShowControl {
    Control control;
    bool visible;
    bool operator==(const ShowControl&) const = default;
};
struct Caption {
    Label label;
    std::string text;
    bool operator==(const Caption&) const = default;
};
struct ShowTrumps {
    TrumpPicture picture;
    bool operator==(const ShowTrumps&) const = default;
};
enum class Cue { Shuffle, CardDeal, RingOut };
// Starts a sound and goes on at once; a new sound replaces the one playing.
struct Sound {
    Cue cue;
    bool operator==(const Sound&) const = default;
};
struct Pause {
    std::chrono::microseconds length;
    bool operator==(const Pause&) const = default;
};
// A line appended to the message log, which scrolls to it. An aside is set
// apart from the game's own lines: a remark on them, such as a robot's reason.
struct Log {
    std::string line;
    bool aside = false;
    bool operator==(const Log&) const = default;
};
struct ClearLog {
    bool operator==(const ClearLog&) const = default;
};
// A hint: rings round these cards until the next action (none: no rings).
struct Ring {
    CardSet cards;
    bool operator==(const Ring&) const = default;
};
// A trick shown over the table, each card (by seat, 1..4) in front of the
// seat that played it, with a caption; an empty caption takes it away.
struct ShowTrick {
    std::array<Card, 5> bySeat{};
    std::string caption;
    bool operator==(const ShowTrick&) const = default;
};
}  // namespace step

using Step = std::variant<step::Move, step::ShowCard, step::ShowControl, step::Caption, step::ShowTrumps,
                          step::Sound, step::Pause, step::Log, step::ClearLog, step::Ring, step::ShowTrick>;
using Steps = std::vector<Step>;

// One line describing a step, for golden tests and traces.
std::string describe(const Step& s);

// The time a list of steps takes to play: the sum of its pauses.
std::chrono::microseconds totalTime(const Steps& steps);

}  // namespace corvane
