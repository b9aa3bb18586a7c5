#include <gtest/gtest.h>

#include "record_support.h"

using namespace corvane;
using namespace corvane::record;
using namespace corvane::testing;
namespace line = corvane::record::line;
namespace field = corvane::record::field;

namespace {

// Two whole games, South by the robots' rules, and the record of them.
class Replay : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        Game g(5);
        s_lines = recordGames(g, {5, SouthPlayer::Robot, false, 1}, 2);
    }
    std::vector<std::string> lines = s_lines;

    std::string prefix(std::size_t index) const { return "line " + std::to_string(index + 1) + ": "; }

    // The line at `index` with `from` replaced by `to` once.
    void replace(std::size_t index, const std::string& from, const std::string& to)
    {
        const std::size_t at = lines[index].find(from);
        ASSERT_NE(at, std::string::npos) << lines[index] << " has no " << from;
        lines[index].replace(at, from.size(), to);
    }

    void expectDifferenceAt(std::size_t index)
    {
        const ReplayResult r = replayLines(lines);
        EXPECT_EQ(r.status, 1) << r.message;
        EXPECT_EQ(r.message.rfind(prefix(index) + "the replay differs from the record (game ", 0), 0U) << r.message;
        EXPECT_NE(r.message.find("\n  record: " + lines[index] + "\n  replay: {"), std::string::npos) << r.message;
        EXPECT_EQ(r.lines, static_cast<long>(index));
    }

    void expectRefused(std::size_t index, const std::string& why)
    {
        const ReplayResult r = replayLines(lines);
        EXPECT_EQ(r.status, 2);
        EXPECT_EQ(r.message, prefix(index) + why);
    }

    static std::vector<std::string> s_lines;
};
std::vector<std::string> Replay::s_lines;

TEST_F(Replay, TheRecordAsWrittenReplays)
{
    const ReplayResult r = replayLines(lines);
    EXPECT_EQ(r.status, 0) << r.message;
    EXPECT_EQ(r.lines, static_cast<long>(lines.size()));
    EXPECT_EQ(r.games, 2);
    // White space and member order are the file's own business.
    std::vector<std::string> spaced = lines;
    spaced[1] = "  " + lines[1] + " \r";
    for (std::size_t at = 0; (at = spaced[1].find(",\"", at)) != std::string::npos; at += 3)
        spaced[1].replace(at, 2, " , \"");
    const std::size_t at = spaced[2].find(",\"hand\":1");
    ASSERT_NE(at, std::string::npos);
    spaced[2].erase(at, 9);
    spaced[2].insert(1, "\"hand\" : 1 ,");
    EXPECT_EQ(replayLines(spaced).status, 0) << replayLines(spaced).message;
}

// (A changed log line of a play: the tampered record's test.)
TEST_F(Replay, AChangedActionReasonOrLogLineIsReportedAtItsLine)
{
    // A robot's card of the second hand becomes a card its bid winner threw
    // away, which nobody can play.
    const std::size_t deal2 =
        findLine(lines, line::deal, [](const RecordLine& v) { return v.integer(field::hand) == 2; });
    const std::size_t exchange = findLine(lines, line::exchange, any, deal2);
    const std::size_t play =
        findLine(lines, line::play, [](const RecordLine& v) { return v.integer(field::seat) != South; }, exchange + 5);
    ASSERT_LT(play, lines.size());
    const Card thrown = parsedLine(lines[exchange]).cards(field::discards)[0];
    const RecordLine played = parsedLine(lines[play]);
    const std::string card = std::to_string(played.integer(field::card));
    replace(play, "\"card\":" + card + ",", "\"card\":" + std::to_string(thrown) + ",");
    expectDifferenceAt(play);
    const ReplayResult r = replayLines(lines);
    EXPECT_NE(r.message.find(", hand 2, trick "), std::string::npos) << r.message;
    EXPECT_NE(r.message.find(", seat " + std::to_string(played.integer(field::seat)) + ")"),
              std::string::npos)
        << r.message;

    lines = s_lines;
    // A robot's pass becomes a bid.
    const std::size_t pass =
        findLine(lines, line::pass, [](const RecordLine& v) { return v.integer(field::seat) != South; });
    ASSERT_LT(pass, lines.size());
    const std::string log = lines[pass].substr(lines[pass].find(",\"log\":"));
    lines[pass] = "{\"type\":\"bid\",\"seat\":" + std::to_string(parsedLine(lines[pass]).integer(field::seat)) +
                  ",\"level\":7,\"direction\":\"up\",\"trumps\":4,\"forced\":false,\"why\":null" + log;
    expectDifferenceAt(pass);

    lines = s_lines;
    const std::size_t why = findLine(lines, line::play, [](const RecordLine& v) { return !v.isNull(field::why); });
    replace(why, "\"why\":\"", "\"why\":\"x");
    expectDifferenceAt(why);

    lines = s_lines;
    const std::size_t end = findLine(lines, line::handEnd, any);
    replace(end, "\"log\":[]", "\"log\":[\"an extra line\"]");
    expectDifferenceAt(end);
}

