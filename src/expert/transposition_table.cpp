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
    const std::size_t buckets = std::size_t{1} << std::clamp(bits - 2, 4, 28);
    m_entries.assign(buckets * Ways, Entry{});
    m_shift = 64 - std::countr_zero(buckets);
}

void TranspositionTable::startAfresh()
{
    if (++m_generation == 0) {
        // The stamps come round again: wipe once.
        std::fill(m_entries.begin(), m_entries.end(), Entry{});
        m_generation = 1;
    }
}

TranspositionTable::Holders TranspositionTable::maskOf(std::uint32_t tops)
{
    Holders m{};
    for (int k = 0; k < 5; ++k) {
        const int r = static_cast<int>(tops >> (4 * k) & 15);
        if (r == 0)
            continue;
        const std::uint64_t lane = ~std::uint64_t{0} << (32 - 2 * r) & 0xFFFFFFFFULL;
        m[static_cast<std::size_t>(k / 2)] |= lane << (32 * (k % 2));
    }
    return m;
}

std::size_t TranspositionTable::bucketOf(const Key& k) const
{
    // Products carry every bit of a word up into the top ones, which pick
    // the bucket.
    const std::uint64_t h = (k.lengths01 * 0x9E3779B97F4A7C15ULL ^ k.lengths23) * 0xC2B2AE3D27D4EB4FULL;
    return static_cast<std::size_t>(h >> m_shift);
}

int TranspositionTable::find(const Key& k, const Holders& h, std::array<const Entry*, Ways>& out) const
{
    const Entry* bucket = &m_entries[bucketOf(k) * Ways];
    int n = 0;
    for (int w = 0; w < Ways; ++w) {
        const Entry& e = bucket[w];
        if (e.generation == m_generation && sameKey(e.key, k) && matches(e.holders, h, maskOf(e.tops)))
            out[static_cast<std::size_t>(n++)] = &e;
    }
    return n;
}

void TranspositionTable::store(const Key& k, const Holders& h, std::uint32_t tops, int lower, int upper, int best)
{
    Entry* bucket = &m_entries[bucketOf(k) * Ways];
    const Holders mask = maskOf(tops);
    const Holders kept{h[0] & mask[0], h[1] & mask[1], h[2] & mask[2]};
    for (int w = 0; w < Ways; ++w) {
        Entry& e = bucket[w];
        if (e.generation == m_generation && sameKey(e.key, k) && e.tops == tops && e.holders == kept) {
            e.lower = static_cast<std::int8_t>(std::max<int>(e.lower, lower));
            e.upper = static_cast<std::int8_t>(std::min<int>(e.upper, upper));
            if (best >= 0)
                e.best = static_cast<std::int8_t>(best);
            return;
        }
    }
    // An entry of an earlier search first, else the one with fewest tricks
    // left, which saves least.
    Entry* slot = bucket;
    for (int w = 1; w < Ways; ++w) {
        const Entry& e = bucket[w];
        const bool stale = e.generation != m_generation;
        const bool slotStale = slot->generation != m_generation;
        if (stale != slotStale ? stale : !slotStale && tricksOf(e.key) < tricksOf(slot->key))
            slot = &bucket[w];
    }
    *slot = Entry{k,
                  kept,
                  tops,
                  m_generation,
                  static_cast<std::int8_t>(lower),
                  static_cast<std::int8_t>(upper),
                  static_cast<std::int8_t>(best)};
}

}  // namespace corvane::expert
