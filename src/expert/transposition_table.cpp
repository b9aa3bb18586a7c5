#include "expert/transposition_table.h"

#include <algorithm>
#include <bit>

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

std::uint16_t TranspositionTable::tagOf(std::uint64_t hash) const
{
    // Other bits than the bucket's, and the generation: an earlier search's
    // entries rarely match.
    return static_cast<std::uint16_t>((hash >> 8 ^ static_cast<std::uint64_t>(m_generation) * 0x9E37) | 1);
}

int TranspositionTable::find(const Key& k, std::array<const Entry*, Ways>& out) const
{
    const std::uint64_t hash = hashOf(k);
    const Bucket& b = m_buckets[static_cast<std::size_t>(hash >> m_shift)];
    const std::uint16_t tag = tagOf(hash);
    int n = 0;
    for (std::size_t w = 0; w < Ways; ++w) {
        if (b.tags[w] != tag)
            continue;
        const Entry& e = b.entries[w];
        if (e.generation == m_generation && sameKey(e.key, k))
            out[static_cast<std::size_t>(n++)] = &e;
    }
    return n;
}

bool TranspositionTable::stands(const Entry& e, const Holders& h) { return matches(e.holders, h, maskOf(e.tops)); }

void TranspositionTable::store(const Key& k, const Holders& h, std::uint32_t tops, int lower, int upper, int best)
{
    const std::uint64_t hash = hashOf(k);
    Bucket& b = m_buckets[static_cast<std::size_t>(hash >> m_shift)];
    const std::uint16_t tag = tagOf(hash);
    const Holders mask = maskOf(tops);
    const Holders kept{h[0] & mask[0], h[1] & mask[1], h[2] & mask[2]};
    std::size_t victim = 0;
    int least = 255;
    for (std::size_t w = 0; w < Ways; ++w) {
        const bool current = b.generation[w] == m_generation;
        if (b.tags[w] == tag && current) {
            Entry& e = b.entries[w];
            if (sameKey(e.key, k) && e.tops == tops && e.holders == kept) {
                e.lower = static_cast<std::int8_t>(std::max<int>(e.lower, lower));
                e.upper = static_cast<std::int8_t>(std::min<int>(e.upper, upper));
                if (best >= 0)
                    e.best = static_cast<std::int8_t>(best);
                return;
            }
        }
        // An entry of an earlier search first, else the one with fewest
        // tricks left, which saves least.
        const int worth = current ? b.worth[w] : 0;
        if (worth < least) {
            least = worth;
            victim = w;
        }
    }
    b.tags[victim] = tag;
    b.worth[victim] = static_cast<std::uint8_t>(tricksOf(k));
    b.generation[victim] = m_generation;
    b.entries[victim] = Entry{k,
                              kept,
                              tops,
                              m_generation,
                              static_cast<std::int8_t>(lower),
                              static_cast<std::int8_t>(upper),
                              static_cast<std::int8_t>(best)};
}

}  // namespace corvane::expert