TEST_F(Replay, ARecordCutShortOrRunningOnDiffers)
{
    lines.pop_back();  // the second game's end
    ReplayResult r = replayLines(lines);
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.message.rfind(prefix(lines.size()) + "the record ends, but the replay goes on (game 2", 0), 0U)
        << r.message;

    // A robot game cut in its first hand, with the next game after it.
    lines = s_lines;
    const std::size_t second =
        findLine(lines, line::game, [](const RecordLine& v) { return v.integer(field::game) == 2; });
    const std::size_t cut = findLine(lines, line::trick, any);
    lines.erase(lines.begin() + static_cast<long>(cut), lines.begin() + static_cast<long>(second));
    r = replayLines(lines);
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.message.rfind(prefix(cut) + "the replay differs", 0), 0U) << r.message;
}

TEST_F(Replay, BrokenFilesAreRefusedWithTheirLine)
{
    for (const char* blank : {"", " \t\r"}) {
        lines = s_lines;
        lines.insert(lines.begin() + 3, blank);
        expectRefused(3, "empty line");
    }

    lines = s_lines;
    lines.erase(lines.begin());
    expectRefused(0, "a record starts with a \"game\" line");

    lines = s_lines;
    lines.push_back(lines[lines.size() - 3]);
    expectRefused(lines.size() - 1, "a \"" + typeOf(lines.back()) + "\" line outside a game");

    lines = s_lines;
    std::swap(lines[1], lines[2]);
    expectRefused(1, "a deal before the dealer draw");

    lines = s_lines;
    lines.insert(lines.begin() + 3, lines[1]);
    expectRefused(3, "a second dealer draw in one game");

    lines = s_lines;
    const std::size_t first = findLine(lines, line::play, any);
    const std::size_t second = findLine(lines, line::play, any, first + 1);
    const std::string card = std::to_string(parsedLine(lines[first]).integer(field::card));
    const std::string other = std::to_string(parsedLine(lines[second]).integer(field::card));
    replace(second, "\"card\":" + other + ",", "\"card\":" + card + ",");
    expectRefused(second, "card " + card + " is played twice in one hand");

    // The whole file is checked before any difference.
    lines = s_lines;
    replace(findLine(lines, line::trick, any), " won this trick", " won that trick");
    lines[lines.size() - 2] += "}";
    expectRefused(lines.size() - 2,
                  "not valid JSON: a value, comma, colon, brace or bracket is missing, out of place or left over");

    EXPECT_EQ(replayText("").status, 2);
    EXPECT_EQ(replayText("").message, "the file holds no record");
}

