#pragma once

#include <istream>
#include <optional>
#include <string>

#include "record/json.h"
#include "table/card_set.h"

namespace corvane::record {

// One line of a record as read: its number in the file (1-based), its text
// and its value.
struct RecordLine {
    long number = 0;
    std::string text;
    Json value;
};

// Reads a record line by line: every line one JSON object (no blank lines),
// checked against the record's schema and the order of a game as it goes.
// The first line that fails stops the reader, with `error()` saying why and
// where.
class RecordReader {
public:
    explicit RecordReader(std::istream& in) : m_in(in) {}

    // The next line, or nothing at the end of the file or on the first error.
    std::optional<RecordLine> next();

    // "line N: what is wrong"; empty while every line read was valid.
    const std::string& error() const { return m_error; }
    long linesRead() const { return m_number; }

private:
    bool fail(const std::string& what);
    bool checkSchema(const Json& v);
    bool checkOrder(const Json& v);

    std::istream& m_in;
    std::string m_error;
    long m_number = 0;
    bool m_inGame = false;
    bool m_drawn = false;   // this game's dealer draw is read
    bool m_dealt = false;   // a hand of this game is dealt
    CardSet m_played;       // the cards played in the hand so far
};

// The schema of one line alone: empty when `v` is a valid record line, else
// what is wrong with it.
std::string schemaError(const Json& v);

}  // namespace corvane::record
