#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <set>

#include <simdjson.h>

#include "engine/explain.h"
#include "record/reason_text.h"
#include "record/record_reader.h"
#include "record_support.h"
#include "rules/bidding/robot_bid.h"
#include "rules/bidding/robot_discard.h"
#include "rules/play/trump_play.h"
#include "sim/simulation.h"

using namespace corvane;
using namespace corvane::record;
using namespace corvane::testing;
namespace line = corvane::record::line;
namespace field = corvane::record::field;

namespace {

std::vector<std::string> simulated(long games, std::uint64_t seed, bool southNt, std::optional<std::uint64_t> deal = {})
{
    std::vector<std::string> lines;
    RecordWriter w({seed, SouthPlayer::Robot, southNt, 1}, [&](std::string_view l) { lines.emplace_back(l); });
    sim::Options o;
    o.games = games;
    o.seed = seed;
    o.southNoTrumps = southNt;
    o.deal = deal;
    const sim::Tally t = sim::simulate(o, [&](const Event& e, const TableState&, const Game& g) { w.observe(e, g); });
    EXPECT_EQ(t.firstFault, "");
    return lines;
}

// The checked-in records, each a game of a simulator's run, are written
// again to the byte: the writer and its table are the file's format.
TEST(RecordLines, TheCheckedInRecordsAreWrittenAgainToTheByte)
{
    const char* data = std::getenv("CORVANE_TEST_DATA");
    ASSERT_NE(data, nullptr) << "CTest names the test data folder";
    int files = 0;
    for (const auto& entry : std::filesystem::directory_iterator(std::filesystem::path(data) / "records")) {
        std::ifstream in(entry.path());
        std::vector<std::string> lines;
        for (std::string l; std::getline(in, l);)
            lines.push_back(l);
        ASSERT_FALSE(lines.empty()) << entry.path();
        const RecordLine game = parsedLine(lines[0]);
        const long number = game.integer(field::game);
        const auto run = simulated(number, game.unsignedInteger(field::seed), game.flag(field::southNt));
        const std::size_t start =
            findLine(run, line::game, [&](const RecordLine& v) { return v.integer(field::game) == number; });
        EXPECT_EQ(std::vector<std::string>(run.begin() + static_cast<std::ptrdiff_t>(start), run.end()), lines)
            << entry.path();
        ++files;
    }
    EXPECT_GE(files, 6);
}

// Every line names its fields in the format's order, "type" first: a
// person's game, a rename and a chosen deal too, which no checked-in
// record holds.
TEST(RecordLines, FieldsComeInTheFormatsOrder)
{
    std::vector<std::string> lines = simulated(20, 5, true, dealNumber(corvane::Deal{1234, West}));
    Game g(31);
    const auto human = recordGames(g, {31, SouthPlayer::Human, false, 1}, 2);
    lines.insert(lines.end(), human.begin(), human.end());
    lines.push_back(R"({"type":"rename","seat":2,"name":"Max","log":[]})");
    simdjson::dom::parser parser;
    std::set<std::string_view> types;
    for (const std::string& text : lines) {
        const RecordLine l = parsedLine(text);
        types.insert(l.type());
        std::vector<std::string_view> keys, expected{"type"};
        for (const Member& m : l.lineType().members())
            if (m.field && (!m.optional || l.has(*m.field)))
                expected.push_back(m.field->key.name());
        for (auto member : simdjson::dom::object(parser.parse(text)))
            keys.push_back(member.key);
        EXPECT_EQ(keys, expected) << text;
    }
    EXPECT_EQ(types.size(), line::all.size());
}

// A line the writer finds sound is one the reader takes, and one it does
// not is refused: the replay takes a sound line it makes again to the byte
// without reading it, so the two checks must agree.
TEST(RecordLines, TheWriterKnowsWhichLinesTheReaderRefuses)
{
    Game g(3);
    std::string written;
    RecordWriter w({3, SouthPlayer::Robot, false, 1}, [&](std::string_view l) { written = l; });
    const auto cards = [](std::initializer_list<Card> list) {
        CardSet set;
        for (Card c : list)
            set.add(c);
        return set;
    };
    const CardSet six = cards({1, 2, 3, 4, 5, 6});
    const Reason robot{Reason::Source::PlayItHigh, &TrumpRules[0]};
    struct Case {
        Event event;
        bool sound;
    };
    const Case cases[] = {
        {Event(ev::CardPlayed{South, 24, 1, robot}), true},
        {Event(ev::CardPlayed{0, 24, 1, robot}), false},
        {Event(ev::CardPlayed{East, 55, 1, robot}), false},
        {Event(ev::CardPlayed{East, 0, 1, robot}), false},
        {Event(ev::TrickGathered{3, 0, {}}), true},  // nobody could win it
        {Event(ev::TrickGathered{13, 2, {}}), false},
        {Event(ev::TrickGathered{3, 5, {}}), true},  // a seat it cannot name: null
        {Event(ev::BidMade{West, 7, true, 5, false, {Reason::Source::Bid, &BidRules[1]}}), true},
        {Event(ev::BidMade{West, 8, true, 5, false, {}}), false},
        {Event(ev::BidMade{West, 3, false, 6, false, {}}), false},
        {Event(ev::BidPassed{North, {}}), true},
        {Event(ev::ContractSettled{East, 0, true, 4}), false},
        {Event(ev::KittyDiscarded{West, six, {Reason::Source::Discard, &DiscardRules[0]}}), true},
        {Event(ev::KittyDiscarded{West, cards({1, 2, 3, 4, 5}), {}}), false},
        {Event(ev::DiscardsConfirmed{six}), true},
        {Event(ev::JokerSwapped{North, 53, 7}), true},
        {Event(ev::JokerSwapped{North, 52, 7}), false},
        {Event(ev::JokerSwapped{North, 54, 53}), false},
    };
    LineParser parser;
    for (const Case& c : cases) {
        written.clear();
        w.observe(c.event, g);
        ASSERT_FALSE(written.empty());
        EXPECT_EQ(w.written().sound, c.sound) << written;
        RecordLine l;
        std::string error;
        EXPECT_EQ(parser.read(written, l, error), c.sound) << written << ": " << error;
        if (c.sound)
            EXPECT_EQ(w.written().type, &l.lineType()) << written;
    }
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

// Names with quotes, backslashes and letters survive. (Names that are not
// UTF-8: the JSON strings' test.)
TEST(RecordLines, NamesSurviveTheRecordAndItsReplay)
{
    Names names = {"", "Zo\xC3\xAB \"the\" \\ Player", "West\tBot \xE6\x9D\xB1", "\xC3\x91" "and\xC3\xBA",
                   "East \xF0\x9F\x82\xA1 \\\""};
    Game g(3, names);
    const auto lines = recordGames(g, {3, SouthPlayer::Robot, false, 1}, 2);
    const RecordLine first = parsedLine(lines[0]);
    for (Seat s = South; s <= East; ++s)
        EXPECT_EQ(first.strings(field::names)[static_cast<std::size_t>(s - 1)], names[s]);
    EXPECT_EQ(first.strings(field::log)[0].rfind(names[South] + " a card will now be dealt", 0), 0U);
    const ReplayResult r = replayLines(lines);
    EXPECT_EQ(r.status, 0) << r.message;
    EXPECT_EQ(r.games, 2);
}

TEST(RecordLines, GameNumbersAndSeedsAsGiven)
{
    Game g(99);
    const auto lines = recordGames(g, {18446744073709551615ULL, SouthPlayer::Human, true, 41}, 2);
    std::vector<std::int64_t> numbers;
    for (const std::string& line : lines)
        if (typeOf(line) == "game") {
            const RecordLine v = parsedLine(line);
            numbers.push_back(v.integer(field::game));
            EXPECT_EQ(v.unsignedInteger(field::seed), 18446744073709551615ULL);
            EXPECT_EQ(v.string(field::south), "human");
        }
    EXPECT_EQ(numbers, (std::vector<std::int64_t>{41, 42}));
}

}  // namespace