// A seat renamed during a game: the lines after the rename use the new name,
// and so must the replay.
TEST_F(Replay, RenamedSeatsSpeakUnderTheirNewNames)
{
    const std::size_t play = findLine(lines, line::play, any);
    const std::size_t nextGame = findLine(lines, line::game, any, 1);
    ASSERT_LT(nextGame, lines.size());
    bool renamedLine = false;
    for (std::size_t i = play + 1; i < nextGame; ++i)
        for (std::size_t at; (at = lines[i].find("West Bot")) != std::string::npos; renamedLine = true)
            lines[i].replace(at, 8, "Max");
    ASSERT_TRUE(renamedLine);
    // Without the rename line the first line naming Max differs.
    EXPECT_EQ(replayLines(lines).status, 1);

    lines.insert(lines.begin() + static_cast<std::ptrdiff_t>(play) + 1,
                 R"({"type":"rename","seat":2,"name":"Max","log":[]})");
    const ReplayResult r = replayLines(lines);
    EXPECT_EQ(r.status, 0) << r.message;
    EXPECT_EQ(r.lines, static_cast<long>(lines.size()));
}

// A person's record: South's actions are applied as commands.
class HumanReplay : public ::testing::Test {
protected:
    static std::vector<std::string> record(std::uint64_t seed, long games, bool southNt)
    {
        Game g(seed);
        return recordGames(g, {seed, SouthPlayer::Human, southNt, 1}, games, AutoplayOptions{southNt});
    }
};

// In No Trumps the jokers are picked for South before its own picks.
TEST_F(HumanReplay, SouthsRecordedActionsReplayInNoTrumps)
{
    const auto lines = record(31, 4, true);
    const ReplayResult r = replayLines(lines);
    EXPECT_EQ(r.status, 0) << r.message;
    EXPECT_EQ(r.games, 4);
}

// South's recorded card changed: one South does not hold is refused by the
// engine; a robot's seat where South is to act differs.
TEST_F(HumanReplay, AChangedActionOfSouthsIsRefusedOrDiffers)
{
    const auto lines = record(31, 1, false);
    const std::size_t exchange = findLine(lines, line::exchange, any);
    const std::size_t play =
        findLine(lines, line::play, [](const RecordLine& v) { return v.integer(field::seat) == South; }, exchange);
    ASSERT_LT(play, lines.size());
    const std::string thrown = std::to_string(parsedLine(lines[exchange]).cards(field::discards)[0]);
    const std::string card = std::to_string(parsedLine(lines[play]).integer(field::card));
    auto changed = lines;
    changed[play].replace(changed[play].find("\"card\":" + card + ","), card.size() + 8, "\"card\":" + thrown + ",");
    ReplayResult r = replayLines(changed);
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.message, "line " + std::to_string(play + 1) +
                             ": the engine refuses South's recorded action\n  record: " + changed[play]);

    changed = lines;
    changed[play].replace(changed[play].find("\"seat\":1,"), 9, "\"seat\":2,");
    r = replayLines(changed);
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.message, "line " + std::to_string(play + 1) +
                             ": the replay waits for South's card, but the record has:\n  record: " + changed[play]);
}

// A person may leave a game anywhere, most often at their own turn: the
// record stops there, and the next game or the end of the file follows.
TEST_F(HumanReplay, AGameLeftUnfinishedEndsWhereTheRecordDoes)
{
    const auto full = record(31, 1, false);
    const std::size_t cuts[] = {
        findLine(full, line::trick, [](const RecordLine& v) { return v.integer(field::trick) == 5; }),
        findLine(full, line::play, [](const RecordLine& v) { return v.integer(field::seat) == South; })};
    Game g(32);
    const auto second = recordGames(g, {32, SouthPlayer::Human, false, 2}, 1);
    for (std::size_t cut : cuts) {
        ASSERT_LT(cut, full.size());
        const std::vector<std::string> first(full.begin(), full.begin() + static_cast<std::ptrdiff_t>(cut));
        auto lines = first;
        lines.insert(lines.end(), second.begin(), second.end());
        ReplayResult r = replayLines(lines);
        EXPECT_EQ(r.status, 0) << r.message;
        EXPECT_EQ(r.games, 2);
        EXPECT_EQ(r.lines, static_cast<long>(lines.size()));
        r = replayLines(first);
        EXPECT_EQ(r.status, 0) << r.message;
        EXPECT_EQ(r.lines, static_cast<long>(first.size()));
    }
}

}  // namespace
