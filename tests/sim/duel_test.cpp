// Duels between levels of play, and the side door other levels decide
// through.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "rules/choices.h"
#include "sim/duel.h"

using namespace corvane;
using namespace corvane::sim;

namespace {

// Every event of a game from a deal number but the waits for a robot
// deciding outside, all seats played by `player` when there is one.
std::vector<std::string> playedGame(std::uint64_t deal, SeatPlayer* player)
{
    Game g(deal);
    std::vector<std::string> seen;
    const auto take = [&](const Event& e) {
        if (!e.is<ev::RobotThinks>())
            seen.push_back(describe(e));
    };
    for (Seat s = West; s <= East && player; ++s)
        g.decideOutside(s, true);
    take(g.newGameAt(deal));
    while (g.awaiting() != Awaiting::NewGame && seen.size() < 100000) {
        const Awaiting a = g.awaiting();
        const Seat s = a == Awaiting::Robot ? g.robotTurn().seat : South;
        if (a == Awaiting::Nothing)
            take(g.advance());
        else if (!player || !playTurn(g, *player, s, take))
            autoplaySouth(g, {}, take);
    }
    return seen;
}

// Plays the lowest legal card by id; bids and discards as the robots do.
class LowestCard : public SeatPlayer {
public:
    BidDecision bid(const Game& g, Seat s) override { return m_classic->bid(g, s); }
    DiscardDecision discards(const Game& g, Seat s) override { return m_classic->discards(g, s); }
    PlayDecision card(const Game& g, Seat s) override
    {
        for (Card c : g.table().hand(s))
            if (checkPlay(g.table(), s, c, g.trickPosition()) == PlayCheck::Legal)
                return {c, {}};
        return {};
    }

private:
    std::unique_ptr<SeatPlayer> m_classic = classicPlayer();
};

DuelOptions options(Level first, Level second, long games, int jobs)
{
    DuelOptions o;
    o.levels = {std::move(first), std::move(second)};
    o.games = games;
    o.seed = 9;
    o.jobs = jobs;
    return o;
}

}  // namespace

// The robots' rules through the side door are the engine's own rules: the
// same game, event for event, South's bids, discards and cards included.
TEST(SideDoor, TheRobotsRulesDecideTheSameOutsideTheEngine)
{
    for (std::uint64_t deal = 0; deal < 16'000'000'000ULL; deal += 400'000'037ULL) {
        const std::unique_ptr<SeatPlayer> classic = classicPlayer();
        const std::vector<std::string> inside = playedGame(deal, nullptr);
        EXPECT_GT(inside.size(), 200U);
        EXPECT_EQ(playedGame(deal, classic.get()), inside) << "deal " << deal;
    }
}

TEST(Duel, TheSameLevelOnBothSidesIsEvenAndAWeakerOneLoses)
{
    const DuelReport even = duel(options(levelNamed("classic"), levelNamed("classic"), 50, 1));
    EXPECT_EQ(even.fault, "");
    EXPECT_EQ(even.pairs, 50);
    EXPECT_EQ(even.pointsPerHand.low, 0);
    EXPECT_EQ(even.pointsPerHand.high, 0);
    EXPECT_EQ(even.made[0], even.made[1]);

    const Level weak{"lowest", [] { return std::make_unique<LowestCard>(); }};
    const DuelReport r = duel(options(weak, levelNamed("classic"), 60, 1));
    EXPECT_EQ(r.fault, "");
    EXPECT_LT(r.pointsPerHand.high, 0);
    EXPECT_LT(r.gamesWon.high, 0);
    EXPECT_LT(r.pointsPerHand.low, r.pointsPerHand.mean);
    long made = 0, bid = 0;
    for (int k = 0; k < KindCount; ++k) {
        made += r.made[0][k];
        bid += r.made[0][k] + r.set[0][k] + r.made[1][k] + r.set[1][k];
    }
    EXPECT_EQ(bid, r.hands);
    EXPECT_GT(made, 0);

    // The same games and figures on any number of threads.
    const DuelReport threaded = duel(options(weak, levelNamed("classic"), 60, 3));
    EXPECT_EQ(threaded.hands, r.hands);
    EXPECT_EQ(threaded.pointsPerHand.mean, r.pointsPerHand.mean);
    EXPECT_EQ(threaded.gamesWon.low, r.gamesWon.low);
    EXPECT_EQ(threaded.made, r.made);
    EXPECT_EQ(threaded.decisions, r.decisions);
}
