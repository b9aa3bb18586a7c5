#pragma once

#include <array>
#include <cstdint>
#include <istream>
#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "record/record_format.h"
#include "table/card.h"
#include "table/card_set.h"

namespace corvane::record {

// The longest line a reader takes; a record's longest lines are a few
// hundred bytes.
inline constexpr std::size_t MaxLineBytes = std::size_t{1} << 20;

// One line of a record, read and checked against the format: its type and
// the values of its fields. It keeps its own copy of everything, so it may
// be kept and copied. Values are asked for by field; a field the line's
// type does not have reads as 0 or empty.
class RecordLine {
public:
    long number() const { return m_number; }  // in its file, from 1
    const LineType& lineType() const { return *m_lineType; }
    bool is(const LineType& s) const { return m_lineType == &s; }
    std::string_view type() const { return m_lineType->type(); }
    // The line as it was read.
    std::string_view text() const { return std::string_view(m_bytes).substr(0, m_textSize); }

    bool has(const Field& f) const;
    bool isNull(const Field& f) const;
    std::int64_t integer(const Field& f) const;
    std::uint64_t unsignedInteger(const Field& f) const;
    bool flag(const Field& f) const;
    // A text, or which of a choice's two strings.
    std::string_view string(const Field& f) const;
    // A list of texts, or an object's texts in the format's order.
    std::vector<std::string_view> strings(const Field& f) const;
    // A list of cards; the deal's hands as seat 1's twelve, then seat 2's...
    std::span<const Card> cards(const Field& f) const;
    // A list of numbers, or an object's numbers in the format's order.
    std::span<const std::int64_t> numbers(const Field& f) const;

    // The same type and the same values: the same line but for white space
    // and the order of its members.
    friend bool operator==(const RecordLine& a, const RecordLine& b);

private:
    friend class LineParser;
    friend class RecordReader;

    struct Slot {
        std::int64_t number = 0;  // an integer, a flag, or the choice taken
        std::uint32_t first = 0;  // the values' place in the store of their kind
        std::uint32_t count = 0;
        bool present = false;
        bool null = false;
    };
    const Slot* slot(const Field& f) const;

    long m_number = 0;
    const LineType* m_lineType = &line::game;
    std::array<Slot, MaxMembers> m_slots{};
    std::string m_bytes;  // the line's text, then its strings
    std::uint32_t m_textSize = 0;
    std::vector<std::pair<std::uint32_t, std::uint32_t>> m_strings;  // place and size in m_bytes
    std::vector<std::int64_t> m_numbers;
    std::vector<Card> m_cards;
};

// Reads one line of a record at a time: the JSON, then the line against
// the format.
class LineParser {
public:
    LineParser();
    ~LineParser();
    LineParser(const LineParser&) = delete;
    LineParser& operator=(const LineParser&) = delete;

    // Bytes after a line's end that a padded line keeps readable.
    static constexpr std::size_t Padding = 64;

    // Reads `text` into `out`; false, with `error` saying what is wrong,
    // when it is not one valid record line.
    bool read(std::string_view text, RecordLine& out, std::string& error, bool padded = false);

private:
    struct Impl;
    std::unique_ptr<Impl> m_impl;
};

// Reads a record line by line: every line one JSON object (no blank lines),
// checked against the format and the order of a game as it goes. The first
// line that fails stops the reader, with `error()` saying why and where.
class RecordReader {
public:
    explicit RecordReader(std::istream& in);
    ~RecordReader();

    // The next line, read and checked, good until the next call; nothing at
    // the end of the file or at the first error.
    const RecordLine* next();

    // The same in steps, for a reader of the record that may know a line
    // without reading it as JSON: advance() moves to the next line (false at
    // the end of the file or at an error), and then either line() reads and
    // checks it, or written() takes it as a line the writer made and found
    // sound, to the byte, so only its place in the game is checked.
    bool advance();
    const RecordLine* line();
    bool written(const LineType& type, Card played);
    // The line moved to, as it is in the file.
    std::string_view text() const { return m_text; }
    // Its type, when it begins as the writer begins a line of that type.
    const LineType* typeAsWritten() const;
    // The line moved to is read or taken as written.
    bool checked() const { return m_checked; }

    // "line N: what is wrong"; empty while every line read was valid.
    const std::string& error() const { return m_error; }
    long linesRead() const { return m_number; }

private:
    bool fail(const std::string& what);
    bool checkOrder(const LineType& type, Card played);

    std::istream& m_in;
    std::vector<char> m_buffer;
    std::size_t m_begin = 0;
    std::size_t m_end = 0;
    bool m_eof = false;
    std::string_view m_text;
    bool m_checked = false;
    LineParser m_parser;
    RecordLine m_line;
    std::string m_error;
    long m_number = 0;
    bool m_inGame = false;
    bool m_drawn = false;  // this game's dealer draw is read
    bool m_dealt = false;  // a hand of this game is dealt
    CardSet m_played;      // the cards played in the hand so far
};

}  // namespace corvane::record
