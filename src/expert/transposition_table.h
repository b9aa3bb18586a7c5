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
// Entries of an earlier search are not wiped but stamped with its
// generation, so starting afresh costs nothing.
class TranspositionTable {
public:
    // The lengths of the five suits in the four hands, four bits each, and
    // the leader.
    struct Key {
        std::uint64_t lengths01 = 0;  // hands 0 and 1
        std::uint64_t lengths23 = 0;  // hands 2 and 3, the leader above them
    };
    // Who holds each card left: a 32-bit lane a suit (suits 0 and 1 in the
    // first word, 2 and 3 in the second, 4 in the third), two bits a card,
    // the suit's top card in the lane's top two bits.
    using Holders = std::array<std::uint64_t, 3>;

    struct Entry {
        Key key;
        Holders holders;     // only the cards that count are kept
        std::uint32_t tops;  // how many top cards of suit k count, in bits 4k..4k+3
        std::uint8_t generation;
        std::int8_t lower, upper;
        std::int8_t best;  // the best lead found, as the search keeps it; -1 none
    };
    // Entries a bucket holds: every entry of a key lies in one bucket, and
    // deep in a hand one key has many.
    static constexpr int Ways = 128;

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
    // A bucket's tags let a look-up pass over the entries of other keys
    // without reading them, and the tricks left of each entry with its
    // search's generation choose the one to replace.
    // The holders of the top three cards of each suit, and of those the ones
    // an entry rests on, sit next to the tags: most entries of a key fail on
    // them, and are then never read.
    struct Bucket {
        std::array<std::uint8_t, Ways> tags;
        std::array<std::uint8_t, Ways> worth;
        std::array<std::uint8_t, Ways> generation;
        std::array<std::uint64_t, Ways> tops;  // the holders low, the mask high
        std::array<Entry, Ways> entries;
    };
    std::uint64_t hashOf(const Key& k) const;
    std::uint8_t tagOf(std::uint64_t hash) const;
    static std::uint32_t topHolders(const Holders& h);

    std::vector<Bucket> m_buckets;
    int m_shift = 0;  // 64 less the bits of a bucket's number
    std::uint8_t m_generation = 1;
};

}  // namespace corvane::expert
