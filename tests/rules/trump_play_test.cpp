#include <gtest/gtest.h>

#include "rules/play/no_trumps_play.h"
#include "rules/play/trump_play.h"
#include "trick_fixture.h"

using namespace corvane;
using corvane::testing::card;
using corvane::testing::TrickTable;

namespace {

// The card East chooses in a Spades (or given) contract.
Card high(std::string_view hand, std::string_view trick = "", std::string_view gathered = "", Suit trumps = Spades)
{
    return TrickTable(trumps, true, East, hand, trick, gathered).choose();
}
Card low(std::string_view hand, std::string_view trick = "", std::string_view gathered = "", Suit trumps = Spades)
{
    return TrickTable(trumps, false, East, hand, trick, gathered).choose();
}

}  // namespace

TEST(PlayItHighLead, JokersAndTopTrumpsOnlyWhenNothingAboveIsOut)
{
    EXPECT_EQ(high("BJ AS 2D"), BigJoker);
    EXPECT_EQ(high("LJ 2D 3C"), card("2D"));  // the Big Joker is still out
    EXPECT_EQ(high("LJ 2D 3C", "", "BJ"), LittleJoker);
    EXPECT_EQ(high("AS 2D", "", "LJ BJ"), card("AS"));
    // Holding Ace and King with a joker out: neither; the plain Ace instead.
    EXPECT_EQ(high("AC AS 3D", "", "LJ"), card("AC"));
    // Rule 3 stops at the first of the four held: with the Ace held but not
    // cleared, a cleared-looking King is not tried.
    EXPECT_EQ(high("AS KS 4D", "", "BJ"), card("4D"));
}

TEST(PlayItHighLead, HonoursBelowGatheredAcesInSuitOrderTrumpsIncluded)
{
    EXPECT_EQ(high("KH KC 2D", "", "AH"), card("KH"));
    EXPECT_EQ(high("KH KC 2D", "", "AH AC"), card("KC"));
    EXPECT_EQ(high("QH KC 2D", "", "AH KH AC"), card("KC"));  // Kings before Queens
    EXPECT_EQ(high("QH 2D", "", "AH KH"), card("QH"));
    EXPECT_EQ(high("JH 2D", "", "AH KH QH"), card("JH"));
    EXPECT_EQ(high("QH 9D 3C"), card("3C"));  // the lowest card
}

TEST(PlayItHighSecond, CheapestWinnerElseLowest)
{
    EXPECT_EQ(high("TH QH AH 2C", "9H"), card("TH"));
    EXPECT_EQ(high("3S 8S BJ 2C", "9H"), card("3S"));  // void: the lowest trump
    EXPECT_EQ(high("3D 2C", "9H"), card("2C"));        // void, no trump: the lowest card
    EXPECT_EQ(high("QH AH", "AH"), card("QH"));        // cannot beat an Ace
    // Trumps led: the jokers come last in the upward scan.
    EXPECT_EQ(high("BJ 9S 2D", "8S"), card("9S"));
    EXPECT_EQ(high("BJ 2S 2D", "8S"), BigJoker);
}

TEST(PlayItHighThird, FollowsLowWhenThePartnerIsAheadOrBeaten)
{
    EXPECT_EQ(high("2H KH", "AH 5H"), card("2H"));  // partner led the Ace
    EXPECT_EQ(high("2H KH", "TH JH"), card("KH"));  // cheapest card over the second
    EXPECT_EQ(high("2H QH", "TH KH"), card("2H"));  // cannot beat it
    // Void, the second player trumped with the Six.
    EXPECT_EQ(high("BJ 7S 2D", "TH 6S"), BigJoker);
    EXPECT_EQ(high("LJ 7S 2D", "TH 6S", "BJ"), LittleJoker);
    EXPECT_EQ(high("LJ 5S 7S 2D", "TH 6S"), card("7S"));
    // Void, the second player followed and leads: trump low.
    EXPECT_EQ(high("5S 9S 2D", "TH JH"), card("5S"));
}

