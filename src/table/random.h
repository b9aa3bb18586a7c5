#pragma once

#include <cstdint>
#include <limits>
#include <tuple>
#include <utility>

namespace corvane {

// xoshiro256** seeded through splitmix64: a small, fast generator whose whole
// state is four words, so seeding one per hand from its deal number is cheap
// and a Game stays small enough to copy.
class Random {
public:
    using result_type = std::uint64_t;

    explicit Random(std::uint64_t seed = 0) { this->seed(seed); }

    void seed(std::uint64_t s)
    {
        for (auto& word : m_s) {
            s += 0x9e3779b97f4a7c15ULL;
            std::uint64_t z = s;
            z = (z ^ (z >> 30)) * 0xbf58476d1ce4e5b9ULL;
            z = (z ^ (z >> 27)) * 0x94d049bb133111ebULL;
            word = z ^ (z >> 31);
        }
    }

    result_type operator()()
    {
        const std::uint64_t result = rotl(m_s[1] * 5, 7) * 9;
        const std::uint64_t t = m_s[1] << 17;
        m_s[2] ^= m_s[0];
        m_s[3] ^= m_s[1];
        m_s[1] ^= m_s[2];
        m_s[0] ^= m_s[3];
        m_s[2] ^= t;
        m_s[3] = rotl(m_s[3], 45);
        return result;
    }

    static constexpr result_type min() { return 0; }
    static constexpr result_type max() { return std::numeric_limits<result_type>::max(); }

private:
    static std::uint64_t rotl(std::uint64_t x, int k) { return (x << k) | (x >> (64 - k)); }
    std::uint64_t m_s[4]{};
};

// A uniform number below n from the generator, without modulo bias, so that
// every undealt card is equally likely on every draw: the high word of the
// 96-bit product of a draw and n, the few draws whose low word would favour
// some results drawn again.
inline std::uint32_t below(Random& rng, std::uint32_t n)
{
    const auto product = [n](std::uint64_t x) {
        const std::uint64_t low = (x & 0xffffffffU) * n;
        const std::uint64_t high = (x >> 32) * n + (low >> 32);
        return std::pair{static_cast<std::uint32_t>(high >> 32), (high << 32) | (low & 0xffffffffU)};
    };
    auto [result, rest] = product(rng());
    if (rest < n) {
        const std::uint64_t threshold = (0 - std::uint64_t{n}) % n;
        while (rest < threshold)
            std::tie(result, rest) = product(rng());
    }
    return result;
}

}  // namespace corvane
