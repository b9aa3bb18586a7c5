#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <map>
#include <vector>

#include "ending.h"
#include "expert/sampler.h"

using namespace corvane;
using namespace corvane::expert;
using namespace corvane::testing;

namespace {

const Ending ending;

using Key = std::vector<std::uint64_t>;
Key keyOf(const Whereabouts& w)
{
    Key k;
    for (const CardSet& s : w)
        k.push_back(s.bits);
    return k;
}

// Every way to lay `pool` into the places with these counts that `allowed`
// accepts card by card, on top of the known cards in `base`.
std::map<Key, int> everyDeal(const Whereabouts& base, CardSet pool, const std::array<int, 6>& counts,
                             const std::function<bool(Place, Card)>& allowed)
{
    std::map<Key, int> out;
    std::vector<Card> cards(pool.begin(), pool.end());
    Whereabouts w = base;
    std::array<int, 6> left = counts;
    const std::function<void(std::size_t)> lay = [&](std::size_t i) {
        if (i == cards.size()) {
            const int n = static_cast<int>(out.size());
            out.emplace(keyOf(w), n);
            return;
        }
        for (Place p = South; p <= KittyPlace; ++p) {
            if (left[ix(p)] == 0 || !allowed(p, cards[i]))
                continue;
            --left[ix(p)];
            w[ix(p)].add(cards[i]);
            lay(i + 1);
            w[ix(p)].remove(cards[i]);
            ++left[ix(p)];
        }
    };
    lay(0);
    return out;
}

// Draws many deals and checks each is one of `deals`, and that they come
// as often as a uniform draw would: a chi-square statistic within six
// standard deviations of its mean, with a fixed seed.
void expectUniform(const Knowledge& k, const std::map<Key, int>& deals, std::uint64_t seed)
{
    Sampler sampler(k, seed);
    ASSERT_EQ(sampler.deals(), static_cast<double>(deals.size()));
    const int cells = static_cast<int>(deals.size());
    const int draws = 200 * cells;
    std::vector<int> seen(deals.size());
    for (int n = 0; n < draws; ++n) {
        const std::optional<SampledDeal> d = sampler.draw();
        ASSERT_TRUE(d.has_value());
        const Whereabouts w = whereaboutsOf(*d);
        const auto found = deals.find(keyOf(w));
        ASSERT_NE(found, deals.end()) << misfit(k, w);
        ++seen[static_cast<std::size_t>(found->second)];
    }
    const double expected = static_cast<double>(draws) / cells;
    double chi2 = 0;
    for (int o : seen)
        chi2 += (o - expected) * (o - expected) / expected;
    const double dof = cells - 1;
    EXPECT_LT(chi2, dof + 6 * std::sqrt(2 * dof)) << cells << " deals";
    EXPECT_GT(*std::min_element(seen.begin(), seen.end()), 0);
}

TEST(Sampler, UniformOverTheDealsThatFitAfterNineTricks)
{
    // South sees its own three cards and West's discards; nine cards lie in
    // West, North and East, three each. North showed no Spades (nor jokers,
    // the top trumps), East no Diamonds, West no Clubs.
    const Knowledge k = knowledgeFrom(ending.script(West, 9).events, South);
    const Whereabouts truth = ending.truth(9);
    Whereabouts base{};
    base[South] = truth[South];
    base[KittyPlace] = ending.discards;
    const CardSet pool = truth[West] | truth[North] | truth[East];
    ASSERT_EQ(k.unseen(), pool);
    const auto deals = everyDeal(base, pool, {0, 0, 3, 3, 3, 0}, [](Place p, Card c) {
        if (p == North)
            return printedSuit(c) != Spades && !isJoker(c);
        if (p == East)
            return printedSuit(c) != Diamonds;
        if (p == West)
            return printedSuit(c) != Clubs;
        return false;
    });
    ASSERT_TRUE(deals.count(keyOf(truth)));
    ASSERT_LT(deals.size(), 1680U);
    expectUniform(k, deals, 7);
}

TEST(Sampler, UniformWithTheKittyAsAPlaceAfterElevenTricks)
{
    // East never saw South's discards: they and the last cards of South,
    // West and North are unseen. North showed no Spades, Hearts or Clubs.
    const Knowledge k = knowledgeFrom(ending.script(South, 11).events, East);
    const Whereabouts truth = ending.truth(11);
    Whereabouts base{};
    base[East] = truth[East];
    const CardSet pool = truth[South] | truth[West] | truth[North] | ending.discards;
    ASSERT_EQ(k.unseen(), pool);
    const auto deals = everyDeal(base, pool, {0, 1, 1, 1, 0, 6}, [](Place p, Card c) {
        if (p == North)
            return printedSuit(c) == Diamonds;
        if (p == West)
            return printedSuit(c) != Clubs;
        return p == South || p == KittyPlace;
    });
    ASSERT_EQ(deals.size(), 5U * 8U * 7U);
    expectUniform(k, deals, 11);
}

// The seed tells apart the deal, the viewer and the cards played, and
// another seed draws other deals.
TEST(Sampler, TheSeedNamesThePositionAndTheDeals)
{
    const Knowledge k = knowledgeFrom(ending.script(West, 2).events, North);
    EXPECT_NE(samplerSeed(5, k), samplerSeed(6, k));
    EXPECT_NE(samplerSeed(5, k), samplerSeed(5, knowledgeFrom(ending.script(West, 2).events, East)));
    EXPECT_NE(samplerSeed(5, k), samplerSeed(5, knowledgeFrom(ending.script(West, 3).events, North)));
    HandScript h = ending.script(West, 2);
    h.play(South, 40, 1);
    EXPECT_NE(samplerSeed(5, k), samplerSeed(5, knowledgeFrom(h.events, North)));
    Sampler a(k, 42);
    Sampler c(k, 43);
    int differ = 0;
    for (int n = 0; n < 20; ++n)
        differ += a.draw() != c.draw();
    EXPECT_GT(differ, 15);
}

TEST(Sampler, NothingWhenNoDealFits)
{
    // West, North and East all show no Hearts while the King and Ace of
    // Hearts are unseen: no deal fits.
    HandScript h = ending.script(West, 9);
    h.play(South, 27, 1);
    h.play(West, 52, 2);
    h.play(North, 26, 3);
    h.play(East, 25, 4);
    const Knowledge k = knowledgeFrom(h.events, South);
    Sampler sampler(k, 1);
    EXPECT_FALSE(sampler.possible());
    EXPECT_FALSE(sampler.draw().has_value());
}

}  // namespace
