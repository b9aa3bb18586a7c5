#include <gtest/gtest.h>

#include "rules/scoring/hand_outcome.h"

namespace corvane {
namespace {

const std::string Won =
    "Ann well done, your team won that game. If you wish to play another game just click 'Right' here and then "
    "press F2.";
const std::string Lost =
    "Ann sorry, your team lost that game. If you wish to play another game just click 'Right' here and then press "
    "F2.";
const std::string TheyLost =
    "Ann well done, their team lost that game. If you wish to play another game just click ;Right' here and then "
    "press F2.";
const std::string OursGoesOn = "Ann game not over, just click 'Right' to deal next hand.";
const std::string TheirsGoesOn =
    "Ann game not over, just click 'Right' to deal next hand. See points situation bottom right of screen.";

struct OutcomeRow {
    Team team;
    int points;
    bool over;
    Team winner;
    int wonAdded;
    int playedAdded;
    MessageBox message;
};

TEST(HandOutcome, SixOutcomesWithTheirTexts)
{
    const OutcomeRow rows[] = {
        {OurTeam, 7, true, OurTeam, 1, 1, {Won, "Right", "", "", 5, "You Win!"}},
        {OurTeam, -7, true, TheirTeam, 0, 1, {Lost, "Right", "", "", 6, "You Lost!"}},
        {OurTeam, 6, false, 0, 0, 0, {OursGoesOn, "Right", "", "", 4, "Deal next hand."}},
        {TheirTeam, 7, true, TheirTeam, 0, 1, {Lost, "Right", "", "", 6, "You Lost!"}},
        {TheirTeam, -7, true, OurTeam, 1, 1, {TheyLost, "Right", "", "", 6, "You Won!"}},
        {TheirTeam, 6, false, 0, 0, 0, {TheirsGoesOn, "O.K", "", "", 4, "Deal next hand."}},
    };
    for (const OutcomeRow& r : rows) {
        const auto o = handOutcome(r.team, r.points, "Ann");
        ASSERT_TRUE(o.has_value());
        const std::string at = "team " + std::to_string(r.team) + " at " + std::to_string(r.points);
        EXPECT_EQ(o->gameOver, r.over) << at;
        EXPECT_EQ(o->winner, r.winner) << at;
        EXPECT_EQ(o->wonAdded, r.wonAdded) << at;
        EXPECT_EQ(o->playedAdded, r.playedAdded) << at;
        EXPECT_EQ(o->message, r.message) << at;
    }
}

TEST(HandOutcome, NoBiddingTeamNoOutcome)
{
    for (Team t : {0, 3})
        EXPECT_FALSE(handOutcome(t, 9, "Ann").has_value()) << t;
}

}  // namespace
}  // namespace corvane
