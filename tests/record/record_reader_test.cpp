#include <gtest/gtest.h>

#include "record_support.h"

using namespace corvane;
using namespace corvane::record;
using namespace corvane::testing;

namespace {

std::string refusal(const std::string& text)
{
    LineParser parser;
    RecordLine l;
    std::string error;
    EXPECT_FALSE(parser.read(text, l, error)) << text << " was taken";
    return error;
}

// `text` with `from` replaced by `to` once.
std::string with(std::string text, const std::string& from, const std::string& to)
{
    const std::size_t at = text.find(from);
    EXPECT_NE(at, std::string::npos) << text << " has no " << from;
    return at == std::string::npos ? text : text.replace(at, from.size(), to);
}

const std::string Play = R"({"type":"play","seat":3,"card":24,"why":null,"log":["a","b"]})";
const std::string Deal = R"({"type":"deal","hand":1,"dealer":2,"hands":{"1":[1,2,3,4,5,6,7,8,9,10,11,12],)"
                         R"("2":[13,14,15,16,17,18,19,20,21,22,23,24],"3":[25,26,27,28,29,30,31,32,33,34,35,36],)"
                         R"("4":[37,38,39,40,41,42,43,44,45,46,47,48]},"kitty":[49,50,51,52,53,54],"log":[]})";
const std::string HandEnd = R"({"type":"hand_end","books":{"1":7,"2":6},"points":[3,0],"game_points":[-2,5],)"
                            R"("message":{"title":"T","text":"X","caption1":"OK"},"log":[]})";
const std::string GameLine = R"({"type":"game","game":1,"seed":18446744073709551615,"south":"robot",)"
                             R"("south_nt":false,"names":["P","W","N","E"],"log":[]})";

// One line for each kind of error the JSON library tells, in the reader's words.
TEST(LineParser, RefusesWhatIsNotJson)
{
    struct Case {
        std::string text, error;
    };
    const Case cases[] = {
        {"", "not valid JSON: no value"},
        {Play + "}", "not valid JSON: a value, comma, colon, brace or bracket is missing, out of place or left over"},
        {Play.substr(0, 36), "not valid JSON: the line ends inside a string"},
        {with(Play, "24", "18446744073709551616"), "not valid JSON: a number that is malformed or does not fit in 64 bits"},
        {with(Play, "\"a\"", "\"a\tb\""), "not valid JSON: unescaped control character in a string"},
        {with(Play, "\"a\"", R"("\ud800x")"), "not valid JSON: a bad escape or a lone surrogate in a string"},
        {with(Play, "\"a\"", "\"\xC0\xAF\""), "not valid JSON: invalid UTF-8"},
        {with(Play, "null", "nul"), "not valid JSON: invalid value"},
        {with(Play, "null", "tru"), "not valid JSON: invalid value"},
        {with(Play, "\"seat\":3", "\"seat\":3,\"seat\":3"), "not valid JSON: duplicate member \"seat\""},
        {with(Deal, "\"2\":[", "\"1\":["), "not valid JSON: duplicate member \"1\""},
    };
    for (const Case& c : cases)
        EXPECT_EQ(refusal(c.text), c.error) << c.text;
}

TEST(LineParser, LimitsNesting)
{
    const auto nested = [](int depth) {
        return "{\"type\":\"play\",\"x\":" + std::string(static_cast<std::size_t>(depth - 1), '[') +
               std::string(static_cast<std::size_t>(depth - 1), ']') + "}";
    };
    // Sixty-four deep is JSON the reader takes, and then refuses as a record line.
    EXPECT_EQ(refusal(nested(64)), "\"seat\" is missing");
    EXPECT_EQ(refusal(nested(65)), "not valid JSON: nested too deeply");
    // Deep enough to overflow the stack of a reader without a limit.
    EXPECT_EQ(refusal(std::string(100000, '[')).rfind("not valid JSON: ", 0), 0U);
}

TEST(LineParser, RefusesWhatIsNoRecordLine)
{
    struct Case {
        std::string text, error;
    };
    const Case cases[] = {
        {"[1,2]", "a line must be a JSON object"},
        {R"({"seat":3})", "\"type\" is missing"},
        {R"({"type":3})", "\"type\" is missing"},
        {with(Play, "play", "pley"), "unknown type \"pley\""},
        {with(Play, "\"card\":24,", ""), "\"card\" is missing"},
        {with(Play, "\"seat\":3", "\"seat\":null"), "\"seat\" must be a seat 1..4"},
        {with(Play, "\"why\":null", "\"why\":false"), "\"why\" must be a string or null"},
        {with(Play, "\"a\"", "[]"), "\"log\" must be a list of strings"},
        {with(Deal, "\"1\":[1,", "\"5\":[1,"), "\"hands\" must hold the seats \"1\" to \"4\""},
        {with(Deal, "\"hands\":{", "\"hands\":{\"5\":[],"), "\"hands\" must hold the seats \"1\" to \"4\""},
        {with(Deal, "[1,2,", "[2,1,"), "the hand of seat 1 must be in ascending order"},
        {with(Deal, "[13,14,", "[13,13,"), "the hand of seat 2 holds card 13 twice"},
        {with(Deal, ",48]", "]"), "the hand of seat 4 must hold 12 cards"},
        {with(Deal, "[49,", "[12,"), "card 12 is dealt twice"},
        {with(Deal, "[25,", "[24,"), "card 24 is dealt twice"},
        {with(Deal, "\"kitty\":[49", "\"kitty\":[\"49\""), "\"kitty\" holds something that is not a card id 1..54"},
        {with(Deal, "\"dealer\":2", "\"dealer\":0"), "\"dealer\" must be a seat 1..4"},
        {with(HandEnd, ",\"2\":6", ""), "\"books\" must hold the teams \"1\" and \"2\""},
        {with(HandEnd, "\"2\":6", "\"2\":14"), "\"books\": \"2\" must be a number of books 0..13"},
        {with(HandEnd, "[3,0]", "[3]"), "\"points\" must be a list of two whole numbers"},
        {with(HandEnd, "[-2,5]", "[-2,5.5]"), "\"game_points\" must be a list of two whole numbers"},
        {with(HandEnd, ",\"caption1\":\"OK\"", ""), "\"message\": \"caption1\" is missing"},
        {with(HandEnd, "\"caption1\"", "\"caption2\""), "\"message\": \"caption1\" is missing"},
        {with(HandEnd, "\"OK\"}", "\"OK\",\"more\":1}"), "\"message\": unknown field \"more\""},
        {with(HandEnd, "\"title\":\"T\"", "\"title\":1"), "\"message\": \"title\" must be a string"},
        {with(HandEnd, "{\"title\":\"T\",\"text\":\"X\",\"caption1\":\"OK\"}", "\"OK\""),
         "\"message\" must be an object with a title, a text and a caption1"},
        {with(GameLine, "18446744073709551615", "-1"), "\"seed\" must be a whole number from 0 to 2^64-1"},
        {with(GameLine, "\"game\":1", "\"game\":0"), "\"game\" must be a game number from 1"},
        {with(GameLine, "\"seed\"", "\"deal\":17179869184,\"seed\""),
         "\"deal\" must be a deal number from 0 to 17179869183"},
        {with(GameLine, "false", "0"), "\"south_nt\" must be true or false"},
        {with(GameLine, "\"E\"]", "\"E\",\"F\"]"), "\"names\" must be a list of four names"},
        {R"({"type":"dealer_draw","cards":[],"dealer":1,"log":[]})", "\"cards\" must hold at least one card"},
        {R"({"type":"dealer_draw","cards":[55],"dealer":1,"log":[]})",
         "\"cards\" holds something that is not a card id 1..54"},
        {R"({"type":"dealer_draw","cards":7,"dealer":1,"log":[]})", "\"cards\" must be a list of card ids"},
        {R"({"type":"trick","number":13,"winner":null,"log":[]})", "\"number\" must be a whole number from 1 to 12"},
        {R"({"type":"trick","number":3,"winner":0,"log":[]})", "\"winner\" must be a seat 1..4"},
        {R"({"type":"game_end","winner":3,"log":[]})", "\"winner\" must be a team 1 or 2"},
        {R"({"type":"joker_swap","seat":2,"joker":52,"card":3,"why":null,"log":[]})", "\"joker\" must be 53 or 54"},
        {R"({"type":"joker_swap","seat":2,"joker":53,"card":53,"why":null,"log":[]})",
         "\"card\" must be a suit card id 1..52"},
        {R"({"type":"contract","seat":2,"level":8,"direction":"up","trumps":1,"log":[]})",
         "\"level\" must be a whole number from 3 to 7"},
        {R"({"type":"contract","seat":2,"level":3,"direction":"sideways","trumps":1,"log":[]})",
         "\"direction\" must be \"up\" or \"down\""},
        {R"({"type":"rename","seat":2,"name":null,"log":[]})", "\"name\" must be a string"},
        {R"({"type":"rename","seat":5,"name":"Max","log":[]})", "\"seat\" must be a seat 1..4"},
        {with(Play, "24", "\"24\""), "\"card\" must be a card id 1..54"},
        {with(Play, "24", "55"), "\"card\" must be a card id 1..54"},
        {with(Play, "24", "0"), "\"card\" must be a card id 1..54"},
        {with(Play, "\"seat\":3", "\"seat\":\"3\""), "\"seat\" must be a seat 1..4"},
        {with(Play, "\"seat\":3", "\"seat\":3.0"), "\"seat\" must be a seat 1..4"},
        {with(Play, "\"why\":", "\"whom\":"), "\"why\" is missing"},
        {with(Play, "\"log\":[", "\"extra\":1,\"log\":["), "unknown field \"extra\""},
        {with(GameLine, "\"robot\"", "\"robots\""), "\"south\" must be \"robot\" or \"human\""},
        {with(Deal, "\"hand\":1", "\"hand\":0"), "\"hand\" must be a hand number from 1"},
        {with(Deal, ",54]", "]"), "\"kitty\" must hold 6 cards"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(refusal(c.text), c.error) << c.text;
}

// Members in any order, inside objects too, and white space are the file's
// own; each value lands in its field all the same.
TEST(LineParser, ReadsMembersInAnyOrder)
{
    const RecordLine deal = parsedLine(Deal);
    const RecordLine reordered = parsedLine(
        " { \"log\" : [ ] , \"kitty\":[49,50,51,52,53,54],\"hands\":{\"4\":[37,38,39,40,41,42,43,44,45,46,47,48],"
        "\"3\":[25,26,27,28,29,30,31,32,33,34,35,36],\"2\":[13,14,15,16,17,18,19,20,21,22,23,24],"
        "\"1\":[1,2,3,4,5,6,7,8,9,10,11,12]},\"dealer\":2,\"hand\":1,\"type\":\"deal\"}\r");
    EXPECT_EQ(reordered, deal);
    EXPECT_EQ(reordered.cards(field::hands)[12], 13);
    const RecordLine end = parsedLine(with(with(HandEnd, "{\"1\":7,\"2\":6}", "{\"2\":6,\"1\":7}"),
                                           "{\"title\":\"T\",\"text\":\"X\",", "{\"text\":\"X\",\"title\":\"T\","));
    EXPECT_EQ(end.numbers(field::books)[0], 7);
    EXPECT_EQ(end.strings(field::message), (std::vector<std::string_view>{"T", "X", "OK"}));
    EXPECT_TRUE(parsedLine(R"({"type":"trick","number":3,"winner":null,"log":[]})").isNull(field::trickWinner));
}

TEST(LineParser, LinesDifferByAnyValue)
{
    const std::string lines[] = {Play, Deal, HandEnd, GameLine};
    const std::pair<std::size_t, std::pair<std::string, std::string>> changes[] = {
        {0, {"\"seat\":3", "\"seat\":4"}},      {0, {"null", "\"x\""}},  {0, {"[\"a\",\"b\"]", "[\"b\",\"a\"]"}},
        {0, {",\"b\"", ""}},                    {1, {"[1,2,", "[1,49,"}},
        {1, {"\"2\":[13,", "\"9\":[13,"}},      {2, {"\"2\":6", "\"2\":5"}}, {2, {"\"OK\"", "\"Ok\""}},
        {2, {"[3,0]", "[0,3]"}},                {3, {"false", "true"}},  {3, {"\"robot\"", "\"human\""}},
        {3, {"\"seed\"", "\"deal\":0,\"seed\""}}, {3, {"\"N\"", "\"n\""}},
    };
    for (const auto& [index, change] : changes) {
        const std::string changed = with(lines[index], change.first, change.second);
        LineParser parser;
        RecordLine l;
        std::string error;
        if (!parser.read(changed, l, error))
            continue;  // a change the format refuses is no line to compare
        EXPECT_FALSE(l == parsedLine(lines[index])) << changed;
    }
    EXPECT_FALSE(parsedLine(Play) == parsedLine(with(Play, "play", "pass").replace(Play.find(",\"card\":24"), 10, "")));
}

std::vector<std::string> readAll(const std::string& text, std::string& error)
{
    std::istringstream in(text);
    RecordReader reader(in);
    std::vector<std::string> lines;
    while (const RecordLine* l = reader.next())
        lines.emplace_back(l->text());
    error = reader.error();
    return lines;
}

TEST(RecordReader, ReadsLinesAcrossItsBuffer)
{
    // A few megabytes of record, more than the reader holds at once.
    Game g(17);
    const std::vector<std::string> lines = recordGames(g, {17, SouthPlayer::Robot, false, 1}, 100);
    ASSERT_GT(joined(lines).size(), 3 * MaxLineBytes);
    std::string error;
    EXPECT_EQ(readAll(joined(lines), error), lines);
    EXPECT_EQ(error, "");
    // The last line needs no line end.
    std::string cut = joined(lines);
    cut.pop_back();
    EXPECT_EQ(readAll(cut, error), lines);
    EXPECT_EQ(error, "");
}

TEST(RecordReader, RefusesLinesTooLong)
{
    Game g(17);
    const std::vector<std::string> lines = recordGames(g, {17, SouthPlayer::Robot, false, 1}, 1);
    std::string error;
    for (std::size_t size : {MaxLineBytes + 1, 3 * MaxLineBytes}) {
        const std::string text = lines[0] + "\n" + std::string(size, ' ') + "\n" + lines[1] + "\n";
        EXPECT_EQ(readAll(text, error).size(), 1U);
        EXPECT_EQ(error, "line 2: longer than 1048576 bytes");
        EXPECT_EQ(readAll(lines[0] + "\n" + std::string(size, 'x'), error).size(), 1U);
        EXPECT_EQ(error, "line 2: longer than 1048576 bytes");
    }
    // The longest line taken is JSON like any other.
    const std::string longest = lines[0] + std::string(MaxLineBytes - lines[0].size(), ' ');
    EXPECT_EQ(readAll(longest + "\n" + lines[1] + "\n", error).size(), 2U);
    EXPECT_EQ(error, "");
}

}  // namespace
