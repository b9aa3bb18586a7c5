#include <gtest/gtest.h>

#include <algorithm>

#include "engine/autoplay.h"
#include "engine/game.h"
#include "support/drive.h"

using namespace corvane;
using corvane::testing::Driver;

namespace {

Names names() { return {"", "Ann", "Wes", "Nora", "Eli"}; }

// The first seed whose dealer draw names `dealer`.
std::uint64_t seedForDealer(Seat dealer)
{
    for (std::uint64_t seed = 1; seed < 1000; ++seed) {
        Game g(seed, names());
        Driver d{g};
        d.command(g.newGame());
        d.run();
        if (g.table().dealer == dealer)
            return seed;
    }
    ADD_FAILURE() << "no draw names dealer " << dealer;
    return 1;
}

// The person passes, or bids 3 uptown in Diamonds when forced to bid.
void humanBid(Game& g, Driver& d, bool forced)
{
    if (forced) {
        d.command(g.chooseTrumps(0));
        d.command(g.chooseLevel(3));
        d.command(g.chooseDirection(0));
    } else {
        d.command(g.setPass(true));
    }
    d.command(g.finishBid());
}

void humanDiscards(Game& g, Driver& d)
{
    while (g.table().selected.count() < 6)
        d.command(g.pickDiscard(g.table().hand(South).lowest()));
    d.command(g.confirmDiscards());
}

// (The order of the deal and the dealer's move each hand: the referee of
// the simulator's checked runs.)
class FirstLead : public ::testing::TestWithParam<Seat> {};

TEST_P(FirstLead, LogFromNewGameToTheFirstLead)
{
    const Seat dealer = GetParam();
    Game g(seedForDealer(dealer), names());
    Driver d{g};
    d.command(g.newGame());
    ASSERT_EQ(d.run(), Awaiting::CarryOn);
    const Seat first = nextSeat(dealer);
    const Names n = names();
    std::vector<std::string> want = {
        "Ann a card will now be dealt to each player and the first one with a Diamond will be dealer",
        n[dealer] + " is Dealer " + n[first] + " will bid first. Press return or click button to continue.",
        "Shuffling and dealing the cards. 12 each and 6 for the Kitty",
        first == South ? "Ann you start the bidding. Make your bid as above or Check Pass."
                       : n[first] + " will start the bidding.",
    };
    d.command(g.carryOn());
    Awaiting a = d.run();
    EXPECT_EQ(g.table().kitty().count(), 6);
    for (Seat s = South; s <= East; ++s)
        EXPECT_EQ(g.table().hand(s).count(), 12);
    if (first != South)
        want.push_back("Ann your turn to bid. Make a bid as above or Check Pass.");
    ASSERT_EQ(a, Awaiting::Bid);
    humanBid(g, d, false);
    want.push_back("Ann Passes.");
    a = d.run();
    if (a == Awaiting::Bid) {
        // Everybody passed and the person deals.
        ASSERT_EQ(dealer, South);
        want.push_back("AnnEvery body passed so as dealer you must bid. Please make your bid.");
        humanBid(g, d, true);
        want.push_back("Ann bids 3 HIGH");
        a = d.run();
    } else if (std::any_of(d.events.begin(), d.events.end(), [](const Event& e) { return e.is<ev::AllPassed>(); })) {
        want.push_back("Every body passed so the Dealer " + n[dealer] + " must bid and lead.");
    }
    const Seat winner = g.table().bidWinner;
    if (winner == South) {
        ASSERT_EQ(a, Awaiting::Discards);
        want.push_back("Ann click a total of six cards to discard.Click 'Carry On' button when finished.");
        humanDiscards(g, d);
        a = d.run();
    }
    ASSERT_EQ(a, Awaiting::CarryOn);
    want.push_back(n[winner] + " won bid and will lead card. Press 'Return or click button when you have seen Kitty");
    EXPECT_EQ(d.log, want);
    EXPECT_EQ(g.table().seatTricks[winner], 1);
    EXPECT_EQ(g.table().teamBooks[teamOf(winner)], 1);
    EXPECT_EQ(g.table().hand(winner).count(), 12);

    d.command(g.carryOn());
    a = d.run();
    EXPECT_TRUE(g.table().kitty().empty());
    EXPECT_EQ(g.table().tricksPlayed, 1);
    EXPECT_EQ(g.table().trick.seat[1], winner);
    EXPECT_EQ(d.fault, "");
}

INSTANTIATE_TEST_SUITE_P(EachDealer, FirstLead, ::testing::Values(South, West, North, East));

// Plays whole games to the end, South by the robots' rules, every robot
// seat that decides outside the engine given its Classic choice through
// the door; the events as printed, the waits left out.
std::vector<std::string> wholeGames(std::uint64_t seed, bool outside, RobotRules rules = {})
{
    std::vector<std::string> out;
    Game g(seed, names());
    g.setRobotRules(rules);
    for (Seat s : {West, North, East})
        g.decideOutside(s, outside);
    const auto take = [&](const Event& e) {
        if (!e.is<ev::RobotThinks>())
            out.push_back(describe(e));
    };
    take(g.newGame());
    for (int actions = 0; g.awaiting() != Awaiting::NewGame && actions < 100000; ++actions) {
        if (g.awaiting() == Awaiting::Nothing) {
            take(g.advance());
        } else if (g.awaiting() == Awaiting::Robot) {
            const RobotTurn turn = g.robotTurn();
            const TableState& t = g.table();
            switch (turn.choice) {
            case RobotTurn::Choice::Bid: take(g.decideBid(turn.seat, rules.bid(t, turn.seat))); break;
            case RobotTurn::Choice::Discards: take(g.decideDiscards(turn.seat, rules.discards(t, turn.seat, 6))); break;
            case RobotTurn::Choice::Play: take(g.decideCard(turn.seat, rules.card(t, turn.seat, g.trickPosition())));
                break;
            case RobotTurn::Choice::None: return out;
            }
        } else {
            for (const Event& e : autoplaySouth(g, AutoplayOptions{seed % 2 == 0}))
                take(e);
        }
    }
    return out;
}

// A robot rule gone wrong, one choice at a time.
PlayDecision notFollowing(const TableState& t, Seat s, int position)
{
    PlayDecision d = chooseCard(t, s, position);
    for (Card c : t.hand(s))
        if (!isLegalPlay(t, s, c, position))
            d.card = c;
    return d;
}
BidDecision underTheLadder(const TableState& t, Seat s)
{
    BidDecision d = robotBid(t, s);
    if (d.bid)
        d.level = 3;
    return d;
}

}  // namespace

