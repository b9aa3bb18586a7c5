// The pauses of each event, by a table: what came before, the event, the
// pauses it makes, its sounds, and the pause it leaves for the next one.
#include <gtest/gtest.h>

#include <numeric>

#include "fixtures.h"

namespace corvane {
namespace {

using testing::event;
using testing::pauses;
using testing::tableNames;
using testing::tableWith;
using V = std::vector<double>;

struct Beat {
    EventData data;
    TableState after = tableWith({});
    std::vector<std::string> log = {};
};

struct PaceCase {
    const char* name;
    std::vector<Beat> before;
    Beat beat;
    V expected;
    int cardSounds;
    int bells;
    int pauseAfter;  // the choreographer's pause length once it is played
};

TableState tableAfterTrick()
{
    TableState t = tableWith({});
    t.seatTricks[West] = 1;
    t.teamBooks[TheirTeam] = 1;
    return t;
}

const CardSet Discards = CardSet::range(4, 9);
const TableState AfterNorth = tableWith({{North, {1, 2, 3}}, {KittyPlace, {4, 5, 6, 7, 8, 9}}});
const TableState AfterWest = tableWith({{West, {1, 2, 3}}, {KittyPlace, {4, 5, 6, 7, 8, 9}}});
const std::vector<Beat> PersonsTurn = {{ev::HumanBidTurn{false}}};
const std::vector<Beat> PersonPassed = {{ev::HumanBidTurn{false}}, {ev::BidPassed{South, {}}, tableWith({}), {"Ann Passes."}}};
const std::vector<Beat> Drawing = {{ev::DealerDrawStarted{}}};

const PaceCase Cases[] = {
    {"ARobotPass", {}, {ev::BidPassed{East, {}}}, V{750}, 0, 1, 125},
    {"ARobotBid", {}, {ev::BidMade{North, 4, true, Spades, false, {}}}, V{1500}, 0, 1, 125},
    {"ThePersonsTurnToBid", {}, {ev::HumanBidTurn{false}}, V{}, 0, 0, 1000},
    {"ThePersonsBid", PersonsTurn, {ev::BidMade{South, 5, false, Hearts, false, {}}, tableWith({}), {"Ann bids 5 LOW"}},
     V{1000}, 0, 1, 125},
    {"ThePersonsPassLeavesItsPause", PersonsTurn, {ev::BidPassed{South, {}}, tableWith({}), {"Ann Passes."}}, V{1000}, 0,
     1, 1000},
    {"TheNextRobotSetsItsOwn", PersonPassed, {ev::BidPassed{West, {}}}, V{750}, 0, 1, 125},
    {"NorthLayingOutKeepsThePause", PersonPassed, {ev::KittyDiscarded{North, Discards, {}}, AfterNorth}, V{}, 0, 0, 1000},
    {"WestLayingOutRestoresIt", PersonPassed, {ev::KittyDiscarded{West, Discards, {}}, AfterWest}, V{}, 0, 0, 125},
    {"ARobotCardInThreeSteps", {}, {ev::CardPlayed{East, 12, 2, {}}, tableWith({{East, {30, 31}}}), {"Eve played"}},
     V{400, 400, 400}, 1, 0, 125},
    {"ThePersonsCard", {}, {ev::CardPlayed{South, 12, 1, {}}, tableWith({}), {"Ann played"}}, V{125}, 1, 0, 125},
    {"ATrickGatheredAndSent", {}, {ev::TrickGathered{1, West, {0, 1, 2, 3, 4}}, tableAfterTrick()},
     V{350, 350, 350, 350, 350, 350}, 1, 0, 125},
    {"ATrickWithoutAWinnerStaysStacked", {}, {ev::TrickGathered{1, NoSeat, {0, 1, 2, 3, 4}}}, V{350, 350, 350, 350}, 0,
     0, 125},
    {"TheDrawStarts", {}, {ev::DealerDrawStarted{}}, V{250}, 0, 0, 250},
    {"DrawWestWaitsMore", Drawing, {ev::DealerCardTurned{West, 20, false}}, V{250, 250}, 1, 0, 250},
    {"DrawNorthWaitsMore", Drawing, {ev::DealerCardTurned{North, 20, false}}, V{250, 250}, 1, 0, 250},
    {"DrawEast", Drawing, {ev::DealerCardTurned{East, 20, false}}, V{250}, 1, 0, 250},
    {"DrawSouth", Drawing, {ev::DealerCardTurned{South, 20, false}}, V{250}, 1, 0, 250},
    {"DrawWestDiamond", Drawing, {ev::DealerCardTurned{West, 20, true}}, V{250}, 1, 0, 250},
    {"DrawNorthDiamond", Drawing, {ev::DealerCardTurned{North, 20, true}}, V{250}, 1, 0, 250},
    {"ANewGameDuringTheDealersWait", {{ev::DealerDrawStarted{}}, {ev::DealerChosen{West, North}}},
     {ev::HandStarted{true}}, V{250}, 0, 0, 250},
    {"ANextHand", {{ev::DealerDrawStarted{}}, {ev::DealerChosen{West, North}}}, {ev::HandStarted{false}}, V{}, 0, 0,
     250},
    {"DealingASeatCard", {}, {ev::CardDealt{North, 7}, tableWith({{North, {7}}})}, V{50, 50}, 1, 0, 125},
    {"DealingAKittyCard", {}, {ev::CardDealt{KittyPlace, 8}, tableWith({{KittyPlace, {8}}})}, V{25}, 0, 0, 125},
    {"BiddingOpened", {}, {ev::BiddingOpened{West}}, V{}, 0, 0, 125},
    {"PackGathered", {}, {ev::PackGathered{}}, V{}, 0, 0, 250},
    {"ContractAnnounced", {}, {ev::ContractAnnounced{West}}, V{}, 0, 0, 125},
    {"PlayStarting", {}, {ev::PlayStarting{}}, V{}, 0, 0, 125},
    {"HumanCardTurn", {}, {ev::HumanCardTurn{}}, V{}, 0, 0, 125},
    {"Refused", {}, {ev::Refused{}}, V{}, 0, 0, 125},
};

void PrintTo(const PaceCase& c, std::ostream* o) { *o << c.name; }

class Pacing : public ::testing::TestWithParam<PaceCase> {};

int count(const Steps& steps, step::Cue cue)
{
    int n = 0;
    for (const Step& s : steps)
        n += s == Step{step::Sound{cue}};
    return n;
}

TEST_P(Pacing, PausesSoundsAndThePauseLeft)
{
    const PaceCase& c = GetParam();
    Choreographer choreographer;
    const auto run = [&](const Beat& b) { return choreographer.stepsFor(event(b.data, b.log), b.after, tableNames()); };
    for (const Beat& b : c.before)
        run(b);
    const Steps steps = run(c.beat);
    EXPECT_EQ(pauses(steps), c.expected);
    EXPECT_EQ(testing::totalMs(steps), std::accumulate(c.expected.begin(), c.expected.end(), 0.0));
    EXPECT_EQ(count(steps, step::Cue::CardDeal), c.cardSounds);
    EXPECT_EQ(count(steps, step::Cue::RingOut), c.bells);
    EXPECT_EQ(choreographer.pauseLength(), c.pauseAfter);
}

INSTANTIATE_TEST_SUITE_P(Events, Pacing, ::testing::ValuesIn(Cases), [](const auto& p) { return std::string(p.param.name); });

}  // namespace
}  // namespace corvane
