#include "expert/transposition_table.h"

#include <algorithm>
#include <bit>

namespace corvane::expert {

TranspositionTable::TranspositionTable(int bits)
{
    const std::size_t buckets = std::size_t{1} << std::clamp(bits - 2, 4, 28);
    m_entries.assign(buckets * Ways, Entry{});
    m_shift = 64 - std::countr_zero(buckets);
}

void TranspositionTable::startAfresh()
{
    if (++m_generation == 0) {
        // After 65535 searches the stamps come round again: wipe once.
        std::fill(m_entries.begin(), m_entries.end(), Entry{});
        m_generation = 1;
    }
}

std::size_t TranspositionTable::bucketOf(const Key& k) const
{
    // Products carry every bit of a word up into the top ones, which pick
    // the bucket.
    std::uint64_t h = k.a * 0x9E3779B97F4A7C15ULL;
    h = (h ^ k.b) * 0xC2B2AE3D27D4EB4FULL;
    h = (h ^ k.c ^ static_cast<std::uint64_t>(k.leader)) * 0x165667B19E3779F9ULL;
    return static_cast<std::size_t>(h >> m_shift);
}

const TranspositionTable::Entry* TranspositionTable::find(const Key& k) const
{
    const Entry* bucket = &m_entries[bucketOf(k) * Ways];
    for (int w = 0; w < Ways; ++w)
        if (holds(bucket[w], k))
            return &bucket[w];
    return nullptr;
}

void TranspositionTable::store(const Key& k, int tricks, int lower, int upper, int best)
{
    Entry* bucket = &m_entries[bucketOf(k) * Ways];
    Entry* slot = nullptr;
    for (int w = 0; w < Ways && !slot; ++w)
        if (holds(bucket[w], k))
            slot = &bucket[w];
    if (slot) {
        slot->lower = static_cast<std::int8_t>(std::max<int>(slot->lower, lower));
        slot->upper = static_cast<std::int8_t>(std::min<int>(slot->upper, upper));
        if (best >= 0)
            slot->best = static_cast<std::int8_t>(best);
        return;
    }
    // An entry of an earlier search first, else the one that saves least.
    slot = bucket;
    for (int w = 1; w < Ways; ++w) {
        const Entry& e = bucket[w];
        const bool stale = e.generation != m_generation;
        const bool slotStale = slot->generation != m_generation;
        if (stale != slotStale ? stale : e.tricks < slot->tricks)
            slot = &bucket[w];
    }
    *slot = Entry{k.a,
                  k.b,
                  k.c,
                  m_generation,
                  static_cast<std::uint8_t>(k.leader),
                  static_cast<std::uint8_t>(tricks),
                  static_cast<std::int8_t>(lower),
                  static_cast<std::int8_t>(upper),
                  static_cast<std::int8_t>(best),
                  0};
}

}  // namespace corvane::expert
