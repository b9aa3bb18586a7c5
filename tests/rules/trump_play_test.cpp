#include <gtest/gtest.h>

#include "rules/play/no_trumps_play.h"
#include "rules/play/trump_play.h"
#include "trick_fixture.h"

using namespace corvane;
using corvane::testing::card;
using corvane::testing::TrickTable;

// The card East chooses: each row the contract's direction, the hand, the
// trick so far, the cards gathered, the card and the trumps.
TEST(TrumpPlay, EachPositionAndDirectionChoosesItsCard)
{
    struct Case {
        bool high;
        const char* hand;
        const char* trick;
        const char* gathered;
        const char* card;
        Suit trumps;
        const Rule* rule = nullptr;  // the rule that must decide, where given
    };
    const Case cases[] = {
        // Uptown, leading: jokers and top trumps only when nothing above is out.
        {true, "BJ AS 2D", "", "", "BJ", Spades},
        {true, "LJ 2D 3C", "", "", "2D", Spades},  // the Big Joker is still out
        {true, "LJ 2D 3C", "", "BJ", "LJ", Spades},
        {true, "AS 2D", "", "LJ BJ", "AS", Spades},
        // Holding Ace and King with a joker out: neither; the plain Ace instead.
        {true, "AC AS 3D", "", "LJ", "AC", Spades},
        // Rule 3 stops at the first of the four held: with the Ace held but not
        // cleared, a cleared-looking King is not tried.
        {true, "AS KS 4D", "", "BJ", "4D", Spades},
        // Honours below gathered Aces, in suit order, trumps included.
        {true, "KH KC 2D", "", "AH", "KH", Spades},
        {true, "KH KC 2D", "", "AH AC", "KC", Spades},
        {true, "QH KC 2D", "", "AH KH AC", "KC", Spades},  // Kings before Queens
        {true, "QH 2D", "", "AH KH", "QH", Spades},
        {true, "JH 2D", "", "AH KH QH", "JH", Spades},
        {true, "QH 9D 3C", "", "", "3C", Spades},  // the lowest card
        // Uptown, second: the cheapest winner, else the lowest.
        {true, "TH QH AH 2C", "9H", "", "TH", Spades},
        {true, "3S 8S BJ 2C", "9H", "", "3S", Spades},  // void: the lowest trump
        {true, "3D 2C", "9H", "", "2C", Spades},        // void, no trump: the lowest card
        {true, "QH AH", "AH", "", "QH", Spades},        // cannot beat an Ace
        // Trumps led: the jokers come last in the upward scan.
        {true, "BJ 9S 2D", "8S", "", "9S", Spades},
        {true, "BJ 2S 2D", "8S", "", "BJ", Spades},
        // Uptown, third: low when the partner is ahead or beaten.
        {true, "2H KH", "AH 5H", "", "2H", Spades},  // partner led the Ace
        {true, "2H KH", "TH JH", "", "KH", Spades},  // cheapest card over the second
        {true, "2H QH", "TH KH", "", "2H", Spades},  // cannot beat it
        // Void, the second player trumped with the Six.
        {true, "BJ 7S 2D", "TH 6S", "", "BJ", Spades},
        {true, "LJ 7S 2D", "TH 6S", "BJ", "LJ", Spades},
        {true, "LJ 5S 7S 2D", "TH 6S", "", "7S", Spades},
        // Void, the second player followed and leads: trump low.
        {true, "5S 9S 2D", "TH JH", "", "5S", Spades},
        // Uptown, fourth: trumps only to beat the third player.
        {true, "2D 3S", "TH KH 5H", "", "2D", Spades},  // partner winning: no trump
        {true, "2D 3S", "KH 5H 6H", "", "3S", Spades},  // third followed, leader ahead
        {true, "2D 3S 8S", "KH 5H 6S", "", "8S", Spades},  // over-trump
        {true, "2D 3S", "KH 5H 6S", "", "2D", Spades},
        {true, "2H QH AH", "TH 5H JH", "", "QH", Spades},
        {true, "2H QH AH", "JH 5H TH", "", "QH", Spades},
        {true, "2H QH AH", "TH 5H 4S", "", "2H", Spades},  // third trumped
        {true, "2S LJ", "5S 6S 7S", "BJ", "LJ", Spades},
        // Downtown, leading: the ladder runs Ace, Two, Three, Four.
        {false, "2H 3H 9D", "", "LJ BJ AH", "2H", Hearts},
        {false, "2C 9D 8H", "", "AC", "2C", Spades},
        {false, "3C 9D 8H", "", "AC 2C", "3C", Spades},
        {false, "AS 2S 9D", "", "LJ BJ", "AS", Spades},
        {false, "2S 9D", "", "LJ BJ AS", "2S", Spades},
        {false, "KD 9D 2C", "", "", "KD", Spades},  // the lowest card downtown
        // Downtown, second: the scan runs down, so the Ace first.
        {false, "KH 5H AH", "9H", "", "AH", Spades},
        {false, "KH QH", "9H", "", "KH", Spades},
        {false, "BJ KS 2D", "9H", "", "BJ", Spades},
        {false, "KS 2S 2D", "9H", "", "KS", Spades},  // the scan down meets the King first
        // Downtown, third and fourth: the scans still run up from the Two.
        {false, "2H 4H 5H", "TH 6H", "", "2H", Spades},
        // Trumps led, the partner's Two against the second player's Three.
        {false, "4S AS", "2S 3S", "", "4S", Spades},  // partner ahead: lowest of the suit
        {false, "2H 3H KH", "9H 5H TH", "", "KH", Spades},  // partner's Five is ahead
        {false, "2H 3H QH", "9H KH TH", "", "2H", Spades},
        // The rule that decided matters as much as the card: the same card
        // for the wrong reason is a wrong branch.
        {true, "AS KS AH 2D", "", "LJ", "AH", Spades, trumpRule("lead-plain-ace")},
        {true, "KS 2D", "", "LJ BJ AS", "KS", Spades, trumpRule("lead-top-trump")},
        {true, "KS 2D 3H", "", "AS", "KS", Spades, trumpRule("lead-ladder1")},
        {true, "2H 5H AC", "9H", "", "2H", Spades, trumpRule("second-cannot-beat-lead")},
        {true, "2H KH", "TH 5H", "", "2H", Spades, trumpRule("third-partner-ahead")},
        {true, "2H KH", "TH 4S", "", "2H", Spades, trumpRule("third-second-trumped")},
        {true, "5S 2D 3C", "TH 6S", "", "2D", Spades, trumpRule("third-void-cannot-overtrump")},
        {true, "2D 3S", "KH 5H 4C", "", "2D", Spades, trumpRule("fourth-void-discards")},
        {false, "KH 8H 5H", "9H", "", "8H", Spades, trumpRule("second-beats-lead")},
        {false, "4S AS", "3S 2S", "", "AS", Spades, trumpRule("third-beats-second")},
    };
    for (const Case& c : cases) {
        const PlayDecision d = TrickTable(c.trumps, c.high, East, c.hand, c.trick, c.gathered).decide();
        EXPECT_EQ(d.card, card(c.card)) << c.hand << " / " << c.trick << " / " << c.gathered;
        if (c.rule)
            EXPECT_EQ(d.why, (Reason{c.high ? Reason::Source::PlayItHigh : Reason::Source::PlayItLow, c.rule}))
                << c.hand << " / " << c.trick << ": " << (d.why.rule ? d.why.rule->id : "none");
    }
}