// Only a robot seat decides outside the engine, and only at its turn. (That
// its choices from outside make the same games: the duel's side door test.)
TEST(RobotDoor, OnlyARobotAtItsTurnDecidesOutside)
{
    Game g(1, names());
    g.decideOutside(West, true);
    EXPECT_TRUE(g.decideCard(West, {}).is<ev::Refused>());
    g.decideOutside(South, true);  // the person's seat never decides outside
    g.newGame();
    while (g.awaiting() == Awaiting::Nothing || g.awaiting() == Awaiting::CarryOn)
        g.awaiting() == Awaiting::CarryOn ? g.carryOn() : g.advance();
    EXPECT_NE(g.robotTurn().seat, South);
}

// A robot choice the rules refuse is reported, not played: the game stops,
// and a new game can begin.
TEST(RobotDoor, AChoiceTheRulesRefuseIsAFault)
{
    const RobotRules wrong[] = {
        {robotBid, robotDiscards, notFollowing},
        {underTheLadder, robotDiscards, chooseCard},
    };
    const char* what[] = {"played a card it may not", "bid no higher than a bid already made"};
    for (std::size_t i = 0; i < std::size(wrong); ++i) {
        bool faulted = false;
        for (std::uint64_t seed = 1; seed <= 40 && !faulted; ++seed) {
            const std::vector<std::string> game = wholeGames(seed, i % 2 == 1, wrong[i]);
            for (const std::string& line : game)
                faulted |= line.rfind("RobotFault", 0) == 0 && line.find(what[i]) != std::string::npos;
            if (faulted)
                EXPECT_EQ(game.back().rfind("RobotFault", 0), 0U) << game.back();
        }
        EXPECT_TRUE(faulted) << what[i];
    }
    Game g(1, names());
    g.setRobotRules({robotBid, robotDiscards, [](const TableState&, Seat, int) { return PlayDecision{}; }});
    Driver d{g};
    d.command(g.newGame());
    while (!d.events.back().is<ev::RobotFault>() && g.awaiting() != Awaiting::NewGame) {
        if (d.run() != Awaiting::NewGame)
            for (Event& e : autoplaySouth(g))
                d.command(std::move(e));
    }
    ASSERT_TRUE(d.events.back().is<ev::RobotFault>());
    EXPECT_EQ(d.log.back().find(" Something wrong regarding "), 0U);
    EXPECT_FALSE(g.newGame().is<ev::Refused>());
}

