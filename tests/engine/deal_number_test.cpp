#include <gtest/gtest.h>

#include <array>
#include <set>

#include "engine/autoplay.h"
#include "support/dealt.h"
#include "support/drive.h"
#include "table/deal_number.h"

using namespace corvane;
using corvane::testing::Dealt;
using corvane::testing::dealtOf;
using corvane::testing::Driver;

namespace {

// Plays on, South by the robots' rules, until the next hand lies dealt (the
// engine waits for the first bid); false if the game ends first.
bool toNextDeal(Game& g, Driver& d)
{
    for (int guard = 0; guard < 100000 && d.fault.empty(); ++guard) {
        const Awaiting a = d.run();
        if (a == Awaiting::NewGame)
            return false;
        if (a == Awaiting::CarryOn && g.table().firstDealPending) {
            d.command(g.carryOn());
            continue;
        }
        if (a == Awaiting::Bid)
            return true;
        for (Event& e : autoplaySouth(g))
            d.command(std::move(e));
    }
    return false;
}

// Plays the game in play to its end; the message box that ends it.
MessageBox toGameEnd(Game& g, Driver& d)
{
    MessageBox last;
    for (int guard = 0; guard < 100000 && g.awaiting() != Awaiting::NewGame && d.fault.empty(); ++guard) {
        if (g.awaiting() == Awaiting::Nothing) {
            Event e = g.advance();
            if (e.is<ev::HandScored>() && e.message)
                last = *e.message;
            d.take(std::move(e));
        } else {
            for (Event& e : autoplaySouth(g))
                d.command(std::move(e));
        }
    }
    return last;
}

Dealt firstDealAt(std::uint64_t number, std::uint64_t seed)
{
    Game g(seed);
    Driver d{g};
    d.command(g.newGameAt(number));
    EXPECT_TRUE(toNextDeal(g, d)) << number;
    EXPECT_EQ(g.dealNumber(), number);
    return dealtOf(g.table());
}

const std::string Range = "a deal number is a whole number from 0 to 17179869183.";

}  // namespace

TEST(DealNumber, HoldsTheShuffleAndTheDealer)
{
    EXPECT_EQ(dealNumber({123456, South}), 123456U);
    EXPECT_EQ(dealNumber({0, West}), std::uint64_t{1} << 32);
    EXPECT_EQ(dealNumber({0xffffffffU, East}), MaxDealNumber);
    for (Seat dealer = South; dealer <= East; ++dealer)
        for (std::uint32_t shuffle : {0U, 1U, 77777U, 0xffffffffU}) {
            const Deal deal{shuffle, dealer};
            EXPECT_EQ(dealOf(dealNumber(deal)), deal);
        }
    EXPECT_FALSE(dealOf(MaxDealNumber + 1).has_value());
}

TEST(DealNumber, TypedNumbersAreReadOrRefusedWithTheReason)
{
    EXPECT_EQ(readDealNumber("0").number, 0U);
    EXPECT_EQ(readDealNumber("  42\t").number, 42U);
    EXPECT_EQ(readDealNumber("0017").number, 17U);
    EXPECT_EQ(readDealNumber("17179869183").number, MaxDealNumber);

    const std::pair<const char*, std::string> refused[] = {
        {"", "Please type a deal number: " + Range},
        {"   ", "Please type a deal number: " + Range},
        {"12a", "\"12a\" is not a deal number: " + Range},
        {"1 2", "\"1 2\" is not a deal number: " + Range},
        {"17179869184", "17179869184 is too large: " + Range},
        {"99999999999999999999999999", "99999999999999999999999999 is too large: " + Range},
    };
    for (const auto& [text, why] : refused) {
        const DealEntry e = readDealNumber(text);
        EXPECT_FALSE(e.number.has_value()) << text;
        EXPECT_EQ(e.error, why) << text;
    }
}

// Every hand of a default game, first or later, comes back from its number
// with the same dealer, in a game of any other seed.
TEST(DealNumber, EveryHandOfASeededGameComesBackFromItsNumber)
{
    std::set<Seat> dealers;
    for (std::uint64_t seed : {1, 2, 3, 149, 20240611}) {
        Game g(seed);
        Driver d{g};
        d.command(g.newGame());
        for (int hand = 1; hand <= 3 && toNextDeal(g, d); ++hand) {
            ASSERT_TRUE(g.dealNumber().has_value());
            const std::uint64_t number = *g.dealNumber();
            const Dealt want = dealtOf(g.table());
            EXPECT_EQ(dealOf(number)->dealer, want.dealer);
            EXPECT_EQ(firstDealAt(number, seed + 1000), want) << "seed " << seed << " hand " << hand;
            dealers.insert(want.dealer);
            for (Event& e : autoplaySouth(g))  // leave the bid turn
                d.command(std::move(e));
        }
        ASSERT_TRUE(d.fault.empty()) << d.fault;
    }
    EXPECT_EQ(dealers.size(), 4U);  // every dealer's numbers were tried
}

