#pragma once

#include <array>
#include <cstdint>
#include <vector>

namespace corvane::expert {

// Positions met at the start of a trick, with what the searches proved about
// them: the fewest and the most tricks the leader's side takes from there.
// A proof rests on the length of each suit in each hand and on who holds the
// top few cards of each suit that won tricks by rank; the lower cards are
// only so many small ones. So an entry stands for every position with those
// lengths, that leader and those holders of the top cards, whatever the
// small cards are.
//
// The entries of one key lie together in one record, so a look-up reads a
// few neighbouring cache lines rather than one line an entry. Records of an
// earlier search are not wiped but stamped with its generation, so starting
// afresh costs nothing.
class TranspositionTable {
public:
    // The lengths of the five suits in the four hands, four bits each, and
    // the leader.
    struct Key {
        std::uint64_t lengths01 = 0;  // hands 0 and 1
        std::uint64_t lengths23 = 0;  // hands 2 and 3, the leader above them
        bool operator==(const Key&) const = default;
    };
    // Who holds each card left: a 32-bit lane a suit (suits 0 and 1 in the
    // first word, 2 and 3 in the second, 4 in the third), two bits a card,
    // the suit's top card in the lane's top two bits.
    using Holders = std::array<std::uint64_t, 3>;

    struct Entry {
        Holders holders;     // only the cards that count are kept
        std::uint32_t tops;  // how many top cards of suit k count, in bits 4k..4k+3
        std::int8_t lower, upper;
        std::int8_t best;  // the best lead found, as the search keeps it; -1 none
    };
    // Entries a record holds for its key; deep in a hand one key has many.
    static constexpr int Ways = 32;

    // About 2^bits entries in all.
    explicit TranspositionTable(int bits);
    void startAfresh();

    // The entries of this search for the key that stand for a position with
    // these holders, in the order kept; at most Ways.
    int find(const Key& k, const Holders& h, std::array<const Entry*, Ways>& out) const;
    static bool stands(const Entry& e, const Holders& h);
    // Narrows the bounds kept for the key and its top cards (a new entry when
    // none is kept).
    void store(const Key& k, const Holders& h, std::uint32_t tops, int lower, int upper, int best);

    // The lanes of the top cards that count.
    static Holders maskOf(std::uint32_t tops);

private:
    // Beside each entry, the holders of the top three cards of each suit and
    // of those the ones it rests on: most entries of a key fail on them, and
    // are then never read.
    struct Record {
        std::uint8_t used = 0;  // entries 0..used-1 hold
        std::uint8_t next = 0;  // the one to replace when all hold
        std::array<std::uint64_t, Ways> tops{};  // the holders low, the mask high
        std::array<Entry, Ways> entries{};
    };
    // Four records a key may go to.
    static constexpr std::size_t SetSize = 4;
    // The keys of a set's records in one cache line, each stamped with its
    // search's generation in the top byte, which a key never uses: most
    // look-ups miss, and then read only this line.
    struct alignas(64) SetKeys {
        std::array<std::uint64_t, SetSize> lengths01{};
        std::array<std::uint64_t, SetSize> lengths23{};
    };
    std::uint64_t stamped(const Key& k) const { return k.lengths01 | std::uint64_t{m_generation} << 56; }

    std::uint64_t hashOf(const Key& k) const;
    const Record* recordOf(const Key& k) const;
    Record& recordFor(const Key& k);
    static std::uint32_t topHolders(const Holders& h);

    std::vector<SetKeys> m_keys;
    std::vector<Record> m_records;
    int m_shift = 0;  // 64 less the bits of a set's number
    std::uint8_t m_generation = 1;
};

}  // namespace corvane::expert