TEST(PlayItHighFourth, TrumpsOnlyToBeatTheThirdPlayer)
{
    EXPECT_EQ(high("2D 3S", "TH KH 5H"), card("2D"));  // partner winning: no trump
    EXPECT_EQ(high("2D 3S", "KH 5H 6H"), card("3S"));  // third followed, leader ahead
    EXPECT_EQ(high("2D 3S 8S", "KH 5H 6S"), card("8S"));  // over-trump
    EXPECT_EQ(high("2D 3S", "KH 5H 6S"), card("2D"));
    EXPECT_EQ(high("2H QH AH", "TH 5H JH"), card("QH"));
    EXPECT_EQ(high("2H QH AH", "JH 5H TH"), card("QH"));
    EXPECT_EQ(high("2H QH AH", "TH 5H 4S"), card("2H"));  // third trumped
    EXPECT_EQ(high("2S LJ", "5S 6S 7S", "BJ"), LittleJoker);
}

TEST(PlayItLowLead, TheLadderRunsAceTwoThreeFour)
{
    EXPECT_EQ(low("2H 3H 9D", "", "LJ BJ AH", Hearts), card("2H"));
    EXPECT_EQ(low("2C 9D 8H", "", "AC"), card("2C"));
    EXPECT_EQ(low("3C 9D 8H", "", "AC 2C"), card("3C"));
    EXPECT_EQ(low("AS 2S 9D", "", "LJ BJ"), card("AS"));
    EXPECT_EQ(low("2S 9D", "", "LJ BJ AS"), card("2S"));
    EXPECT_EQ(low("KD 9D 2C"), card("KD"));  // the lowest card downtown
}

TEST(PlayItLowSecond, ScansDownSoTheAceFirst)
{
    EXPECT_EQ(low("KH 5H AH", "9H"), card("AH"));
    EXPECT_EQ(low("KH QH", "9H"), card("KH"));
    EXPECT_EQ(low("BJ KS 2D", "9H"), BigJoker);
    EXPECT_EQ(low("KS 2S 2D", "9H"), card("KS"));  // the scan down meets the King first
}

TEST(PlayItLowThirdAndFourth, ScansStillRunUpFromTheTwo)
{
    EXPECT_EQ(low("2H 4H 5H", "TH 6H"), card("2H"));
    // Trumps led, the partner's Two against the second player's Three.
    EXPECT_EQ(low("4S AS", "2S 3S"), card("4S"));  // partner ahead: lowest of the suit
    EXPECT_EQ(low("2H 3H KH", "9H 5H TH"), card("KH"));  // partner's Five is ahead
    EXPECT_EQ(low("2H 3H QH", "9H KH TH"), card("2H"));
}

// The rule that decided matters as much as the card: the same card for the
// wrong reason is a wrong branch. More cases, each with its card and rule.
TEST(TrumpReasons, TheDecidingRuleComesWithTheCard)
{
    struct Case {
        bool high;
        const char* hand;
        const char* trick;
        const char* gathered;
        const char* card;
        const Rule* rule;
    };
    const Case cases[] = {
        {true, "AS KS AH 2D", "", "LJ", "AH", trumpRule("lead-plain-ace")},
        {true, "KS 2D", "", "LJ BJ AS", "KS", trumpRule("lead-top-trump")},
        {true, "KS 2D 3H", "", "AS", "KS", trumpRule("lead-ladder1")},
        {true, "2H 5H AC", "9H", "", "2H", trumpRule("second-cannot-beat-lead")},
        {true, "2H KH", "TH 5H", "", "2H", trumpRule("third-partner-ahead")},
        {true, "2H KH", "TH 4S", "", "2H", trumpRule("third-second-trumped")},
        {true, "5S 2D 3C", "TH 6S", "", "2D", trumpRule("third-void-cannot-overtrump")},
        {true, "2D 3S", "KH 5H 4C", "", "2D", trumpRule("fourth-void-discards")},
        {false, "KH 8H 5H", "9H", "", "8H", trumpRule("second-beats-lead")},
        {false, "4S AS", "3S 2S", "", "AS", trumpRule("third-beats-second")},
    };
    for (const Case& c : cases) {
        const PlayDecision d = TrickTable(Spades, c.high, East, c.hand, c.trick, c.gathered).decide();
        EXPECT_EQ(d.card, card(c.card)) << c.hand << " / " << c.trick;
        EXPECT_EQ(d.why, (Reason{c.high ? Reason::Source::PlayItHigh : Reason::Source::PlayItLow,
                                 c.rule}))
            << c.hand << " / " << c.trick << ": " << (d.why.rule ? d.why.rule->id : "none");
    }
}
