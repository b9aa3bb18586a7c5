#include <gtest/gtest.h>

#include "rules/play/no_trumps_play.h"
#include "rules/play/trump_play.h"
#include "trick_fixture.h"

using namespace corvane;
using corvane::testing::card;
using corvane::testing::TrickTable;

// The card East chooses in No Trumps, and where given the rule that decided.
TEST(NoTrumpPlay, EachPositionAndDirectionChoosesItsCard)
{
    struct Case {
        bool high;
        const char* hand;
        const char* trick;
        const char* gathered;
        const char* card;
        const Rule* rule = nullptr;
    };
    const Case cases[] = {
        // Uptown, leading: Aces, then honours cleared by gathered cards.
        {true, "AH AC 2D", "", "", "AC"},
        {true, "KS KD 2C", "", "AS", "KS"},
        {true, "KS KD 2C", "", "AS AD", "KD"},
        {true, "QH 5C 3D", "", "AH KH", "QH"},
        {true, "QH 5C 3D", "", "AH", "3D"},
        {true, "QH 5C 3D KH", "", "", "3D"},  // its own King does not count as gone
        // Uptown, second to fourth.
        {true, "AH QH 4H", "JH", "", "QH"},
        {true, "KH 2H", "5H AH", "", "2H"},  // second played the Ace
        {true, "KH QH 2H", "5H JH", "", "QH"},
        {true, "2D 9C", "5H JH", "", "2D"},  // void
        {true, "AH 2H", "5H KH 3H", "", "2H"},  // partner winning
        {true, "AH QH 2H", "TH 5H JH", "", "QH"},
        // Downtown, leading: Aces, then Twos, Threes, Fours.
        {false, "AS AD 5C", "", "", "AD"},
        {false, "2H 9C", "", "AH", "2H"},
        {false, "2H 2C 9C", "", "AH AC", "2C"},
        {false, "3H 9C", "", "AH 2H", "3H"},
        {false, "KD 9D 2C", "", "", "KD"},
        // Downtown, second to fourth.
        {false, "3H 7H", "9H", "", "7H"},
        {false, "3H 7H", "AH", "", "7H"},  // under an Ace: the weakest
        {false, "2H 5H", "9H 8H", "", "2H"},
        {false, "AH KH", "5H 2H 9H", "", "KH"},  // the fourth never tries
        {false, "AH 3C", "5H 2H 9H", "", "AH"},
        // Each with the rule that chose it.
        {true, "AH QH 4H", "AH", "", "4H", noTrumpRule("second-under-ace")},
        {true, "AH 2H", "KH 3H", "", "2H", noTrumpRule("third-partner-ahead")},
        {true, "AH 2H", "KH 5H 3C", "", "2H", noTrumpRule("fourth-follows-low")},
        {true, "AH QH 2H", "TH 5C JH", "", "QH", noTrumpRule("fourth-beats-leader-and-third")},
        {false, "AH 3H 7H", "9H", "", "AH", noTrumpRule("second-beats-lead")},
        {false, "KH 2H", "9H AH", "", "KH", noTrumpRule("third-second-played-ace")},
        {false, "KD 9C", "5H 2H 9H", "", "KD", noTrumpRule("fourth-void")},
    };
    for (const Case& c : cases) {
        const PlayDecision d = TrickTable(NoTrumps, c.high, East, c.hand, c.trick, c.gathered).decide();
        EXPECT_EQ(d.card, card(c.card)) << c.hand << " / " << c.trick << " / " << c.gathered;
        if (c.rule)
            EXPECT_EQ(d.why, (Reason{c.high ? Reason::Source::HighNoTrumps : Reason::Source::LowNoTrumps, c.rule}))
                << c.hand << " / " << c.trick << ": " << (d.why.rule ? d.why.rule->id : "none");
    }
}
