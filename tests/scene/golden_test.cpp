// A short made-up stretch of a hand, step by step: West passes, then a whole
// trick led by North and taken by West.
#include <gtest/gtest.h>

#include "fixtures.h"

namespace corvane {
namespace {

using testing::described;
using testing::event;
using testing::tableNames;
using testing::tableWith;

TEST(Golden, APassAndATrick)
{
    TableState t = tableWith({{South, {41, 43}}, {West, {44, 52}}, {North, {40, 42}}, {East, {45, 46}}});
    Choreographer choreographer;
    std::vector<std::string> got;
    auto take = [&](EventData data, std::vector<std::string> log = {}) {
        for (const std::string& line : described(choreographer.stepsFor(event(data, log), t, tableNames())))
            got.push_back(line);
    };
    auto play = [&](Seat s, Card c, int position, const char* line) {
        t.move(c, OutOfPlay);
        take(ev::CardPlayed{s, c, position, {}}, {line});
    };

    take(ev::BidPassed{West, {}});
    play(North, 40, 1, "Nora played Two of  Spades");
    play(East, 45, 2, "Eve played Seven of  Spades");
    take(ev::HumanCardTurn{}, {"Ann please click on the card you wish to play."});
    play(South, 41, 3, "Ann played Three of  Spades");
    play(West, 52, 4, "Wes played Ace  of  Spades");
    t.seatTricks[West] = 1;
    t.teamBooks[TheirTeam] = 1;
    take(ev::TrickGathered{1, West, {0, 40, 45, 41, 52}}, {"Wes won this trick and will now lead a card."});

    const std::vector<std::string> expected = {
        // West passes.
        "Caption WestName \"Wes PASS\"",
        "Sound RingOut",
        "Pause 750ms",
        // North slides its card in two jumps, then its hand closes up.
        "Move 40 5280,1560 face",
        "Pause 400ms",
        "Move 40 5280,2880 face front",
        "Sound CardDeal",
        "Pause 400ms",
        "Log \"Nora played Two of  Spades\"",
        "Pause 400ms",
        "Move 42 3000,120 back front",
        // East.
        "Move 45 8520,3720 face",
        "Pause 400ms",
        "Move 45 6960,3840 face front",
        "Sound CardDeal",
        "Pause 400ms",
        "Log \"Eve played Seven of  Spades\"",
        "Pause 400ms",
        "Move 46 10200,2280 back front",
        // The person's turn and card: one jump, the hand keeps its gap.
        "Log \"Ann please click on the card you wish to play.\"",
        "Move 41 5280,5160 face",
        "Sound CardDeal",
        "Pause 125ms",
        "Log \"Ann played Three of  Spades\"",
        // West.
        "Move 52 1920,3720 face",
        "Pause 400ms",
        "Move 52 3600,3840 face front",
        "Sound CardDeal",
        "Pause 400ms",
        "Log \"Wes played Ace  of  Spades\"",
        "Pause 400ms",
        "Move 44 480,2280 back front",
        // West takes the trick: counted, turned over card by card, stacked,
        // and the top card sent to West's side.
        "Caption TheirMade \"1\"",
        "Caption WestName \"Wes- Tricks 1\"",
        "Move 40 5280,2880 back",
        "Pause 350ms",
        "Move 45 6960,3840 back",
        "Pause 350ms",
        "Move 41 5280,5160 back",
        "Pause 350ms",
        "Move 52 3600,3840 back",
        "Pause 350ms",
        "Move 40 5160,3840 back",
        "Move 45 5160,3840 back",
        "Move 41 5160,3840 back",
        "Move 52 5160,3840 back",
        "Hide 40",
        "Hide 45",
        "Hide 41",
        "Move 52 3360,3720 back",
        "Pause 350ms",
        "Move 52 1320,3720 back",
        "Sound CardDeal",
        "Pause 350ms",
        "Hide 52",
        "Log \"Wes won this trick and will now lead a card.\"",
    };
    EXPECT_EQ(got, expected);
}

}  // namespace
}  // namespace corvane
