#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <unordered_map>
#include <vector>

#include "expert/double_dummy.h"
#include "expert/knowledge.h"
#include "table/random.h"

namespace corvane::expert {

// One deal of the cards a seat cannot see: every hand in full, the trick in
// progress, and where the kitty's unseen cards lie.
struct SampledDeal {
    Position position;
    CardSet kitty;
    bool operator==(const SampledDeal&) const = default;
};

// Draws deals consistent with a Knowledge: each place gets exactly as many
// cards as it holds, the cards known to lie there, and only cards it can
// hold. Every consistent deal is equally likely: the deals are counted
// exactly (cards grouped by the places they may go to, the groups split
// among the places by a count of the ways to fill the rest), so there is no
// rejection and no loop that may not end. The counts are floating point, so
// "equally" is up to rounding in the sixteenth digit.
//
// The draws come from a generator of the sampler's own, seeded by the
// caller: the same knowledge and seed give the same deals in the same order.
class Sampler {
public:
    Sampler(const Knowledge& k, std::uint64_t seed);

    // Whether any deal fits what the viewer knows.
    bool possible() const { return deals() > 0; }
    // How many deals fit.
    double deals() const;
    // The next deal; nothing when none fits.
    std::optional<SampledDeal> draw();

private:
    static constexpr int MaxPlaces = 5;
    struct Group {
        unsigned places = 0;  // bit i: the group's cards may go to m_places[i]
        std::vector<Card> cards;
    };
    using Caps = std::array<int, MaxPlaces>;
    std::uint32_t keyOf(std::size_t group, const Caps& caps) const;
    // The ways to deal groups `group`.. into exactly `caps`.
    double ways(std::size_t group, const Caps& caps) const;
    template <class Visit>
    void forEachSplit(const Group& g, const Caps& caps, Visit&& visit) const;

    Position m_base;
    CardSet m_kittyKnown;
    std::vector<Place> m_places;  // the places with unseen cards
    Caps m_caps{};
    std::vector<Group> m_groups;
    bool m_fits = true;
    mutable std::unordered_map<std::uint32_t, double> m_ways;
    Random m_rng;
};

// A seed for the sampler that names the position: the deal number, the
// viewer and every card played so far by whom, so the same decision always
// draws the same deals.
std::uint64_t samplerSeed(std::uint64_t dealNumber, const Knowledge& k);

}  // namespace corvane::expert
