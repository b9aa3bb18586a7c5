#pragma once

#include <bit>
#include <cstdint>

// Small helpers for the search's one-bit-a-card words.
namespace corvane::expert::bits {

constexpr std::uint64_t bitAt(int b) { return std::uint64_t{1} << b; }
inline int highest(std::uint64_t x) { return 63 - std::countl_zero(x); }
inline int lowest(std::uint64_t x) { return std::countr_zero(x); }
inline int count(std::uint64_t x) { return std::popcount(x); }
// The bits strictly above bit b (b below 63).
constexpr std::uint64_t above(int b) { return ~((bitAt(b) << 1) - 1); }

}  // namespace corvane::expert::bits
