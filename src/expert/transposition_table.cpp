#include "expert/transposition_table.h"

#include <algorithm>
#include <bit>

namespace corvane::expert {

namespace {

bool matches(const TranspositionTable::Holders& a, const TranspositionTable::Holders& b,
             const TranspositionTable::Holders& mask)
{
    return (((a[0] ^ b[0]) & mask[0]) | ((a[1] ^ b[1]) & mask[1]) | ((a[2] ^ b[2]) & mask[2])) == 0;
}

// Cards left in hand 0: the tricks left.
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
    const std::size_t sets = std::size_t{1} << std::clamp(bits - 7, 4, 24);
    m_keys.assign(sets, SetKeys{});
    m_records.assign(sets * SetSize, Record{});
    m_shift = 64 - std::countr_zero(sets);
}

void TranspositionTable::startAfresh()
{
    if (++m_generation == 0) {
        // The stamps come round again: wipe once.
        std::fill(m_keys.begin(), m_keys.end(), SetKeys{});
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

// The top three lanes' two bits a card, for the five suits: 30 bits.
std::uint32_t TranspositionTable::topHolders(const Holders& h)
{
    const auto top = [](std::uint64_t lane) { return static_cast<std::uint32_t>(lane >> 26 & 63); };
    return top(h[0]) | top(h[0] >> 32) << 6 | top(h[1]) << 12 | top(h[1] >> 32) << 18 | top(h[2]) << 24;
}

std::uint64_t TranspositionTable::hashOf(const Key& k) const
{
    // Products carry every bit of a word up into the top ones, which pick
    // the set.
    return (k.lengths01 * 0x9E3779B97F4A7C15ULL ^ k.lengths23) * 0xC2B2AE3D27D4EB4FULL;
}

const TranspositionTable::Record* TranspositionTable::recordOf(const Key& k) const
{
    const std::size_t set = static_cast<std::size_t>(hashOf(k) >> m_shift);
    const SetKeys& keys = m_keys[set];
    const std::uint64_t tagged = stamped(k);
    for (std::size_t i = 0; i < SetSize; ++i)
        if (keys.lengths01[i] == tagged && keys.lengths23[i] == k.lengths23)
            return &m_records[set * SetSize + i];
    return nullptr;
}

// The key's record, or a new one in place of an earlier search's record, or
// else of the one with fewer tricks left, which saves less.
TranspositionTable::Record& TranspositionTable::recordFor(const Key& k)
{
    const std::size_t set = static_cast<std::size_t>(hashOf(k) >> m_shift);
    SetKeys& keys = m_keys[set];
    const std::uint64_t tagged = stamped(k);
    std::size_t victim = 0;
    int least = 255;
    for (std::size_t i = 0; i < SetSize; ++i) {
        const bool current = keys.lengths01[i] >> 56 == m_generation;
        if (current && keys.lengths01[i] == tagged && keys.lengths23[i] == k.lengths23)
            return m_records[set * SetSize + i];
        const int worth = current ? tricksOf({keys.lengths01[i] & ~(std::uint64_t{255} << 56), 0}) : -1;
        if (worth < least) {
            least = worth;
            victim = i;
        }
    }
    keys.lengths01[victim] = tagged;
    keys.lengths23[victim] = k.lengths23;
    Record& r = m_records[set * SetSize + victim];
    r.used = 0;
    r.next = 0;
    return r;
}

int TranspositionTable::find(const Key& k, const Holders& h, std::array<const Entry*, Ways>& out) const
{
    const Record* r = recordOf(k);
    if (!r)
        return 0;
    const std::uint64_t mine = topHolders(h);
    int n = 0;
    for (std::size_t w = 0; w < r->used; ++w) {
        const std::uint64_t t = r->tops[w];
        if (((mine ^ t) & t >> 32) == 0 && stands(r->entries[w], h))
            out[static_cast<std::size_t>(n++)] = &r->entries[w];
    }
    return n;
}

bool TranspositionTable::stands(const Entry& e, const Holders& h) { return matches(e.holders, h, maskOf(e.tops)); }

void TranspositionTable::store(const Key& k, const Holders& h, std::uint32_t tops, int lower, int upper, int best)
{
    Record& r = recordFor(k);
    const Holders mask = maskOf(tops);
    const Holders kept{h[0] & mask[0], h[1] & mask[1], h[2] & mask[2]};
    const std::uint64_t top = topHolders(kept) | std::uint64_t{topHolders(mask)} << 32;
    for (std::size_t w = 0; w < r.used; ++w) {
        Entry& e = r.entries[w];
        if (r.tops[w] == top && e.tops == tops && e.holders == kept) {
            e.lower = static_cast<std::int8_t>(std::max<int>(e.lower, lower));
            e.upper = static_cast<std::int8_t>(std::min<int>(e.upper, upper));
            if (best >= 0)
                e.best = static_cast<std::int8_t>(best);
            return;
        }
    }
    // A full record gives up its entries in turn.
    std::size_t w = r.used;
    if (r.used < Ways) {
        ++r.used;
    } else {
        w = r.next;
        r.next = static_cast<std::uint8_t>((r.next + 1) % Ways);
    }
    r.tops[w] = top;
    r.entries[w] = Entry{kept, tops, static_cast<std::int8_t>(lower), static_cast<std::int8_t>(upper),
                         static_cast<std::int8_t>(best)};
}

}  // namespace corvane::expert
