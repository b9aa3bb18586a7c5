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

// A joker counts once in all eight strengths, held or lying in the kitty,
// for every robot alike.
TEST(HandStrength, AJokerHeldOrInTheKittyCountsOnce)
{
    const std::string_view hand = "4D TD 8C QC 5H 7H QH AH 3S 4S 7S";
    const struct {
        Place place;
        std::string_view jokers;
        int added;
    } rows[] = {{KittyPlace, "LJ", 24}, {KittyPlace, "BJ", 25}, {KittyPlace, "LJ BJ", 49}, {KittyPlace, "2D 3D", 0},
                {North, "BJ", 25}};
    for (const auto& row : rows) {
        const TableState without = tableWith({{North, hand}, {East, "5D 6D"}});
        const TableState with = tableWith({{North, hand}, {East, "5D 6D"}, {row.place, row.jokers}});
        for (Seat seat : {North, East})
            for (Suit s = Diamonds; s <= Spades; ++s) {
                const int added = row.place == KittyPlace || seat == row.place ? row.added : 0;
                EXPECT_EQ(highStrength(with, seat, s), highStrength(without, seat, s) + added) << row.jokers;
                EXPECT_EQ(lowStrength(with, seat, s), lowStrength(without, seat, s) + added) << row.jokers;
            }
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

// The bids already made, seen from the bidder: the opponent after it, its
// partner, the opponent before it. Every row is played from every seat.
struct DecisionRow {
    std::string_view hand;
    int left, partner, right;
    bool forced;
    int level;  // 0: a pass
    Suit trumps;
    bool high;
    const Rule* rule;
};

// Forced bids: these hands' Hearts and Spades mirror each other, so no suit
// stands out and only the dealer's duty makes the bid. Seven Two-to-Five
// against four Nine-to-King, then four and four.
constexpr std::string_view ForcedLow = "2H 3H 4H 9H TH 2S 3S 4S 9S TS 5C 6D";
constexpr std::string_view ForcedEven = "2H 3H 6H 9H TH 2S 3S 6S 9S TS 7C 8D";

TEST(RobotBid, DecidesByTheRuleOfItsBranchFromEverySeat)
{
    const DecisionRow rows[] = {
        // Diamonds downtown 141 and uptown 145 both stand out and reach 4: downtown is weighed first.
        {"2D 3D 6D 7D 8D 9D TD JD KD 5C 9C AC", 0, 0, 0, false, 4, Diamonds, false, bidRule("diamonds-down")},
        {StrongDiamonds, 0, 0, 0, false, 4, Diamonds, false, bidRule("diamonds-down")},
        // Downtown cannot beat the bid; uptown can.
        {StrongDiamonds, 0, 0, 4, false, 6, Diamonds, true, bidRule("diamonds-up")},
        {StrongDiamonds, 5, 0, 0, false, 6, Diamonds, true, bidRule("diamonds-up")},
        {StrongDiamonds, 6, 0, 0, false, 0, NoSuit, false, bidRule("outbid")},  // never seven over a six
        {StrongDiamonds, 0, 4, 0, false, 0, NoSuit, false, bidRule("partner-bid-four")},
        {ClubsSpadesTie, 0, 0, 0, false, 0, NoSuit, false, bidRule("no-suit-stands-out")},
        {Clubs190, 0, 4, 0, false, 0, NoSuit, false, bidRule("partner-bid-four")},
        {Clubs190, 0, 5, 0, false, 0, NoSuit, false, bidRule("partner-bid-four")},
        {Clubs190, 0, 6, 0, false, 0, NoSuit, false, bidRule("partner-bid-four")},
        {Clubs190, 0, 7, 0, false, 0, NoSuit, false, bidRule("partner-bid-four")},
        {Clubs190, 0, 3, 0, false, 6, Clubs, false, bidRule("clubs-down")},
        // Spades uptown 120 reaches 3, which must beat the partner's 3 too.
        {"4D 6D 7D 8D 7C 2H KH 4S 8S 9S JS KS", 0, 3, 0, false, 0, NoSuit, false, bidRule("outbid")},
        {ForcedLow, 0, 0, 0, false, 0, NoSuit, false, bidRule("no-suit-stands-out")},
        {ForcedLow, 0, 0, 0, true, 3, Hearts, false, bidRule("forced-down")},
        {ForcedEven, 0, 0, 0, false, 0, NoSuit, false, bidRule("no-suit-stands-out")},
        {ForcedEven, 0, 0, 0, true, 3, Hearts, true, bidRule("forced-up")},
        // A forced dealer still bids a standing-out candidate.
        {Clubs190, 0, 0, 0, true, 6, Clubs, false, bidRule("clubs-down")},
        // Too weak, forced: four Hearts and four Spades; five Two-to-Five
        // (the Ace counted) and five Nine-to-King.
        {Hearts119, 0, 0, 0, true, 3, Hearts, true, bidRule("forced-up")},
    };
    for (const DecisionRow& row : rows)
        for (Seat s : {South, West, North, East}) {
            TableState t = tableWith({{s, row.hand}});
            t.bidLevel[nextSeat(s)] = row.left;
            t.bidLevel[partnerOf(s)] = row.partner;
            t.bidLevel[nextSeat(partnerOf(s))] = row.right;
            t.forcedBid = row.forced;
            const BidDecision d = robotBid(t, s);
            const std::string at = std::string(row.hand) + " from seat " + std::to_string(s);
            EXPECT_EQ(d.bid, row.level > 0) << at;
            EXPECT_EQ(d.level, row.level) << at;
            EXPECT_EQ(d.why, bidReason(row.rule)) << at << ": " << (d.why.rule ? d.why.rule->id : "none");
            if (d.bid) {
                EXPECT_EQ(d.trumps, row.trumps) << at;
                EXPECT_EQ(d.high, row.high) << at;
            }
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
