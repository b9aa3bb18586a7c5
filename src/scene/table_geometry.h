#pragma once

namespace corvane {

// The table is laid out in twips (15 to a pixel at the designed size of
// 784 x 695 pixels); only the window converts them.
inline constexpr int TableWidth = 11760;
inline constexpr int TableHeight = 10425;
inline constexpr int CardWidth = 1065;
inline constexpr int CardHeight = 1440;

// A card's top-left corner on the table.
struct Spot {
    int left = 0;
    int top = 0;
    bool operator==(const Spot&) const = default;
};

}  // namespace corvane
