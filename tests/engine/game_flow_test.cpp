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
    for (std::uint64_t seed = 1;; ++seed) {
        Game g(seed, names());
        Driver d{g};
        d.command(g.newGame());
        d.run();
        if (g.table().dealer == dealer)
            return seed;
    }
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

TEST(NewGame, RefusedDuringAGame)
{
    Game g(7, names());
    Driver d{g};
    d.command(g.newGame());
    d.run();
    d.command(g.carryOn());
    d.run();
    const Event e = g.newGame();
    ASSERT_TRUE(e.is<ev::Refused>());
    ASSERT_TRUE(e.message);
    EXPECT_EQ(e.message->title, "Finish Game");
    EXPECT_EQ(e.message->text, "Ann you are in the middle of a game. Please finish the current one before starting a "
                               "new one.");
    EXPECT_EQ(g.awaiting(), Awaiting::Bid);
}

TEST(NewGame, AcceptedAgainWhileTheDealerIsAnnounced)
{
    Game g(7, names());
    Driver d{g};
    d.command(g.newGame());
    ASSERT_EQ(d.run(), Awaiting::CarryOn);
    EXPECT_FALSE(g.newGame().is<ev::Refused>());
    EXPECT_EQ(d.run(), Awaiting::CarryOn);
    EXPECT_EQ(d.fault, "");
}

TEST(DealerDraw, TurnsUpCardsWestNorthEastSouthUntilADiamond)
{
    for (std::uint64_t seed = 1; seed <= 200; ++seed) {
        Game g(seed, names());
        Driver d{g};
        d.command(g.newGame());
        d.run();
        std::vector<ev::DealerCardTurned> turned;
        for (const auto& e : d.events)
            if (auto t = e.as<ev::DealerCardTurned>())
                turned.push_back(*t);
        ASSERT_FALSE(turned.empty());
        const Seat order[4] = {West, North, East, South};
        for (std::size_t i = 0; i < turned.size(); ++i) {
            EXPECT_EQ(turned[i].seat, order[i % 4]);
            EXPECT_EQ(turned[i].diamond, i + 1 == turned.size());
            EXPECT_EQ(printedSuit(turned[i].card) == Diamonds, turned[i].diamond);
        }
        EXPECT_EQ(g.table().dealer, turned.back().seat);
        EXPECT_EQ(g.table().leader, nextSeat(turned.back().seat));
        EXPECT_EQ(g.table().at[SetAside].count(), static_cast<int>(turned.size()));
    }
}

TEST(Deal, OrderFollowsTheDealerAndTheKittyComesLast)
{
    for (Seat dealer = South; dealer <= East; ++dealer) {
        Game g(seedForDealer(dealer), names());
        Driver d{g};
        d.command(g.newGame());
        d.run();
        d.command(g.carryOn());
        d.run();
        std::vector<Place> to;
        for (const auto& e : d.events)
            if (auto c = e.as<ev::CardDealt>())
                to.push_back(c->to);
        ASSERT_EQ(to.size(), 54U);
        for (int i = 0; i < 48; ++i)
            EXPECT_EQ(to[i], (dealer + i % 4) % 4 + 1) << "card " << i;
        for (int i = 48; i < 54; ++i)
            EXPECT_EQ(to[i], KittyPlace);
    }
}

TEST(Deal, SameSeedSameDeals)
{
    auto deal = [](std::uint64_t seed) {
        Game g(seed, names());
        Driver d{g};
        d.command(g.newGame());
        d.run();
        d.command(g.carryOn());
        d.run();
        std::vector<std::string> lines;
        for (const auto& e : d.events)
            lines.push_back(describe(e));
        return lines;
    };
    EXPECT_EQ(deal(42), deal(42));
    EXPECT_NE(deal(42), deal(43));
}

// Every undealt card equally likely: over many deals the Big Joker reaches
// the kitty about as often as any card (6 in 54), not the one in three a
// half-weighted draw would give.
TEST(Deal, BigJokerIsNotHalfWeighted)
{
    int inKitty = 0;
    const int hands = 3000;
    for (int i = 0; i < hands; ++i) {
        Game g(1000 + i, names());
        Driver d{g};
        d.command(g.newGame());
        d.run();
        d.command(g.carryOn());
        d.run();
        inKitty += g.table().kitty().has(BigJoker);
    }
    const double rate = static_cast<double>(inKitty) / hands;
    EXPECT_NEAR(rate, 6.0 / 54.0, 0.025);
}

}  // namespace

// A message box that comes with the flow holds it until it is answered, and
// nothing else does: whole games, South naming No Trumps so that the jokers
// notice of the kitty comes up as well as every scored hand's box.
TEST(Flow, AMessageBoxAndOnlyAMessageBoxWaitsForItsAnswer)
{
    int kittyBoxes = 0;
    int scoreBoxes = 0;
    for (std::uint64_t seed = 1; seed <= 6; ++seed) {
        Game g(seed, names());
        g.newGame();
        while (g.awaiting() != Awaiting::NewGame) {
            if (g.awaiting() != Awaiting::Nothing) {
                autoplaySouth(g, AutoplayOptions{true});
                continue;
            }
            const Event e = g.advance();
            ASSERT_EQ(static_cast<bool>(e.message), g.awaiting() == Awaiting::Answer) << describe(e);
            kittyBoxes += e.message && e.is<ev::KittyTaken>();
            scoreBoxes += e.message && e.is<ev::HandScored>();
        }
    }
    EXPECT_GT(kittyBoxes, 0);
    EXPECT_GT(scoreBoxes, 6);
}
