#pragma once

#include <chrono>

namespace corvane {

// How fast the table moves: every pause and slide of the choreography is
// scaled by the pace, Normal 1, Fast 1/4, Instant 0. The waits for the
// person are not pauses and do not change.
enum class Pace { Normal, Fast, Instant };

// The standard pause between robot actions, in milliseconds at normal pace.
inline constexpr int NormalPause = 125;

// A pause of `ms` milliseconds at normal pace, at the given pace. Counted in
// microseconds so that a quarter of every length in use is exact.
constexpr std::chrono::microseconds scaledPause(int ms, Pace pace)
{
    const long long us = static_cast<long long>(ms) * 1000;
    switch (pace) {
    case Pace::Normal: return std::chrono::microseconds(us);
    case Pace::Fast: return std::chrono::microseconds(us / 4);
    case Pace::Instant: break;
    }
    return std::chrono::microseconds(0);
}

}  // namespace corvane
