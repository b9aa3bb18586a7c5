#include "expert/sampler.h"

#include <algorithm>
#include <bit>

namespace corvane::expert {

namespace {

std::size_t at(int i) { return static_cast<std::size_t>(i); }

// n! for n up to the size of the pack, as floating point.
const std::array<double, CardCount + 1>& factorials()
{
    static const std::array<double, CardCount + 1> f = [] {
        std::array<double, CardCount + 1> out{};
        out[0] = 1;
        for (std::size_t n = 1; n < out.size(); ++n)
            out[n] = out[n - 1] * static_cast<double>(n);
        return out;
    }();
    return f;
}

std::uint64_t mix(std::uint64_t h, std::uint64_t v)
{
    std::uint64_t z = h ^ (v + 0x9e3779b97f4a7c15ULL + (h << 6) + (h >> 2));
    z = (z ^ (z >> 30)) * 0xbf58476d1ce4e5b9ULL;
    z = (z ^ (z >> 27)) * 0x94d049bb133111ebULL;
    return z ^ (z >> 31);
}

// A uniform number in [0, 1) from 53 bits of a draw.
double unit(Random& rng) { return static_cast<double>(rng() >> 11) * 0x1.0p-53; }

}  // namespace

Sampler::Sampler(const Knowledge& k, std::uint64_t seed) : m_rng(seed)
{
    m_base.trumps = k.trumps();
    m_base.high = k.high();
    m_base.leader = k.leader();
    if (k.onTrick() < 4) {
        m_base.onTrick = k.onTrick();
        for (int i = 0; i < k.onTrick(); ++i)
            m_base.trick[at(i)] = k.trickCard(i);
    }
    for (Seat s = South; s <= East; ++s)
        m_base.hands[at(s)] = k.known(s);
    m_kittyKnown = k.known(KittyPlace);

    int open = 0;
    for (Place p = South; p <= KittyPlace; ++p) {
        const int n = k.unknownCount(p);
        if (n < 0)
            m_fits = false;
        if (n > 0) {
            m_caps[at(static_cast<int>(m_places.size()))] = n;
            m_places.push_back(p);
            open += n;
        }
    }
    const CardSet pool = k.unseen();
    if (pool.count() != open)
        m_fits = false;

    // Cards that may go to the same places are dealt as one group.
    std::array<std::vector<Card>, 1U << MaxPlaces> byPlaces;
    for (Card c : pool) {
        unsigned places = 0;
        for (std::size_t i = 0; i < m_places.size(); ++i)
            if (!k.excluded(m_places[i]).has(c))
                places |= 1U << i;
        if (places == 0)
            m_fits = false;
        byPlaces[places].push_back(c);
    }
    // The most restricted groups first, so the splits of the later ones are
    // mostly forced.
    for (unsigned places = 1; places < byPlaces.size(); ++places)
        if (!byPlaces[places].empty())
            m_groups.push_back({places, std::move(byPlaces[places])});
    std::stable_sort(m_groups.begin(), m_groups.end(), [](const Group& a, const Group& b) {
        return std::popcount(a.places) < std::popcount(b.places);
    });
}

std::uint32_t Sampler::keyOf(std::size_t group, const Caps& caps) const
{
    // Five bits a place hold up to eighteen cards (a hand with the kitty).
    std::uint32_t key = static_cast<std::uint32_t>(group);
    for (int c : caps)
        key = key << 5 | static_cast<std::uint32_t>(c);
    return key;
}

template <class Visit>
void Sampler::forEachSplit(const Group& g, const Caps& caps, Visit&& visit) const
{
    Caps x{};
    const int n = static_cast<int>(m_places.size());
    const int k = static_cast<int>(g.cards.size());
    // Place i takes 0..caps[i] of the cards left; the last place the group
    // may go to takes what remains.
    int last = n - 1;
    while (last >= 0 && !(g.places >> last & 1U))
        --last;
    const auto split = [&](const auto& self, int i, int left) -> void {
        if (i > last) {
            if (left == 0)
                visit(x);
            return;
        }
        if (!(g.places >> i & 1U)) {
            self(self, i + 1, left);
            return;
        }
        if (i == last) {
            if (left <= caps[at(i)]) {
                x[at(i)] = left;
                visit(x);
                x[at(i)] = 0;
            }
            return;
        }
        for (int take = 0; take <= std::min(left, caps[at(i)]); ++take) {
            x[at(i)] = take;
            self(self, i + 1, left - take);
        }
        x[at(i)] = 0;
    };
    split(split, 0, k);
}

double Sampler::ways(std::size_t group, const Caps& caps) const
{
    if (group == m_groups.size())
        return std::all_of(caps.begin(), caps.end(), [](int c) { return c == 0; }) ? 1.0 : 0.0;
    const std::uint32_t key = keyOf(group, caps);
    if (const auto found = m_ways.find(key); found != m_ways.end())
        return found->second;
    const auto& f = factorials();
    const Group& g = m_groups[group];
    double total = 0;
    forEachSplit(g, caps, [&](const Caps& x) {
        Caps rest = caps;
        double orders = f[g.cards.size()];
        for (std::size_t i = 0; i < rest.size(); ++i) {
            rest[i] -= x[i];
            orders /= f[at(x[i])];
        }
        total += orders * ways(group + 1, rest);
    });
    m_ways.emplace(key, total);
    return total;
}

double Sampler::deals() const { return m_fits ? ways(0, m_caps) : 0.0; }

std::optional<SampledDeal> Sampler::draw()
{
    if (!possible())
        return std::nullopt;
    SampledDeal out{m_base, m_kittyKnown};
    const auto put = [&](Place p, Card c) {
        if (p == KittyPlace)
            out.kitty.add(c);
        else
            out.position.hands[at(p)].add(c);
    };
    const auto& f = factorials();
    Caps caps = m_caps;
    for (std::size_t group = 0; group < m_groups.size(); ++group) {
        Group& g = m_groups[group];
        // A split is drawn as often as the deals that follow from it.
        const double total = ways(group, caps);
        double target = unit(m_rng) * total;
        Caps chosen{};
        bool found = false;
        forEachSplit(g, caps, [&](const Caps& x) {
            if (found)
                return;
            Caps rest = caps;
            double orders = f[g.cards.size()];
            for (std::size_t i = 0; i < rest.size(); ++i) {
                rest[i] -= x[i];
                orders /= f[at(x[i])];
            }
            const double w = orders * ways(group + 1, rest);
            if (w <= 0)
                return;
            chosen = x;
            target -= w;
            // Rounding may leave a little over; the last split that can
            // happen takes it.
            found = target < 0;
        });
        // Which of the group's cards go where: a uniform shuffle.
        std::vector<Card>& cards = g.cards;
        for (std::size_t i = cards.size(); i > 1; --i)
            std::swap(cards[i - 1], cards[below(m_rng, static_cast<std::uint32_t>(i))]);
        std::size_t next = 0;
        for (std::size_t i = 0; i < m_places.size(); ++i) {
            for (int n = 0; n < chosen[i]; ++n)
                put(m_places[i], cards[next++]);
            caps[i] -= chosen[i];
        }
    }
    return out;
}

std::uint64_t samplerSeed(std::uint64_t dealNumber, const Knowledge& k)
{
    std::uint64_t h = mix(0x636f7276616e65ULL, dealNumber);
    h = mix(h, static_cast<std::uint64_t>(k.viewer()));
    for (Seat s = South; s <= East; ++s)
        h = mix(h, k.played(s).bits);
    h = mix(h, static_cast<std::uint64_t>(k.leader()));
    for (int i = 0; i < k.onTrick() && i < 4; ++i)
        h = mix(h, static_cast<std::uint64_t>(k.trickCard(i)));
    return h;
}

}  // namespace corvane::expert
