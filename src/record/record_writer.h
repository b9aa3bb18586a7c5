#pragma once

#include <cstdint>
#include <cstring>
#include <memory>
#include <functional>
#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "engine/game.h"
#include "record/record_format.h"

namespace corvane::record {

// Who gave South's actions in the games a writer records.
enum class SouthPlayer { Robot, Human };

struct RecordOptions {
    std::uint64_t seed = 1;
    SouthPlayer south = SouthPlayer::Robot;
    bool southNoTrumps = false;  // South names No Trumps for its ordinary bids
    long firstGame = 1;          // the number of the first game written
    bool quickExpert = false;    // Expert robots decide at the Fast pace's budget
};

// Turns the engine's events into the lines of a game record, one JSON
// object per line (without the newline), handed to the sink as they are
// made. Feed it every event in order, each with the game right after it:
// the record needs the table after the deal and the score, and every log
// line, including those of events that make no line of their own, which go
// with the next line written.
class RecordWriter {
public:
    using Sink = std::function<void(std::string_view line)>;

    RecordWriter(RecordOptions options, Sink sink);

    // Starts over with new options, as a new writer would, keeping only
    // what it had made of the reasons' texts.
    void restart(RecordOptions options);
    // From the next game line on.
    void setQuickExpert(bool quick) { m_options.quickExpert = quick; }

    void observe(const Event& e, const Game& g);
    // A seat renamed during a game: its log lines from now on use the new
    // name. The line carries the lines pending, made under the old name, so
    // a replay knows where among them the rename came.
    void renamed(Seat s, std::string_view name);
    // Log lines observed since the last line written.
    int pendingLines() const { return m_pendingLines; }

    // The last line handed to the sink: its type, its card when it is a
    // play, and whether every value was one the format takes (a writer fed
    // an engine gone wrong may write a seat it cannot name as null, or a
    // number out of its field's range). A sound line is a valid record line.
    struct Written {
        const LineType* type = nullptr;
        Card card = NoCard;
        bool sound = true;
    };
    const Written& written() const { return m_written; }

    // Lines written so far.
    long lines() const { return m_lines; }
    // The game, hand (0 before the first deal) and trick (0 outside play)
    // of the last line written.
    long game() const { return m_game; }
    int hand() const { return m_hand; }
    int trick() const { return m_trick; }

    // Where the writer stands between two events: rewinding to it forgets
    // every event observed since (the lines written since are the sink's to
    // drop). An undo at the table takes the record back with the game.
    struct Position {
        std::string pendingLog;
        std::vector<Card> drawn;
        long lines = 0;
        long game = 0;
        int hand = 0;
        int trick = 0;
        int dealt = 0;
        int pendingLines = 0;
    };
    Position position() const;
    void rewind(const Position& p);

private:
    // The line being made: a buffer that grows as needed, written with
    // plain copies (a record of a long run is millions of lines).
    class Line {
    public:
        void clear() { m_size = 0; }
        void assign(std::string_view s)
        {
            clear();
            put(s);
        }
        std::string_view view() const { return {m_data.get(), m_size}; }
        void put(std::string_view s)
        {
            room(s.size());
            std::memcpy(m_data.get() + m_size, s.data(), s.size());
            m_size += s.size();
        }
        void put(char c)
        {
            room(1);
            m_data[m_size++] = c;
        }
        void number(long long v)
        {
            if (v < 0 || v >= 100)
                return largeNumber(v);
            room(2);  // seats, cards, levels: nearly every number
            if (v >= 10)
                m_data[m_size++] = static_cast<char>('0' + v / 10);
            m_data[m_size++] = static_cast<char>('0' + v % 10);
        }
        void largeNumber(long long v);
        void unsignedNumber(std::uint64_t v);
        void string(std::string_view s);

    private:
        void room(std::size_t n)
        {
            if (m_capacity - m_size < n)
                grow(n);
        }
        void grow(std::size_t n);
        std::unique_ptr<char[]> m_data = std::make_unique<char[]>(1024);
        std::size_t m_capacity = 1024;
        std::size_t m_size = 0;
    };

    // Each line is written in the format's order of its fields.
    void begin(const LineType& type);
    void key(const Field& f);
    void integer(const Field& f, long long value);
    void seat(const Field& f, Seat s);
    void text(const Field& f, std::string_view value);
    void boolean(const Field& f, bool value);
    void cards(const Field& f, CardSet set);
    void cardList(const Field& f, CardSet set);
    void check(bool sound) { m_written.sound = m_written.sound && sound; }
    void why(const Reason& r);
    void end();

    void gameLine(const Game& g);
    void dealLine(const Game& g);
    void handEndLine(const ev::HandScored& s, const Event& e, const Game& g);

    RecordOptions m_options;
    Sink m_sink;
    Line m_line;
    Line m_log;                           // log lines not yet written, as JSON strings
    std::map<std::pair<Reason::Source, const Rule*>, std::string> m_whyCache;  // a reason's text, escaped
    std::vector<Card> m_drawn;       // the dealer draw so far
    long m_lines = 0;
    long m_game = 0;
    int m_hand = 0;
    int m_trick = 0;
    int m_dealt = 0;
    int m_pendingLines = 0;
    Written m_written;
};

}  // namespace corvane::record