namespace {

// Plays on, South by the robots' rules and every robot seat through the
// door by its own, until the person or a robot must discard.
bool playToDiscards(Game& g)
{
    for (Seat s : {West, North, East})
        g.decideOutside(s, true);
    g.newGame();
    for (int actions = 0; actions < 5000; ++actions) {
        const Awaiting a = g.awaiting();
        const RobotTurn turn = g.robotTurn();
        if (a == Awaiting::Discards || turn.choice == RobotTurn::Choice::Discards)
            return true;
        if (a == Awaiting::Nothing)
            g.advance();
        else if (turn.choice == RobotTurn::Choice::Bid)
            g.decideBid(turn.seat, robotBid(g.table(), turn.seat));
        else if (a == Awaiting::NewGame || a == Awaiting::Robot)
            return false;
        else
            autoplaySouth(g);
    }
    return false;
}

// The six discards a seat would throw, less one or with one more.
CardSet sixLessOrMore(const Game& g, Seat s, int change)
{
    CardSet six = s == South ? hintFor(g).discards : robotDiscards(g.table(), s).discards;
    if (change < 0)
        six.remove((six - g.table().selected).lowest());
    else if (change > 0)
        six.add((g.table().hand(s) - six).lowest());
    return six;
}

}  // namespace

// Five discards or seven are refused, the person's and a robot's, and six stand.
TEST(Discards, ExactlySixThePersonsAndARobots)
{
    bool person = false, robot = false;
    for (std::uint64_t seed = 1; seed <= 60 && !(person && robot); ++seed) {
        for (int change : {-1, 1, 0}) {
            Game g(seed, names());
            if (!playToDiscards(g))
                break;
            const RobotTurn turn = g.robotTurn();
            if (g.awaiting() == Awaiting::Robot) {
                robot = true;
                const Event e = g.decideDiscards(turn.seat, {sixLessOrMore(g, turn.seat, change), {}});
                if (change == 0)
                    EXPECT_TRUE(e.is<ev::KittyDiscarded>()) << describe(e);
                else
                    EXPECT_EQ(describe(e).rfind("RobotFault seat=" + std::to_string(turn.seat) +
                                                    " pos=0 threw away other than six cards", 0), 0U) << describe(e);
                continue;
            }
            person = true;
            for (Card c : sixLessOrMore(g, South, std::min(change, 0)))
                if (!g.table().selected.has(c))
                    EXPECT_FALSE(g.pickDiscard(c).is<ev::Refused>());
            if (change > 0)  // a seventh pick is refused at once
                EXPECT_TRUE(g.pickDiscard(g.table().hand(South).lowest()).is<ev::Refused>());
            const Event e = g.confirmDiscards();
            EXPECT_EQ(e.is<ev::DiscardsConfirmed>(), change >= 0) << describe(e);
            EXPECT_EQ(g.table().kitty().count(), change < 0 ? 5 : 6);
            EXPECT_EQ(g.awaiting(), change < 0 ? Awaiting::Discards : Awaiting::Nothing);
        }
    }
    EXPECT_TRUE(person && robot);
}
