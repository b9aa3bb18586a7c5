#pragma once

namespace corvane {

// Seats run clockwise 1 South (the person), 2 West, 3 North (South's
// partner), 4 East. Team 1 is South and North, team 2 West and East.
using Seat = int;
inline constexpr Seat NoSeat = 0;
inline constexpr Seat South = 1;
inline constexpr Seat West = 2;
inline constexpr Seat North = 3;
inline constexpr Seat East = 4;

using Team = int;
inline constexpr Team OurTeam = 1;
inline constexpr Team TheirTeam = 2;

constexpr bool isSeat(Seat s) { return s >= South && s <= East; }
constexpr Seat nextSeat(Seat s) { return s % 4 + 1; }
// The seat `steps` (0 or more) places clockwise from seat s.
constexpr Seat seatAfter(Seat s, int steps) { return ((s - 1 + steps) & 3) + 1; }
constexpr Seat partnerOf(Seat s) { return (s + 1) % 4 + 1; }
constexpr Team teamOf(Seat s) { return s % 2 == 1 ? OurTeam : TheirTeam; }
constexpr bool isRobot(Seat s) { return s == West || s == North || s == East; }

}  // namespace corvane
