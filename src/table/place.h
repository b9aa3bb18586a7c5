#pragma once

namespace corvane {

// Where a card lies. 1..4 are the seats' hands.
using Place = int;
inline constexpr Place KittyPlace = 5;
inline constexpr Place OutOfPlay = 6;  // in the pack, on the trick, or played
inline constexpr Place SetAside = 7;   // turned up in the dealer draw
inline constexpr int PlaceCount = 8;   // index 0 unused

}  // namespace corvane