TEST(DealNumber, SameNumberSameGameWhateverTheSeed)
{
    const std::uint64_t number = dealNumber({987654321U, North});
    std::vector<std::string> logs[2];
    for (int run = 0; run < 2; ++run) {
        Game g(run == 0 ? 5 : 6000);
        Driver d{g};
        d.command(g.newGameAt(number));
        toGameEnd(g, d);
        logs[run] = d.log;
    }
    EXPECT_GT(logs[0].size(), 100U);
    EXPECT_EQ(logs[0], logs[1]);
}

TEST(DealNumber, ChosenGamesAreNotCountedAndTheirEndSaysSo)
{
    const std::string note = " This game began from a replayed or chosen deal, so it is not counted in the statistics.";
    for (std::uint64_t seed : {3, 4, 5}) {
        Game counted(seed);
        Driver dc{counted};
        dc.command(counted.newGame());
        const MessageBox plain = toGameEnd(counted, dc);
        EXPECT_EQ(counted.statistics().gamesPlayed, 1);
        EXPECT_EQ(plain.text.find(note), std::string::npos);
        ASSERT_TRUE(counted.dealNumber().has_value());

        // The last hand of that game played again: nothing counted.
        counted.setStatistics({7, 9});
        dc.command(counted.replayDeal());
        EXPECT_EQ(counted.chosenDeal(), counted.dealNumber());
        const MessageBox ended = toGameEnd(counted, dc);
        EXPECT_EQ(counted.statistics(), (Statistics{7, 9}));
        ASSERT_GT(ended.text.size(), note.size());
        EXPECT_EQ(ended.text.substr(ended.text.size() - note.size()), note);
        EXPECT_TRUE(ended.title == "You Win!" || ended.title == "You Lost!" || ended.title == "You Won!")
            << ended.title;
        // The hands in between say nothing of it.
        for (const Event& e : dc.events)
            if (auto s = e.as<ev::HandScored>(); s && !s->gameOver && e.message)
                EXPECT_EQ(e.message->text.find(note), std::string::npos);

        // A new game after it is counted again.
        dc.command(counted.newGame());
        EXPECT_FALSE(counted.chosenDeal().has_value());
        toGameEnd(counted, dc);
        EXPECT_EQ(counted.statistics().gamesPlayed, 10);
        ASSERT_TRUE(dc.fault.empty()) << dc.fault;
    }
}

TEST(DealNumber, RefusedAsNewGameIsAndForANumberThatIsNoDeal)
{
    Game g(7);
    Driver d{g};
    EXPECT_TRUE(g.replayDeal().is<ev::Refused>());  // nothing dealt yet
    EXPECT_FALSE(g.dealNumber().has_value());
    EXPECT_TRUE(g.newGameAt(MaxDealNumber + 1).is<ev::Refused>());
    EXPECT_EQ(g.awaiting(), Awaiting::NewGame);

    // Starting again while the dealer is announced is allowed, not once the hand is dealt.
    d.command(g.newGame());
    ASSERT_EQ(d.run(), Awaiting::CarryOn);
    EXPECT_FALSE(g.newGame().is<ev::Refused>());
    ASSERT_TRUE(toNextDeal(g, d));
    const TableState before = g.table();
    const std::optional<Event> refusal = g.refusesNewGame();
    ASSERT_TRUE(refusal && refusal->message);
    EXPECT_EQ(refusal->message->title, "Finish Game");
    EXPECT_EQ(refusal->message->text, "Player you are in the middle of a game. Please finish the current one before "
                                      "starting a new one.");
    for (Event e : {g.newGame(), g.newGameAt(5), g.replayDeal()}) {
        ASSERT_TRUE(e.is<ev::Refused>());
        ASSERT_TRUE(e.message.has_value());
        EXPECT_EQ(*e.message, *refusal->message);
    }
    EXPECT_EQ(g.table(), before);
    EXPECT_FALSE(g.chosenDeal().has_value());
}
