#pragma once

#include <array>
#include <bit>
#include <cassert>
#include <cstdint>
#include <cstring>

#include "table/card_set.h"

namespace corvane {

// The cards not dealt yet, in id order, held in four 16-byte vectors (one
// byte a card) so that taking one out and closing the gap stays in
// registers: in memory every removal would load bytes the last one had just
// stored, at an offset the store cannot be forwarded from.
class UndealtCards {
public:
    explicit UndealtCards(CardSet cards) : m_cards(cards), m_left(cards.count())
    {
        std::uint8_t bytes[Lanes * Parts] = {};
        int n = 0;
        for (const Card c : cards)
            bytes[n++] = static_cast<std::uint8_t>(c);
        std::memcpy(m_part.data(), bytes, sizeof bytes);
    }

    // Counted apart from the set, so that the next draw need not wait for
    // the card this one takes.
    int size() const { return m_left; }
    // Where card c is among them, or -1 when it is not.
    int find(Card c) const
    {
        return m_cards.has(c) ? (m_cards & CardSet::range(1, c - 1)).count() : -1;
    }

    // The k-th undealt card (from 0, below size()), taken out.
    Card take(int k)
    {
        assert(k >= 0 && k < m_left);
        const Bytes at = Bytes{} + static_cast<std::int8_t>(k);
        auto& [p0, p1, p2, p3] = m_part;
        // The one lane of index k, gathered from the four parts.
        const Bytes picked = (p0 & (index(0) == at)) | (p1 & (index(1) == at)) | (p2 & (index(2) == at)) |
                             (p3 & (index(3) == at));
        const Words halves = std::bit_cast<Words>(picked);
        const Card c = static_cast<Card>(((halves[0] | halves[1]) >> (8 * (k & 7))) & 0xff);
        // Every lane from k on takes the lane after it.
        p0 = closeGap(p0, p1, index(0) >= at);
        p1 = closeGap(p1, p2, index(1) >= at);
        p2 = closeGap(p2, p3, index(2) >= at);
        p3 = closeGap(p3, Bytes{}, index(3) >= at);
        m_cards.remove(c);
        --m_left;
        return c;
    }

private:
    static constexpr int Lanes = 16;
    static constexpr int Parts = 4;
    static_assert(Lanes * Parts > CardCount);
    // A vector's lane j is byte j of its words.
    static_assert(std::endian::native == std::endian::little);
    using Bytes = std::int8_t __attribute__((vector_size(16)));
    using Words = std::uint64_t __attribute__((vector_size(16)));

    // The lanes of `from` on take the lane after them.
    static Bytes closeGap(Bytes part, Bytes next, Bytes from)
    {
        const Bytes shifted = __builtin_shufflevector(part, next, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16);
        return (shifted & from) | (part & ~from);
    }
    // Lane numbers of part i: 16 i .. 16 i + 15.
    static Bytes index(int i)
    {
        constexpr Bytes first{0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15};
        return first + static_cast<std::int8_t>(Lanes * i);
    }

    std::array<Bytes, Parts> m_part;
    CardSet m_cards;
    int m_left;
};

}  // namespace corvane
