#pragma once

#include <bit>
#include <cstddef>
#include <cstdint>
#include <iterator>

#include "table/card.h"

namespace corvane {

// A set of cards as a 64-bit word with bit `id` set for each card it holds
// (bits 1..54; bit 0 and bits 55..63 stay clear). Ascending scans are
// countr_zero and descending ones countl_zero, so "the first card in id
// order" of a rule is one instruction and its direction shows in the code.
struct CardSet {
    std::uint64_t bits = 0;

    constexpr CardSet() = default;
    constexpr explicit CardSet(std::uint64_t b) : bits(b) {}

    static constexpr CardSet of(Card c) { return CardSet(std::uint64_t{1} << c); }
    // Cards lo..hi inclusive.
    static constexpr CardSet range(Card lo, Card hi)
    {
        if (hi < lo)
            return CardSet();
        const std::uint64_t upper = hi >= 63 ? ~std::uint64_t{0} : (std::uint64_t{1} << (hi + 1)) - 1;
        const std::uint64_t lower = (std::uint64_t{1} << lo) - 1;
        return CardSet(upper & ~lower);
    }

    constexpr bool has(Card c) const { return isValidCard(c) && (bits >> c) & 1U; }
    constexpr bool empty() const { return bits == 0; }
    constexpr int count() const { return std::popcount(bits); }
    constexpr void add(Card c) { bits |= std::uint64_t{1} << c; }
    constexpr void remove(Card c) { bits &= ~(std::uint64_t{1} << c); }

    // Lowest id held, or NoCard.
    constexpr Card lowest() const { return bits ? std::countr_zero(bits) : NoCard; }
    // Highest id held, or NoCard.
    constexpr Card highest() const { return bits ? 63 - std::countl_zero(bits) : NoCard; }

    constexpr CardSet operator|(CardSet o) const { return CardSet(bits | o.bits); }
    constexpr CardSet operator&(CardSet o) const { return CardSet(bits & o.bits); }
    constexpr CardSet operator-(CardSet o) const { return CardSet(bits & ~o.bits); }
    constexpr CardSet& operator|=(CardSet o) { bits |= o.bits; return *this; }
    constexpr CardSet& operator&=(CardSet o) { bits &= o.bits; return *this; }
    constexpr CardSet& operator-=(CardSet o) { bits &= ~o.bits; return *this; }
    constexpr bool operator==(const CardSet&) const = default;

    // Iterates in ascending id order.
    struct Iterator {
        using iterator_category = std::forward_iterator_tag;
        using value_type = Card;
        using difference_type = std::ptrdiff_t;
        using pointer = const Card*;
        using reference = Card;
        std::uint64_t rest;
        constexpr Card operator*() const { return std::countr_zero(rest); }
        constexpr Iterator& operator++() { rest &= rest - 1; return *this; }
        constexpr Iterator operator++(int) { Iterator old = *this; ++*this; return old; }
        constexpr bool operator==(const Iterator& o) const { return rest == o.rest; }
    };
    constexpr Iterator begin() const { return {bits}; }
    constexpr Iterator end() const { return {0}; }
};

inline constexpr CardSet AllCards = CardSet::range(1, CardCount);
inline constexpr CardSet Jokers = CardSet::of(LittleJoker) | CardSet::of(BigJoker);

// The thirteen cards printed with suit s (1..4); empty for any other number.
constexpr CardSet suitCards(Suit s)
{
    return isPlainSuit(s) ? CardSet::range((s - 1) * 13 + 1, s * 13) : CardSet();
}

// The k-th card (from 0) of a set in id order; NoCard past its end. Each
// step keeps the half of the word the card lies in.
constexpr Card nthCard(CardSet set, int k)
{
    std::uint64_t bits = set.bits;
    int base = 0;
    const auto keepHalf = [&](int width) {
        const std::uint64_t low = bits & ((std::uint64_t{1} << width) - 1);
        const int n = std::popcount(low);
        if (k >= n) {
            k -= n;
            bits >>= width;
            base += width;
        } else {
            bits = low;
        }
    };
    keepHalf(32);
    keepHalf(16);
    keepHalf(8);
    keepHalf(4);
    keepHalf(2);
    keepHalf(1);
    return bits ? base : NoCard;
}

}  // namespace corvane
