#include <gtest/gtest.h>

#include "fixtures.h"

namespace corvane {
namespace {

using testing::event;
using testing::pauses;
using testing::tableNames;
using testing::tableWith;
using testing::totalMs;
using V = std::vector<double>;

class Pacing : public ::testing::Test {
protected:
    Steps run(EventData data, const TableState& after, std::vector<std::string> log = {})
    {
        return choreographer.stepsFor(event(std::move(data), std::move(log)), after, tableNames());
    }
    int countSounds(const Steps& steps, step::Cue cue)
    {
        int n = 0;
        for (const Step& s : steps)
            n += s == Step{step::Sound{cue}};
        return n;
    }

    Choreographer choreographer;
    TableState table = tableWith({});
};

TEST_F(Pacing, ARobotPassTakes750AndLeavesTheNormalPause)
{
    const Steps steps = run(ev::BidPassed{East, {}}, table);
    EXPECT_GE(totalMs(steps), 750);
    EXPECT_EQ(pauses(steps), V{750});
    EXPECT_EQ(countSounds(steps, step::Cue::RingOut), 1);
    EXPECT_EQ(choreographer.pauseLength(), 125);
}

TEST_F(Pacing, ARobotBidTakes1500)
{
    EXPECT_EQ(pauses(run(ev::BidMade{North, 4, true, Spades, false, {}}, table)), V{1500});
    EXPECT_EQ(choreographer.pauseLength(), 125);
}

TEST_F(Pacing, ThePersonsBidTakes1000ThenTheNormalPause)
{
    run(ev::HumanBidTurn{false}, table);
    EXPECT_EQ(choreographer.pauseLength(), 1000);
    EXPECT_EQ(pauses(run(ev::BidMade{South, 5, false, Hearts, false, {}}, table, {"Ann bids 5 LOW"})), V{1000});
    EXPECT_EQ(choreographer.pauseLength(), 125);
}

TEST_F(Pacing, ThePersonsPassLeaves1000UntilTheNextActivitySetsIt)
{
    run(ev::HumanBidTurn{false}, table);
    EXPECT_EQ(pauses(run(ev::BidPassed{South, {}}, table, {"Ann Passes."})), V{1000});
    EXPECT_EQ(choreographer.pauseLength(), 1000);
    // The next robot sets its own length.
    EXPECT_EQ(pauses(run(ev::BidPassed{West, {}}, table)), V{750});
    EXPECT_EQ(choreographer.pauseLength(), 125);
}

TEST_F(Pacing, LayingOutWestRestoresTheNormalPauseButNotNorth)
{
    const TableState afterNorth = tableWith({{North, {1, 2, 3}}, {KittyPlace, {4, 5, 6, 7, 8, 9}}});
    const TableState afterWest = tableWith({{West, {1, 2, 3}}, {KittyPlace, {4, 5, 6, 7, 8, 9}}});
    const CardSet discards = CardSet::range(4, 9);

    run(ev::HumanBidTurn{false}, table);
    run(ev::BidPassed{South, {}}, table);
    run(ev::KittyDiscarded{North, discards, {}}, afterNorth);
    EXPECT_EQ(choreographer.pauseLength(), 1000);
    run(ev::KittyDiscarded{West, discards, {}}, afterWest);
    EXPECT_EQ(choreographer.pauseLength(), 125);
}

TEST_F(Pacing, ARobotCardIsPlayedIn400msSteps)
{
    const TableState after = tableWith({{East, {30, 31}}});
    const Steps steps = run(ev::CardPlayed{East, 12, 2, {}}, after, {"Eve played Ace  of  Diamonds"});
    // The pause between the two jumps, the card sound's pause, and the pause after the log line.
    EXPECT_EQ(pauses(steps), (V{400, 400, 400}));
    EXPECT_EQ(countSounds(steps, step::Cue::CardDeal), 1);
    EXPECT_EQ(choreographer.pauseLength(), 125);
}

TEST_F(Pacing, ThePersonsCardTakesTheCardSoundsPauseOnly)
{
    const Steps steps = run(ev::CardPlayed{South, 12, 1, {}}, table, {"Ann played Ace  of  Diamonds"});
    EXPECT_EQ(pauses(steps), V{125});
    EXPECT_EQ(countSounds(steps, step::Cue::CardDeal), 1);
}

TEST_F(Pacing, ATrickIsGatheredIn350msPerCardThenSlides)
{
    TableState after = table;
    after.seatTricks[West] = 1;
    after.teamBooks[TheirTeam] = 1;
    const Steps steps = run(ev::TrickGathered{1, West, {0, 1, 2, 3, 4}}, after);
    EXPECT_EQ(pauses(steps), (V{350, 350, 350, 350, 350, 350}));
    EXPECT_EQ(countSounds(steps, step::Cue::CardDeal), 1);
    EXPECT_EQ(choreographer.pauseLength(), 125);
}

TEST_F(Pacing, ATrickWithoutAWinnerIsTurnedAndStackedButNotSent)
{
    const Steps steps = run(ev::TrickGathered{1, NoSeat, {0, 1, 2, 3, 4}}, table);
    EXPECT_EQ(pauses(steps), (V{350, 350, 350, 350}));
    EXPECT_EQ(countSounds(steps, step::Cue::CardDeal), 0);
}

struct DrawCase {
    Seat seat;
    bool diamond;
    V expected;
};

class DealerDraw : public Pacing, public ::testing::WithParamInterface<DrawCase> {};

TEST_P(DealerDraw, TurnsEachCardWithTheSoundAndAnExtraPauseAfterWestAndNorth)
{
    run(ev::DealerDrawStarted{}, table);
    const DrawCase& c = GetParam();
    const Steps steps = run(ev::DealerCardTurned{c.seat, 20, c.diamond}, table);
    EXPECT_EQ(pauses(steps), c.expected);
    EXPECT_EQ(countSounds(steps, step::Cue::CardDeal), 1);
}

INSTANTIATE_TEST_SUITE_P(Seats, DealerDraw,
                         ::testing::Values(DrawCase{West, false, {250, 250}}, DrawCase{North, false, {250, 250}},
                                           DrawCase{East, false, {250}}, DrawCase{South, false, {250}},
                                           DrawCase{West, true, {250}}, DrawCase{North, true, {250}}),
                         [](const auto& p) {
                             return std::string("Seat") + std::to_string(p.param.seat) +
                                    (p.param.diamond ? "Diamond" : "Other");
                         });

TEST_F(Pacing, TheDrawStartsWithA250Pause)
{
    EXPECT_EQ(pauses(run(ev::DealerDrawStarted{}, table)), V{250});
}

TEST_F(Pacing, ANewGameDuringTheDealersWaitPausesAtTheDrawsLength)
{
    run(ev::DealerDrawStarted{}, table);
    run(ev::DealerChosen{West, North}, table);
    EXPECT_EQ(pauses(run(ev::HandStarted{true}, table)), V{250});
    EXPECT_EQ(pauses(run(ev::HandStarted{false}, table)), V{});
}

TEST_F(Pacing, DealingASeatCardTakesTwo50PausesAndAKittyCardOne25)
{
    const Steps seat = run(ev::CardDealt{North, 7}, tableWith({{North, {7}}}));
    EXPECT_EQ(pauses(seat), (V{50, 50}));
    EXPECT_EQ(countSounds(seat, step::Cue::CardDeal), 1);
    const Steps kitty = run(ev::CardDealt{KittyPlace, 8}, tableWith({{KittyPlace, {8}}}));
    EXPECT_EQ(pauses(kitty), V{25});
    EXPECT_EQ(countSounds(kitty, step::Cue::CardDeal), 0);
    EXPECT_EQ(choreographer.pauseLength(), 125);
}

TEST_F(Pacing, EventsWithoutPausesTakeNoTime)
{
    for (EventData data : {EventData{ev::BiddingOpened{West}}, EventData{ev::PackGathered{}},
                           EventData{ev::ContractAnnounced{West}}, EventData{ev::PlayStarting{}},
                           EventData{ev::HumanCardTurn{}}, EventData{ev::Refused{}}})
        EXPECT_EQ(totalMs(run(data, table)), 0) << describe(event(data));
}

}  // namespace
}  // namespace corvane
