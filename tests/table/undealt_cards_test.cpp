#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "table/random.h"
#include "table/undealt_cards.h"

using namespace corvane;

namespace {

// Against a plain list: taking the k-th card is erasing it, in any set and
// for any sequence of draws, lanes at the ends of the vectors included.
TEST(UndealtCards, TakingTheKthCardIsErasingItFromTheIdOrder)
{
    Random rng(7);
    for (int round = 0; round < 2000; ++round) {
        const CardSet cards = round % 4 == 1 ? AllCards : CardSet(rng() & AllCards.bits);
        std::vector<Card> list(cards.begin(), cards.end());
        UndealtCards undealt(cards);
        while (!list.empty()) {
            ASSERT_EQ(undealt.size(), static_cast<int>(list.size()));
            // Every so often the first, the last, or a card looked up.
            const int n = static_cast<int>(list.size());
            int k = static_cast<int>(below(rng, static_cast<std::uint64_t>(n)));
            if (round % 3 == 0)
                k = round % 2 == 0 ? 0 : n - 1;
            ASSERT_EQ(undealt.find(list[static_cast<std::size_t>(k)]), k);
            ASSERT_EQ(undealt.take(k), list[static_cast<std::size_t>(k)]) << "round " << round;
            EXPECT_EQ(undealt.find(list[static_cast<std::size_t>(k)]), -1);
            list.erase(list.begin() + k);
        }
    }
}

TEST(UndealtCards, FindsNothingOutsideTheSet)
{
    const UndealtCards undealt(suitCards(Hearts));
    EXPECT_EQ(undealt.find(NoCard), -1);
    EXPECT_EQ(undealt.find(BigJoker), -1);
    EXPECT_EQ(undealt.find(cardOf(Hearts, 1)), 0);
    EXPECT_EQ(undealt.size(), 13);
}

}  // namespace
