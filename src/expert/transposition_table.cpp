#include "expert/transposition_table.h"

#include <algorithm>
#include <bit>
#include <cstring>

namespace corvane::expert {

namespace {

bool sameKey(const TranspositionTable::Key& a, const TranspositionTable::Key& b)
{
    return a.lengths01 == b.lengths01 && a.lengths23 == b.lengths23;
}

bool matches(const TranspositionTable::Holders& a, const TranspositionTable::Holders& b,
             const TranspositionTable::Holders& mask)
{
    return (((a[0] ^ b[0]) & mask[0]) | ((a[1] ^ b[1]) & mask[1]) | ((a[2] ^ b[2]) & mask[2])) == 0;
}

// Cards left in hand 0, the tricks left.
// The ways of a bucket whose tag is `tag`, one bit each, eight tags to a word.
template <std::size_t N>
std::array<std::uint64_t, N / 64> waysTagged(const std::array<std::uint8_t, N>& tags, std::uint8_t tag)
{
    constexpr std::uint64_t Ones = 0x0101010101010101ULL;
    constexpr std::uint64_t Highs = 0x8080808080808080ULL;
    std::array<std::uint64_t, N / 64> out{};
    for (std::size_t i = 0; i < N; i += 8) {
        std::uint64_t word = 0;
        std::memcpy(&word, &tags[i], sizeof word);
        // A byte of x is zero where the tag matches; tags are odd, so no byte
        // of x is one and the borrows never mark a byte that differs.
        const std::uint64_t x = word ^ (Ones * tag);
        const std::uint64_t zero = (x - Ones) & ~x & Highs;
        // The byte marks gathered into the top byte, the first byte lowest.
        const std::uint64_t marks = (zero >> 7) * 0x0102040810204080ULL >> 56;
        out[i / 64] |= marks << (i % 64);
    }
    return out;
}

int tricksOf(const TranspositionTable::Key& k)
{
    int n = 0;
    for (int s = 0; s < 5; ++s)
        n += static_cast<int>(k.lengths01 >> (4 * s) & 15);
    return n;
}

}  // namespace

TranspositionTable::TranspositionTable(int bits)
{
    const std::size_t buckets = std::size_t{1} << std::clamp(bits - 7, 4, 24);
    m_buckets.assign(buckets, Bucket{});
    m_shift = 64 - std::countr_zero(buckets);
}

void TranspositionTable::startAfresh()
{
    if (++m_generation == 0) {
        // The stamps come round again: wipe once.
        std::fill(m_buckets.begin(), m_buckets.end(), Bucket{});
        m_generation = 1;
    }
}

TranspositionTable::Holders TranspositionTable::maskOf(std::uint32_t tops)
{
    // The top r cards of a lane.
    static constexpr auto Lane = [] {
        std::array<std::uint64_t, 16> lane{};
        for (int r = 1; r < 16; ++r)
            lane[static_cast<std::size_t>(r)] = ~std::uint64_t{0} << (32 - 2 * r) & 0xFFFFFFFFULL;
        return lane;
    }();
    const auto at = [tops](int k) { return Lane[tops >> (4 * k) & 15]; };
    return {at(0) | at(1) << 32, at(2) | at(3) << 32, at(4)};
}

std::uint64_t TranspositionTable::hashOf(const Key& k) const
{
    // Products carry every bit of a word up into the top ones, which pick
    // the bucket.
    return (k.lengths01 * 0x9E3779B97F4A7C15ULL ^ k.lengths23) * 0xC2B2AE3D27D4EB4FULL;
}

std::uint8_t TranspositionTable::tagOf(std::uint64_t hash) const
{
    // Other bits than the bucket's, and the generation: an earlier search's
    // entries rarely match.
    return static_cast<std::uint8_t>((hash >> 8 ^ static_cast<std::uint64_t>(m_generation) * 0x9D) | 1);
}

// The top three lanes' two bits a card, for the five suits: 30 bits.
std::uint32_t TranspositionTable::topHolders(const Holders& h)
{
    const auto top = [](std::uint64_t lane) { return static_cast<std::uint32_t>(lane >> 26 & 63); };
    return top(h[0]) | top(h[0] >> 32) << 6 | top(h[1]) << 12 | top(h[1] >> 32) << 18 | top(h[2]) << 24;
}

int TranspositionTable::find(const Key& k, const Holders& h, std::array<const Entry*, Ways>& out) const
{
    const std::uint64_t hash = hashOf(k);
    const Bucket& b = m_buckets[static_cast<std::size_t>(hash >> m_shift)];
    const std::uint32_t mine = topHolders(h);
    int n = 0;
    const auto tagged = waysTagged(b.tags, tagOf(hash));
    for (std::size_t i = 0; i < tagged.size(); ++i)
        for (std::uint64_t ways = tagged[i]; ways; ways &= ways - 1) {
            const std::size_t w = i * 64 + static_cast<std::size_t>(std::countr_zero(ways));
            const std::uint64_t t = b.tops[w];
            if (b.generation[w] != m_generation || ((mine ^ t) & t >> 32) != 0)
                continue;
            const Entry& e = b.entries[w];
            if (sameKey(e.key, k) && stands(e, h))
                out[static_cast<std::size_t>(n++)] = &e;
        }
    return n;
}

bool TranspositionTable::stands(const Entry& e, const Holders& h) { return matches(e.holders, h, maskOf(e.tops)); }

void TranspositionTable::store(const Key& k, const Holders& h, std::uint32_t tops, int lower, int upper, int best)
{
    const std::uint64_t hash = hashOf(k);
    Bucket& b = m_buckets[static_cast<std::size_t>(hash >> m_shift)];
    const Holders mask = maskOf(tops);
    const Holders kept{h[0] & mask[0], h[1] & mask[1], h[2] & mask[2]};
    const std::uint8_t tag = tagOf(hash);
    const std::uint64_t top = topHolders(kept) | std::uint64_t{topHolders(mask)} << 32;
    const auto tagged = waysTagged(b.tags, tag);
    for (std::size_t i = 0; i < tagged.size(); ++i)
        for (std::uint64_t ways = tagged[i]; ways; ways &= ways - 1) {
            const std::size_t w = i * 64 + static_cast<std::size_t>(std::countr_zero(ways));
            if (b.generation[w] != m_generation || b.tops[w] != top)
                continue;
            Entry& e = b.entries[w];
            if (sameKey(e.key, k) && e.tops == tops && e.holders == kept) {
                e.lower = static_cast<std::int8_t>(std::max<int>(e.lower, lower));
                e.upper = static_cast<std::int8_t>(std::min<int>(e.upper, upper));
                if (best >= 0)
                    e.best = static_cast<std::int8_t>(best);
                return;
            }
        }
    // An entry of an earlier search first, else the one with fewest tricks
    // left, which saves least.
    std::size_t victim = 0;
    int least = 255;
    for (std::size_t w = 0; w < Ways && least > 0; ++w) {
        const int worth = b.generation[w] == m_generation ? b.worth[w] : 0;
        if (worth < least) {
            least = worth;
            victim = w;
        }
    }
    b.tags[victim] = tag;
    b.worth[victim] = static_cast<std::uint8_t>(tricksOf(k));
    b.generation[victim] = m_generation;
    b.tops[victim] = top;
    b.entries[victim] = Entry{k,
                              kept,
                              tops,
                              m_generation,
                              static_cast<std::int8_t>(lower),
                              static_cast<std::int8_t>(upper),
                              static_cast<std::int8_t>(best)};
}

}  // namespace corvane::expert
