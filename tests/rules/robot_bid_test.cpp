#include <gtest/gtest.h>

#include "rules/bidding/robot_bid.h"
#include "support/table_builder.h"

namespace corvane {
namespace {

using testing::tableWith;

// Which suit and direction a forced dealer bids. (The strengths, the ladder
// and every branch of the bid are the whole games' signature to check; a
// forced bid is too rare there for every tie to come up.)
// No suit stands out in these hands: Hearts and Spades mirror each other.
// Seven Two-to-Five against four Nine-to-King bid downtown; four and four, uptown.
TEST(RobotBid, AForcedDealerBidsThreeInItsLongestSuit)
{
    for (const auto& [hand, high] :
         {std::pair{"2H 3H 4H 9H TH 2S 3S 4S 9S TS 5C 6D", false}, {"2H 3H 6H 9H TH 2S 3S 6S 9S TS 7C 8D", true}}) {
        TableState t = tableWith({{West, hand}});
        t.forcedBid = true;
        const BidDecision d = robotBid(t, West);
        EXPECT_EQ(d.level, 3) << hand;
        EXPECT_EQ(d.trumps, Hearts) << hand;
        EXPECT_EQ(d.high, high) << hand;
    }
}

TEST(LongestSuit, TiesGoToTheEarlierSuitAndJokersDoNotCount)
{
    const std::pair<std::string_view, Suit> rows[] = {
        {"2D 3D 4D 2C 3C 4C 2H 3H 4H 2S 3S 4S", Diamonds},
        {"2D 2C 3C 4C 5C 2H 3S 4S 5S 6S 7H 8H", Clubs},
        {"2D AC 2H 3H 4H 5H 6H 2S 3S 4S 5S 6S", Hearts},
        {"2D 2C 2H 2S 3S 4S 5S 6S 7S 8S 9S TS", Spades},
        {"2D 2C 2H 3H 4H 2S 3S 4S 5S 6S LJ BJ", Spades},
        {"2D 2C 2H 3H 4H 5H 2S 3S 4S 5S LJ BJ", Hearts},
    };
    for (const auto& [hand, suit] : rows)
        EXPECT_EQ(longestSuit(tableWith({{West, hand}}), West), suit) << hand;
}

TEST(CountCards, HighAndLowCardsShareAcesAndJokers)
{
    const TableState t = tableWith({{West, "2D 5D 6D 8D 9D KD AD LJ BJ"}});
    EXPECT_EQ(countHighCards(t, West), 5);  // 9D KD AD LJ BJ
    EXPECT_EQ(countLowCards(t, West), 5);   // 2D 5D AD LJ BJ
}

}  // namespace
}  // namespace corvane
