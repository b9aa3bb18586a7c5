#include <gtest/gtest.h>

#include <map>

#include "engine/explain.h"
#include "record/reason_text.h"
#include "record/record_reader.h"
#include "record_support.h"
#include "rules/bidding/joker_exchange.h"
#include "rules/bidding/robot_bid.h"
#include "sim/simulation.h"

using namespace corvane;
using namespace corvane::record;
using namespace corvane::testing;

namespace {

std::vector<std::string> simulated(long games, std::uint64_t seed, bool southNt)
{
    std::vector<std::string> lines;
    RecordWriter w({seed, SouthPlayer::Robot, southNt, 1}, [&](std::string_view l) { lines.emplace_back(l); });
    sim::Options o;
    o.games = games;
    o.seed = seed;
    o.southNoTrumps = southNt;
    const sim::Tally t = sim::simulate(o, [&](const Event& e, const TableState&, const Game& g) { w.observe(e, g); });
    EXPECT_EQ(t.firstFault, "");
    return lines;
}

std::vector<int> ints(const Json& list)
{
    std::vector<int> out;
    for (const Json& v : list.items())
        out.push_back(static_cast<int>(*v.asInt64()));
    return out;
}

int field(const Json& v, const char* name) { return static_cast<int>(*v.find(name)->asInt64()); }

TEST(RecordRoundTrip, ReplayReproducesManySeedsInBothModes)
{
    for (bool southNt : {false, true})
        for (std::uint64_t seed : {1, 2, 3, 17, 123456789}) {
            const auto lines = simulated(40, seed, southNt);
            const ReplayResult r = replayLines(lines);
            EXPECT_EQ(r.status, 0) << "seed " << seed << " south-nt " << southNt << ": " << r.message;
            EXPECT_EQ(r.lines, static_cast<long>(lines.size()));
            EXPECT_EQ(r.games, 40);
        }
}

TEST(RecordRoundTrip, EveryLineReadsBackUnderTheSchema)
{
    const auto lines = simulated(30, 5, true);
    std::istringstream in(joined(lines));
    RecordReader reader(in);
    std::map<std::string, int> seen;
    while (auto line = reader.next())
        ++seen[line->value.find("type")->asString()];
    EXPECT_EQ(reader.error(), "");
    EXPECT_EQ(reader.linesRead(), static_cast<long>(lines.size()));
    for (const char* type : {"game", "dealer_draw", "deal", "bid", "pass", "contract", "exchange", "joker_swap", "play",
                             "trick", "hand_end", "game_end"})
        EXPECT_GT(seen[type], 0) << type;
    EXPECT_EQ(seen["game"], 30);
    EXPECT_EQ(seen["game_end"], 30);
    EXPECT_EQ(seen["play"], 48 * seen["deal"]);
    EXPECT_EQ(seen["trick"], 12 * seen["deal"]);
}

// The log across all lines is every event's log, in order: nothing lost,
// nothing doubled, each line carrying what came since the line before.
TEST(RecordLines, LogIsExactlyTheEventsLog)
{
    Game g(7);
    std::vector<Event> events;
    const auto lines = recordGames(g, {7, SouthPlayer::Robot, false, 1}, 3, {}, &events);
    std::vector<std::string> fromEvents, fromRecord;
    for (const Event& e : events)
        for (std::string_view l : e.log)
            fromEvents.emplace_back(l);
    for (const std::string& line : lines) {
        const Json v = parsedLine(line);
        for (const Json& l : v.find("log")->items())
            fromRecord.push_back(l.asString());
    }
    EXPECT_GT(fromEvents.size(), 100U);
    EXPECT_EQ(fromRecord, fromEvents);
    // The first card's line carries the contract announcement made before it.
    const std::size_t firstPlay = findLine(lines, "play", [](const Json&) { return true; });
    ASSERT_LT(firstPlay, lines.size());
    const Json play = parsedLine(lines[firstPlay]);
    const auto& log = play.find("log")->items();
    ASSERT_EQ(log.size(), 2U);
    EXPECT_NE(log[0].asString().find(" won bid and will lead card."), std::string::npos);
}

TEST(RecordLines, DrawAndDealAreWhatTheEngineDid)
{
    Game g(11);
    std::vector<Event> events;
    const auto lines = recordGames(g, {11, SouthPlayer::Robot, false, 1}, 2, {}, &events);
    std::vector<std::vector<int>> draws;
    std::vector<std::map<int, std::vector<int>>> deals;  // place -> cards, per hand
    for (const Event& e : events) {
        if (e.is<ev::DealerDrawStarted>())
            draws.emplace_back();
        if (auto d = e.as<ev::DealerCardTurned>())
            draws.back().push_back(d->card);
        if (e.is<ev::PackGathered>())
            deals.emplace_back();
        if (auto d = e.as<ev::CardDealt>())
            deals.back()[d->to].push_back(d->card);
    }
    std::size_t drawIndex = 0, dealIndex = 0;
    int handInGame = 0;
    for (const std::string& line : lines) {
        const Json v = parsedLine(line);
        const std::string type = v.find("type")->asString();
        if (type == "game")
            handInGame = 0;
        if (type == "dealer_draw") {
            ASSERT_LT(drawIndex, draws.size());
            const std::vector<int>& turned = draws[drawIndex++];
            EXPECT_EQ(ints(*v.find("cards")), turned);
            // Only the last card turned is a Diamond; its seat deals. The
            // draw goes West, North, East, South.
            for (std::size_t k = 0; k + 1 < turned.size(); ++k)
                EXPECT_NE(printedSuit(turned[k]), Diamonds);
            EXPECT_EQ(printedSuit(turned.back()), Diamonds);
            const Seat order[4] = {West, North, East, South};
            EXPECT_EQ(field(v, "dealer"), order[(turned.size() - 1) % 4]);
        }
        if (type == "deal") {
            ASSERT_LT(dealIndex, deals.size());
            auto dealt = deals[dealIndex++];
            EXPECT_EQ(field(v, "hand"), ++handInGame);
            for (auto& [place, cards] : dealt)
                std::sort(cards.begin(), cards.end());
            for (Seat s = South; s <= East; ++s)
                EXPECT_EQ(ints(*v.find("hands")->find(std::to_string(s))), dealt[s]);
            EXPECT_EQ(ints(*v.find("kitty")), dealt[KittyPlace]);
        }
    }
    EXPECT_EQ(drawIndex, 2U);
    EXPECT_EQ(dealIndex, deals.size());
}

// Within each hand: bids from the dealer's left, the cards in clockwise
// order from each trick's leader, tricks 1..12, thirteen books, points that
// add up, and a winner once a team reaches +7 or falls to -7.
TEST(RecordLines, HandsFollowTheRules)
{
    const auto lines = simulated(200, 21, false);
    int dealer = 0, leader = 0, turn = 0, trick = 0, plays = 0, bidTurns = 0, contractSeat = 0;
    std::array<int, 3> total{};
    int hands = 0, forcedBids = 0;
    for (const std::string& line : lines) {
        const Json v = parsedLine(line);
        const std::string type = v.find("type")->asString();
        if (type == "game") {
            total = {};
            EXPECT_EQ(v.find("south")->asString(), "robot");
            EXPECT_FALSE(v.find("south_nt")->asBool());
            EXPECT_EQ(v.find("names")->items()[0].asString(), "Player");
        } else if (type == "deal") {
            ++hands;
            dealer = field(v, "dealer");
            bidTurns = 0;
            trick = 0;
        } else if (type == "bid" || type == "pass") {
            ++bidTurns;
            const int expected = bidTurns <= 4 ? (dealer + bidTurns - 1) % 4 + 1 : dealer;
            EXPECT_EQ(field(v, "seat"), expected) << line;
            if (type == "bid" && v.find("forced")->asBool()) {
                ++forcedBids;
                EXPECT_EQ(bidTurns, 5) << line;
            }
            // Robots give their reason; South's bid came as commands.
            EXPECT_EQ(v.find("why")->isString(), field(v, "seat") != South) << line;
        } else if (type == "contract") {
            contractSeat = field(v, "seat");
            leader = contractSeat;
            turn = 0;
        } else if (type == "exchange") {
            EXPECT_EQ(field(v, "seat"), contractSeat);
        } else if (type == "play") {
            EXPECT_EQ(field(v, "seat"), (leader - 1 + turn) % 4 + 1) << line;
            EXPECT_EQ(v.find("why")->isString(), field(v, "seat") != South) << line;
            ++turn;
            ++plays;
        } else if (type == "trick") {
            EXPECT_EQ(turn, 4);
            EXPECT_EQ(field(v, "number"), ++trick);
            leader = field(v, "winner");
            turn = 0;
        } else if (type == "hand_end") {
            EXPECT_EQ(trick, 12);
            const Json& books = *v.find("books");
            EXPECT_EQ(field(books, "1") + field(books, "2"), 13);
            const auto points = ints(*v.find("points"));
            const auto game = ints(*v.find("game_points"));
            // Only the bidding team scores.
            EXPECT_EQ(points[contractSeat % 2 == 1 ? 1 : 0], 0) << line;
            total[1] += points[0];
            total[2] += points[1];
            EXPECT_EQ(game[0], total[1]);
            EXPECT_EQ(game[1], total[2]);
            EXPECT_FALSE(v.find("message")->find("title")->asString().empty());
            EXPECT_FALSE(v.find("message")->find("caption1")->asString().empty());
        } else if (type == "game_end") {
            const int winner = field(v, "winner");
            EXPECT_TRUE(total[winner] >= 7 || total[3 - winner] <= -7) << line;
        }
    }
    EXPECT_GT(hands, 200);
    EXPECT_EQ(plays, 48 * hands);
    EXPECT_GT(forcedBids, 0) << "no forced dealer bid in this run";
}

TEST(RecordLines, NoTrumpsModeSwapsJokersAndSaysSo)
{
    const auto lines = simulated(30, 4, true);
    EXPECT_TRUE(parsedLine(lines[0]).find("south_nt")->asBool());
    int swaps = 0;
    for (const std::string& line : lines) {
        const Json v = parsedLine(line);
        if (v.find("type")->asString() != "joker_swap")
            continue;
        ++swaps;
        EXPECT_NE(field(v, "seat"), South);
        EXPECT_EQ(v.find("why")->asString(), reasonText({Reason::Source::JokerSwap, &JokerSwapRules[0]}));
    }
    EXPECT_GT(swaps, 0);
    // South names No Trumps for its ordinary bids.
    const std::size_t southNt = findLine(lines, "bid", [](const Json& v) {
        return *v.find("seat")->asInt64() == South && !v.find("forced")->asBool();
    });
    ASSERT_LT(southNt, lines.size());
    EXPECT_EQ(field(parsedLine(lines[southNt]), "trumps"), NoTrumps);
}

TEST(RecordLines, ReasonsNameTheModuleAndRuleAndReadBack)
{
    EXPECT_EQ(reasonText({}), "");
    EXPECT_EQ(reasonText({Reason::Source::Bid, bidRule("partner-bid-four")}),
              "Bid partner-bid-four: partner already bid 4 or more");
    EXPECT_EQ(reasonText({Reason::Source::Bid, bidRule("too-weak"), 107, 120}),
              "Bid too-weak: leading suit too weak to bid (its best suit reaches 107 points, and 120 are needed to bid "
              "3)");
    for (const Reason& r : everyReason())
        EXPECT_EQ(readReason(reasonText(r)), r) << reasonText(r);
    EXPECT_FALSE(readReason("PlayItHigh no-such-rule: none"));
    EXPECT_FALSE(readReason("Nobody lead-ace: lead: an Ace"));
    EXPECT_FALSE(readReason(""));
}

TEST(RecordLines, NamesWithQuotesBackslashesAndLettersSurvive)
{
    Names names = {"", "Zo\xC3\xAB \"the\" \\ Player", "West\tBot \xE6\x9D\xB1", "\xC3\x91" "and\xC3\xBA",
                   "East \xF0\x9F\x82\xA1 \\\""};
    Game g(3, names);
    const auto lines = recordGames(g, {3, SouthPlayer::Robot, false, 1}, 2);
    const Json first = parsedLine(lines[0]);
    for (Seat s = South; s <= East; ++s)
        EXPECT_EQ(first.find("names")->items()[static_cast<std::size_t>(s - 1)].asString(), names[s]);
    const Json firstLog = first.find("log")->items()[0];
    EXPECT_EQ(firstLog.asString().rfind(names[South] + " a card will now be dealt", 0), 0U);
    const ReplayResult r = replayLines(lines);
    EXPECT_EQ(r.status, 0) << r.message;
    EXPECT_EQ(r.games, 2);
}

TEST(RecordLines, NamesThatAreNotUtf8AreWrittenReadably)
{
    Names names = {"", "Zo\xEB", "West Bot", "North Bot", "East Bot"};  // Latin-1, as an old names file may be
    Game g(8, names);
    const auto lines = recordGames(g, {8, SouthPlayer::Robot, false, 1}, 1);
    EXPECT_EQ(parsedLine(lines[0]).find("names")->items()[0].asString(), "Zo\xEF\xBF\xBD");
    const ReplayResult r = replayLines(lines);
    EXPECT_EQ(r.status, 0) << r.message;
}

TEST(RecordLines, GameNumbersAndSeedsAsGiven)
{
    Game g(99);
    const auto lines = recordGames(g, {18446744073709551615ULL, SouthPlayer::Human, true, 41}, 2);
    std::vector<std::int64_t> numbers;
    for (const std::string& line : lines)
        if (typeOf(line) == "game") {
            const Json v = parsedLine(line);
            numbers.push_back(*v.find("game")->asInt64());
            EXPECT_EQ(v.find("seed")->asUint64(), 18446744073709551615ULL);
            EXPECT_EQ(v.find("south")->asString(), "human");
        }
    EXPECT_EQ(numbers, (std::vector<std::int64_t>{41, 42}));
}

}  // namespace
