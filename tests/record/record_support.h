#pragma once

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "engine/autoplay.h"
#include "record/record_reader.h"
#include "record/record_writer.h"
#include "record/replay.h"

namespace corvane::testing {

// Plays `games` whole games on `g`, South by the robots' rules, and returns
// the record's lines. Every event and its log lines go to `events` when given.
inline std::vector<std::string> recordGames(Game& g, record::RecordOptions options, long games,
                                            AutoplayOptions south = {}, std::vector<Event>* events = nullptr)
{
    std::vector<std::string> lines;
    record::RecordWriter w(options, [&](std::string_view line) { lines.emplace_back(line); });
    auto take = [&](const Event& e) {
        w.observe(e, g);
        if (events)
            events->push_back(e);
    };
    for (long n = 0; n < games; ++n) {
        take(g.newGame());
        for (int guard = 0; g.awaiting() != Awaiting::NewGame && guard < 1000000; ++guard) {
            if (g.awaiting() == Awaiting::Nothing)
                take(g.advance());
            else
                for (const Event& e : autoplaySouth(g, south))
                    take(e);
        }
    }
    return lines;
}

inline std::string joined(const std::vector<std::string>& lines)
{
    std::string text;
    for (const std::string& l : lines)
        text += l + "\n";
    return text;
}

inline record::ReplayResult replayText(const std::string& text)
{
    std::istringstream in(text);
    return record::replayRecord(in);
}

inline record::ReplayResult replayLines(const std::vector<std::string>& lines) { return replayText(joined(lines)); }

// A line as the reader reads it; a line it refuses fails the test.
inline record::RecordLine parsedLine(const std::string& line)
{
    static record::LineParser parser;
    record::RecordLine l;
    std::string error;
    EXPECT_TRUE(parser.read(line, l, error)) << line << ": " << error;
    return l;
}

inline std::string typeOf(const std::string& line) { return std::string(parsedLine(line).type()); }

// The index of the first line from `from` of this type for which `pick`
// holds; lines.size() when there is none.
template <class Pick>
std::size_t findLine(const std::vector<std::string>& lines, const record::LineType& type, Pick pick,
                     std::size_t from = 0)
{
    for (std::size_t i = from; i < lines.size(); ++i) {
        const record::RecordLine l = parsedLine(lines[i]);
        if (l.is(type) && pick(l))
            return i;
    }
    return lines.size();
}

inline bool any(const record::RecordLine&) { return true; }

}  // namespace corvane::testing
