// What the table shows at the turns of a hand: its start, the dealer draw,
// the pack, the bids and the contract, the books and the score.
#include <gtest/gtest.h>

#include <tuple>

#include "fixtures.h"

namespace corvane {
namespace {

using testing::event;
using testing::tableNames;
using testing::tableWith;

class Stages : public ::testing::Test {
protected:
    void run(EventData data, std::vector<std::string> log = {})
    {
        playInstantly(scene, choreographer.stepsFor(event(data, std::move(log)), table, tableNames()));
    }

    Choreographer choreographer;
    Scene scene;
    TableState table = tableWith({});
};

TEST_F(Stages, AHandStartClearsTheBoardsAndOnlyANewGameTheScores)
{
    playInstantly(scene, {step::Caption{Label::YourBid, "4 High"}, step::Caption{Label::YourScore, "3"},
                          step::Caption{Label::ScoresFrame, " UPTOWN"}, step::Caption{Label::WestName, "Wes PASS"},
                          step::ShowControl{Control::NorthDealer, true}, step::Log{"old line"}});
    run(ev::HandStarted{false}, {"Nora is Dealer Eve will bid first."});
    EXPECT_EQ(scene.caption(Label::YourBid), "");
    EXPECT_EQ(scene.caption(Label::ScoresFrame), "Scores");
    EXPECT_EQ(scene.caption(Label::WestName), "Wes");
    EXPECT_EQ(scene.caption(Label::YourScore), "3") << "the game goes on";
    EXPECT_FALSE(scene.shown(Control::NorthDealer));
    EXPECT_TRUE(scene.shown(Control::Outline));
    EXPECT_EQ(scene.trumps(), 64);
    EXPECT_EQ(scene.log(), (std::vector<std::string>{"Nora is Dealer Eve will bid first."}));

    run(ev::HandStarted{true});
    EXPECT_EQ(scene.caption(Label::YourScore), "");
}

TEST_F(Stages, TheDealerDrawTurnsCardsUpOnTopAndCarryOnClearsThem)
{
    run(ev::PackGathered{});
    run(ev::DealerDrawStarted{});
    EXPECT_TRUE(scene.paintOrder().empty());
    // Each robot's card lies where its played cards end.
    const std::tuple<Seat, Card, Spot> turned[] = {
        {West, 30, {3600, 3840}}, {North, 5, {5280, 2880}}, {East, 44, {6960, 3840}}, {South, 12, {5280, 5280}}};
    for (const auto& [seat, card, spot] : turned) {
        table.move(card, SetAside);
        run(ev::DealerCardTurned{seat, card, card == 5});
        EXPECT_EQ(scene.card(card), (Sprite{spot.left, spot.top, true, true, scene.card(card).z})) << seat;
    }
    EXPECT_EQ(scene.paintOrder(), (std::vector<Card>{30, 5, 44, 12}));
    run(ev::DealerChosen{North, East});
    EXPECT_TRUE(scene.shown(Control::NorthDealer));
    EXPECT_TRUE(scene.shown(Control::CarryOn));
    run(ev::DealerCardsCleared{});
    EXPECT_TRUE(scene.paintOrder().empty());
    EXPECT_FALSE(scene.shown(Control::CarryOn));
    EXPECT_TRUE(scene.shown(Control::NorthDealer)) << "the marker stays for the hand";
}

TEST_F(Stages, ThePackIsOneFaceDownStackWithCard54OnTop)
{
    run(ev::PackGathered{});
    const std::vector<Card> order = scene.paintOrder();
    ASSERT_EQ(order.size(), 54U);
    EXPECT_EQ(order.back(), BigJoker);
    for (Card c = 1; c <= CardCount; ++c)
        EXPECT_FALSE(scene.card(c).faceUp);
    EXPECT_EQ(scene.card(54).left, 5146);
}

TEST_F(Stages, BidsShowOnTheNameLabelsAndThePanelComesAndGoes)
{
    run(ev::HumanBidTurn{false}, {"Ann your turn to bid. Make a bid as above or Check Pass."});
    EXPECT_TRUE(scene.shown(Control::BidPanel));
    run(ev::BidMade{South, 5, false, Hearts, false, {}}, {"Ann bids 5 LOW"});
    EXPECT_FALSE(scene.shown(Control::BidPanel));
    run(ev::BidMade{West, 6, true, Clubs, false, {}});
    run(ev::BidPassed{North, {}});
    EXPECT_EQ(scene.caption(Label::SouthName), "Ann BIDS 5 LOW");
    EXPECT_EQ(scene.caption(Label::WestName), "Wes BIDS 6 HIGH");
    EXPECT_EQ(scene.caption(Label::NorthName), "Nora PASS");
    EXPECT_EQ(scene.log(), (std::vector<std::string>{"Ann your turn to bid. Make a bid as above or Check Pass.",
                                                     "Ann bids 5 LOW"}));
}

struct ContractCase {
    Seat winner;
    Suit trumps;
    bool high;
    Label teamLabel;
    const char* teamText;
    const char* frame;
    TrumpPicture picture;
};

class Contract : public Stages, public ::testing::WithParamInterface<ContractCase> {};

TEST_P(Contract, ShowsTheTrumpsTheDirectionAndTheTeamsBid)
{
    const ContractCase& c = GetParam();
    table.trumps = c.trumps;
    showTrumps(table, c.trumps);
    table.bidHigh[c.winner] = c.high;
    table.bidLow[c.winner] = !c.high;
    run(ev::BidPassed{c.winner, {}});
    run(ev::ContractSettled{c.winner, c.trumps, c.high, 5});
    EXPECT_EQ(scene.caption(c.teamLabel), c.teamText);
    EXPECT_EQ(scene.caption(Label::ScoresFrame), c.frame);
    EXPECT_EQ(scene.trumps(), c.picture);
    EXPECT_EQ(scene.caption(nameLabel(c.winner)), tableNames()[c.winner]) << "the bids disappear";
}

INSTANTIATE_TEST_SUITE_P(Kinds, Contract,
                         ::testing::Values(ContractCase{East, Spades, false, Label::TheirBid, "5 Low", " DOWNTOWN", 63},
                                           ContractCase{North, Hearts, true, Label::YourBid, "5 High", " UPTOWN", 60},
                                           ContractCase{South, NoTrumps, true, Label::YourBid, "5 High", " UPTOWN NT", 64},
                                           ContractCase{South, NoTrumps, false, Label::YourBid, "5 Low",
                                                        " DOWNTOWN NT", 64},
                                           ContractCase{West, Diamonds, true, Label::TheirBid, "5 High", " UPTOWN", 62},
                                           ContractCase{North, Clubs, false, Label::YourBid, "5 Low", " DOWNTOWN", 61}));

TEST_F(Stages, TheContractArrangesSouthWithTheJokersAfterTheTrumps)
{
    table = tableWith({{South, {1, 14, 27, 40, 53, 54}}});
    table.trumps = Clubs;
    showTrumps(table, Clubs);
    table.bidHigh[West] = true;
    run(ev::ContractSettled{West, Clubs, true, 4});
    for (auto [card, left] : {std::pair{1, 1800}, {14, 2200}, {53, 2600}, {54, 3000}, {27, 3400}, {40, 3800}})
        EXPECT_EQ(scene.card(card).left, left) << card;
}

TEST_F(Stages, BooksAndScoresGoToTheTeamsLabels)
{
    table.seatTricks[East] = 1;
    table.teamBooks[TheirTeam] = 1;
    run(ev::BidPassed{West, {}});
    run(ev::BookCredited{East});
    EXPECT_EQ(scene.caption(Label::TheirMade), "1");
    EXPECT_EQ(scene.caption(Label::EastName), "Eve- Tricks 1");
    EXPECT_EQ(scene.caption(Label::WestName), "Wes");

    table.gamePoints[TheirTeam] = -3;
    run(ev::HandScored{TheirTeam, -3, false, 0});
    EXPECT_EQ(scene.caption(Label::TheirScore), "-3");
    EXPECT_EQ(scene.caption(Label::YourScore), "");
}

}  // namespace
}  // namespace corvane
