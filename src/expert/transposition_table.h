#pragma once

#include <cstdint>
#include <vector>

namespace corvane::expert {

// Positions met at the start of a trick, with what the searches proved about
// them: the fewest and the most tricks the leader's side takes from there.
// A position is keyed by three words the search makes from the cards left
// and who holds them, and by the leader. Entries of an earlier search are not
// wiped but stamped with its generation, so starting afresh costs nothing.
class TranspositionTable {
public:
    struct Key {
        std::uint64_t a = 0;
        std::uint64_t b = 0;
        std::uint64_t c = 0;
        int leader = 0;
    };
    struct Entry {
        std::uint64_t a, b, c;
        std::uint16_t generation;
        std::uint8_t leader;
        std::uint8_t tricks;  // tricks left: the work a hit saves
        std::int8_t lower, upper;
        std::int8_t best;  // the best lead found, as the search keeps it; -1 none
        std::uint8_t unused;
    };

    explicit TranspositionTable(int bits);
    void startAfresh();

    // The entry of this search for the key, or nullptr.
    const Entry* find(const Key& k) const;
    // Narrows the bounds kept for the key (a new entry when none is kept).
    void store(const Key& k, int tricks, int lower, int upper, int best);

private:
    static constexpr int Ways = 4;
    std::size_t bucketOf(const Key& k) const;
    bool holds(const Entry& e, const Key& k) const
    {
        return e.generation == m_generation && e.a == k.a && e.b == k.b && e.c == k.c && e.leader == k.leader;
    }

    std::vector<Entry> m_entries;
    int m_shift = 0;  // 64 less the bits of a bucket's number
    std::uint16_t m_generation = 1;
};

}  // namespace corvane::expert
