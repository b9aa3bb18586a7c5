#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "record/record_writer.h"

namespace corvane::record {

// The record of the games played at the table, South's actions as the person
// made them. The lines of the hand in progress are held back until the hand
// is scored, so that an undo takes its lines back with it; each scored hand
// is then handed to the sink.
// The person's false starts (a refused click, "Start Again") are not game
// actions: a replay, which gives only the actions, could not make their
// log lines, so they are left out. A seat renamed during a game gets a
// "rename" line before the first action that uses the new name.
class TableRecorder {
public:
    using Sink = std::function<void(const std::vector<std::string>& lines)>;

    TableRecorder(std::uint64_t seed, Sink sink = {});

    void observe(const Event& e, const Game& g);
    void setQuickExpert(bool quick) { m_writer.setQuickExpert(quick); }

    // The record as it stands at one of the person's turns.
    struct Mark {
        RecordWriter::Position writer;
        std::size_t held = 0;
        Names names;
    };
    Mark mark() const { return {m_writer.position(), m_held.size(), m_names}; }
    void rewind(const Mark& m);

    // Hands the lines held back to the sink: the program ends mid-hand.
    void flush();

private:
    void noteRenames(const Event& e, const Game& g);

    Sink m_sink;
    RecordWriter m_writer;
    std::vector<std::string> m_held;
    Names m_names;  // as the record stands
};

}  // namespace corvane::record
