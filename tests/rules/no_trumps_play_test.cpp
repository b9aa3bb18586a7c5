#include <gtest/gtest.h>

#include "rules/play/no_trumps_play.h"
#include "rules/play/trump_play.h"
#include "trick_fixture.h"

using namespace corvane;
using corvane::testing::card;
using corvane::testing::TrickTable;

namespace {

Card high(std::string_view hand, std::string_view trick = "", std::string_view gathered = "")
{
    return TrickTable(NoTrumps, true, East, hand, trick, gathered).choose();
}
Card low(std::string_view hand, std::string_view trick = "", std::string_view gathered = "")
{
    return TrickTable(NoTrumps, false, East, hand, trick, gathered).choose();
}

}  // namespace

TEST(HighNoTrumps, LeadAcesThenHonoursClearedByGatheredCards)
{
    EXPECT_EQ(high("AH AC 2D"), card("AC"));
    EXPECT_EQ(high("KS KD 2C", "", "AS"), card("KS"));
    EXPECT_EQ(high("KS KD 2C", "", "AS AD"), card("KD"));
    EXPECT_EQ(high("QH 5C 3D", "", "AH KH"), card("QH"));
    EXPECT_EQ(high("QH 5C 3D", "", "AH"), card("3D"));
    EXPECT_EQ(high("QH 5C 3D KH"), card("3D"));  // its own King does not count as gone
}

TEST(HighNoTrumps, SecondThirdFourth)
{
    EXPECT_EQ(high("AH QH 4H", "JH"), card("QH"));
    EXPECT_EQ(high("KH 2H", "5H AH"), card("2H"));  // second played the Ace
    EXPECT_EQ(high("KH QH 2H", "5H JH"), card("QH"));
    EXPECT_EQ(high("2D 9C", "5H JH"), card("2D"));  // void
    EXPECT_EQ(high("AH 2H", "5H KH 3H"), card("2H"));  // partner winning
    EXPECT_EQ(high("AH QH 2H", "TH 5H JH"), card("QH"));
}

TEST(LowNoTrumps, LeadAcesThenTwosThreesFours)
{
    EXPECT_EQ(low("AS AD 5C"), card("AD"));
    EXPECT_EQ(low("2H 9C", "", "AH"), card("2H"));
    EXPECT_EQ(low("2H 2C 9C", "", "AH AC"), card("2C"));
    EXPECT_EQ(low("3H 9C", "", "AH 2H"), card("3H"));
    EXPECT_EQ(low("KD 9D 2C"), card("KD"));
}

TEST(LowNoTrumps, SecondThirdFourth)
{
    EXPECT_EQ(low("3H 7H", "9H"), card("7H"));
    EXPECT_EQ(low("3H 7H", "AH"), card("7H"));  // under an Ace: the weakest
    EXPECT_EQ(low("2H 5H", "9H 8H"), card("2H"));
    EXPECT_EQ(low("AH KH", "5H 2H 9H"), card("KH"));  // the fourth never tries
    EXPECT_EQ(low("AH 3C", "5H 2H 9H"), card("AH"));
}

// More cases, each with the card and the rule that chose it.
TEST(NoTrumpReasons, TheDecidingRuleComesWithTheCard)
{
    struct Case {
        bool high;
        const char* hand;
        const char* trick;
        const char* card;
        const Rule* rule;
    };
    const Case cases[] = {
        {true, "AH QH 4H", "AH", "4H", noTrumpRule("second-under-ace")},
        {true, "AH 2H", "KH 3H", "2H", noTrumpRule("third-partner-ahead")},
        {true, "AH 2H", "KH 5H 3C", "2H", noTrumpRule("fourth-follows-low")},
        {true, "AH QH 2H", "TH 5C JH", "QH", noTrumpRule("fourth-beats-leader-and-third")},
        {false, "AH 3H 7H", "9H", "AH", noTrumpRule("second-beats-lead")},
        {false, "KH 2H", "9H AH", "KH", noTrumpRule("third-second-played-ace")},
        {false, "KD 9C", "5H 2H 9H", "KD", noTrumpRule("fourth-void")},
    };
    for (const Case& c : cases) {
        const PlayDecision d = TrickTable(NoTrumps, c.high, East, c.hand, c.trick).decide();
        EXPECT_EQ(d.card, card(c.card)) << c.hand << " / " << c.trick;
        EXPECT_EQ(d.why, (Reason{c.high ? Reason::Source::HighNoTrumps : Reason::Source::LowNoTrumps,
                                 c.rule}))
            << c.hand << " / " << c.trick << ": " << (d.why.rule ? d.why.rule->id : "none");
    }
}
