#include <gtest/gtest.h>

#include <set>
#include <string>

#include "rules/bidding/robot_bid.h"
#include "support/table_builder.h"

namespace corvane {
namespace {

using testing::cards;
using testing::tableWith;

Reason bidReason(const Rule* r) { return Reason{Reason::Source::Bid, r}; }

// Diamonds downtown 150 and uptown 197; every other suit at most 136.
constexpr std::string_view StrongDiamonds = "4D 6D 7D 8D 9D TD QD KD AD KH AS LJ";
// Clubs downtown and Spades uptown both 154; all else lower.
constexpr std::string_view ClubsSpadesTie = "JD 3C 4C 9C AC 4H JH 8S JS QS LJ BJ";
// Hearts uptown 119 stands out alone.
constexpr std::string_view Hearts119 = "4D TD 8C QC 5H 7H QH AH 3S 4S 7S JS";
// Clubs downtown 190 stands out alone.
constexpr std::string_view Clubs190 = "3D 9D 2C 3C 4C 5C 6C 9C KC AC 2H LJ";

TEST(HandStrength, SuitCountsTwiceAndJokersOnce)
{
    const TableState t = tableWith({{West, StrongDiamonds}});
    EXPECT_EQ(lowStrength(t, West, Diamonds), 150);
    EXPECT_EQ(highStrength(t, West, Diamonds), 197);
    EXPECT_EQ(highStrength(t, West, Clubs), 123);
    EXPECT_EQ(lowStrength(t, West, Clubs), 94);
    EXPECT_EQ(highStrength(t, West, Spades), 136);
    EXPECT_EQ(lowStrength(t, West, Spades), 107);
}

TEST(HandStrength, JokerInKittyCountsForEveryRobotInAllEightStrengths)
{
    const std::string_view hand = "4D TD 8C QC 5H 7H QH AH 3S 4S 7S";
    const struct {
        std::string_view kitty;
        int added;
    } rows[] = {{"LJ", 24}, {"BJ", 25}, {"LJ BJ", 49}, {"2D 3D", 0}};
    for (const auto& row : rows) {
        const TableState without = tableWith({{North, hand}, {East, "5D 6D"}});
        const TableState with = tableWith({{North, hand}, {East, "5D 6D"}, {KittyPlace, row.kitty}});
        for (Seat seat : {North, East})
            for (Suit s = Diamonds; s <= Spades; ++s) {
                EXPECT_EQ(highStrength(with, seat, s), highStrength(without, seat, s) + row.added) << row.kitty;
                EXPECT_EQ(lowStrength(with, seat, s), lowStrength(without, seat, s) + row.added) << row.kitty;
            }
    }
}

TEST(HandStrength, HeldJokerCountsOnceWhateverTheSuit)
{
    const std::string_view hand = "4D TD 8C QC 5H 7H QH AH 3S 4S 7S";
    const TableState without = tableWith({{West, hand}});
    const TableState with = tableWith({{West, hand}, {West, "BJ"}});
    for (Suit s = Diamonds; s <= Spades; ++s) {
        EXPECT_EQ(highStrength(with, West, s), highStrength(without, West, s) + 25);
        EXPECT_EQ(lowStrength(with, West, s), lowStrength(without, West, s) + 25);
    }
}

// One hand a row whose only standing-out candidate has exactly the strength
// given: the threshold decides between bidding and passing.
struct ThresholdRow {
    std::string_view hand;
    int strength;
    Suit suit;
    bool high;
    int level;
};

class RobotBidThreshold : public ::testing::TestWithParam<ThresholdRow> {};

TEST_P(RobotBidThreshold, StrengthOnTheLadderGivesTheLevel)
{
    const ThresholdRow& row = GetParam();
    const TableState t = tableWith({{East, row.hand}});
    ASSERT_EQ(row.high ? highStrength(t, East, row.suit) : lowStrength(t, East, row.suit), row.strength);
    const BidDecision d = robotBid(t, East);
    EXPECT_EQ(d.bid, row.level > 0);
    EXPECT_EQ(d.level, row.level);
    if (d.bid) {
        EXPECT_EQ(d.trumps, row.suit);
        EXPECT_EQ(d.high, row.high);
    } else {
        EXPECT_EQ(d.why, bidReason(bidRule("too-weak")));
    }
}

INSTANTIATE_TEST_SUITE_P(Ladder, RobotBidThreshold,
                         ::testing::Values(ThresholdRow{Hearts119, 119, Hearts, true, 0},
                                           ThresholdRow{"4D 6D 7D 8D 7C 2H KH 4S 8S 9S JS KS", 120, Spades, true, 3},
                                           ThresholdRow{"4D JD QD KD 2C QC AC 3H 8H TH QH AS", 139, Diamonds, true, 3},
                                           ThresholdRow{"4D JD KD AD 5C JC 7H JH 5S TS JS QS", 140, Diamonds, true, 4},
                                           ThresholdRow{"7D AD QC TH JH 5S 8S 9S JS QS KS AS", 179, Spades, true, 4},
                                           ThresholdRow{"AD AC 2H 3H 4H 5H 9H TH AH 2S 6S 8S", 180, Hearts, false, 5},
                                           ThresholdRow{"3D 6D 8D 9D TD JD KD AD QC TS KS BJ", 189, Diamonds, true, 5},
                                           ThresholdRow{Clubs190, 190, Clubs, false, 6}),
                         [](const auto& info) { return "Strength" + std::to_string(info.param.strength); });

TEST(RobotBid, DowntownCandidateIsWeighedFirst)
{
    // Diamonds downtown 141 and uptown 145 both stand out and both reach 4.
    const TableState t = tableWith({{West, "2D 3D 6D 7D 8D 9D TD JD KD 5C 9C AC"}});
    ASSERT_EQ(lowStrength(t, West, Diamonds), 141);
    ASSERT_EQ(highStrength(t, West, Diamonds), 145);
    const BidDecision d = robotBid(t, West);
    EXPECT_TRUE(d.bid);
    EXPECT_EQ(d.level, 4);
    EXPECT_EQ(d.trumps, Diamonds);
    EXPECT_FALSE(d.high);
    EXPECT_EQ(d.why, bidReason(bidRule("diamonds-down")));
}

TEST(RobotBid, UptownCandidateBidsWhenDowntownCannotBeatTheBid)
{
    TableState t = tableWith({{West, StrongDiamonds}});
    EXPECT_EQ(robotBid(t, West).why, bidReason(bidRule("diamonds-down")));
    t.bidLevel[South] = 4;
    const BidDecision d = robotBid(t, West);
    EXPECT_TRUE(d.bid);
    EXPECT_EQ(d.level, 6);
    EXPECT_TRUE(d.high);
    EXPECT_EQ(d.trumps, Diamonds);
    EXPECT_EQ(d.why, bidReason(bidRule("diamonds-up")));
}

TEST(RobotBid, NeverBidsSevenOverAnOpponentsSix)
{
    TableState t = tableWith({{West, StrongDiamonds}});
    t.bidLevel[North] = 6;
    const BidDecision d = robotBid(t, West);
    EXPECT_FALSE(d.bid);
    EXPECT_EQ(d.why, bidReason(bidRule("outbid")));
}

TEST(RobotBid, TiedLeadingSuitsNeverQualify)
{
    const TableState t = tableWith({{North, ClubsSpadesTie}});
    ASSERT_EQ(lowStrength(t, North, Clubs), 154);
    ASSERT_EQ(highStrength(t, North, Spades), 154);
    const BidDecision d = robotBid(t, North);
    EXPECT_FALSE(d.bid);
    EXPECT_EQ(d.why, bidReason(bidRule("no-suit-stands-out")));
}

TEST(RobotBid, PartnerRule)
{
    for (int partnerLevel : {4, 5, 6, 7}) {
        TableState t = tableWith({{North, Clubs190}});
        t.bidLevel[South] = partnerLevel;
        const BidDecision d = robotBid(t, North);
        EXPECT_FALSE(d.bid) << partnerLevel;
        EXPECT_EQ(d.why, bidReason(bidRule("partner-bid-four"))) << partnerLevel;
    }
    TableState t = tableWith({{North, Clubs190}});
    t.bidLevel[South] = 3;
    const BidDecision d = robotBid(t, North);
    EXPECT_TRUE(d.bid);
    EXPECT_EQ(d.level, 6);
    EXPECT_EQ(d.why, bidReason(bidRule("clubs-down")));
}

TEST(RobotBid, LevelMustBeatThePartnersThreeToo)
{
    TableState t = tableWith({{East, "4D 6D 7D 8D 7C 2H KH 4S 8S 9S JS KS"}});  // Spades uptown 120
    t.bidLevel[West] = 3;
    const BidDecision d = robotBid(t, East);
    EXPECT_FALSE(d.bid);
    EXPECT_EQ(d.why, bidReason(bidRule("outbid")));
}

TEST(RobotBid, SameHandSameDecisionFromEverySeat)
{
    for (Seat s : {South, West, North, East}) {
        TableState t = tableWith({{s, StrongDiamonds}});
        const BidDecision free = robotBid(t, s);
        EXPECT_EQ(free.why, bidReason(bidRule("diamonds-down"))) << s;
        EXPECT_EQ(free.level, 4) << s;

        t.bidLevel[nextSeat(s)] = 5;  // an opponent
        EXPECT_EQ(robotBid(t, s).why, bidReason(bidRule("diamonds-up"))) << s;
        EXPECT_EQ(robotBid(t, s).level, 6) << s;

        t.bidLevel[nextSeat(s)] = 0;
        t.bidLevel[partnerOf(s)] = 4;
        EXPECT_EQ(robotBid(t, s).why, bidReason(bidRule("partner-bid-four"))) << s;
    }
}

// Forced bids: the hands' Hearts and Spades mirror each other, so no suit
// stands out and only the dealer's duty makes the bid.
struct ForcedRow {
    std::string_view hand;
    bool high;
};

TEST(RobotBid, ForcedBidTakesLongestSuitAndComparesLowWithHighCards)
{
    const ForcedRow rows[] = {
        {"2H 3H 4H 9H TH 2S 3S 4S 9S TS 5C 6D", false},  // seven Two-to-Five, four Nine-to-King
        {"2H 3H 6H 9H TH 2S 3S 6S 9S TS 7C 8D", true},   // four and four
    };
    for (const ForcedRow& row : rows) {
        TableState t = tableWith({{East, row.hand}});
        EXPECT_EQ(robotBid(t, East).why, bidReason(bidRule("no-suit-stands-out"))) << row.hand;
        t.forcedBid = true;
        const BidDecision d = robotBid(t, East);
        EXPECT_TRUE(d.bid) << row.hand;
        EXPECT_EQ(d.level, 3);
        EXPECT_EQ(d.trumps, Hearts);
        EXPECT_EQ(d.high, row.high) << row.hand;
        EXPECT_EQ(d.why, bidReason(row.high ? bidRule("forced-up") : bidRule("forced-down")));
    }
}

TEST(RobotBid, ForcedDealerStillBidsAStandingOutCandidate)
{
    TableState t = tableWith({{North, Clubs190}});
    t.forcedBid = true;
    const BidDecision d = robotBid(t, North);
    EXPECT_EQ(d.level, 6);
    EXPECT_EQ(d.why, bidReason(bidRule("clubs-down")));
}

TEST(RobotBid, ForcedBidAfterTooWeakHand)
{
    TableState t = tableWith({{West, Hearts119}});
    t.forcedBid = true;
    const BidDecision d = robotBid(t, West);
    EXPECT_TRUE(d.bid);
    EXPECT_EQ(d.level, 3);
    EXPECT_EQ(d.trumps, Hearts);  // four Hearts and four Spades
    EXPECT_TRUE(d.high);          // five Two-to-Five (Ace counted), five Nine-to-King
    EXPECT_EQ(d.why, bidReason(bidRule("forced-up")));
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
