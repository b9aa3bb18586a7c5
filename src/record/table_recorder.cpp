#include "record/table_recorder.h"

#include <algorithm>

namespace corvane::record {

TableRecorder::TableRecorder(std::uint64_t seed, Sink sink)
    : m_sink(std::move(sink)),
      m_writer({seed, SouthPlayer::Human, false, 1}, [this](std::string_view line) { m_held.emplace_back(line); })
{
}

void TableRecorder::observe(const Event& e, const Game& g)
{
    if (e.is<ev::Refused>() || e.is<ev::DiscardsReturned>())
        return;
    noteRenames(e, g);
    m_writer.observe(e, g);
    if (e.is<ev::HandScored>())
        flush();
}

// A new game's line names everybody as they are; within a game, each seat
// renamed since the last action gets its line.
void TableRecorder::noteRenames(const Event& e, const Game& g)
{
    const auto* started = e.as<ev::HandStarted>();
    const bool inGame = m_writer.game() > 0 && !(started && started->newGame);
    for (Seat s = South; s <= East; ++s)
        if (inGame && m_names[s] != g.name(s))
            m_writer.renamed(s, g.name(s));
    m_names = g.names();
}

void TableRecorder::rewind(const Mark& m)
{
    m_writer.rewind(m.writer);
    m_held.resize(std::min(m.held, m_held.size()));
    // A rename taken back with the record is written again at the next action.
    m_names = m.names;
}

void TableRecorder::flush()
{
    if (m_sink && !m_held.empty())
        m_sink(m_held);
    m_held.clear();
}

}  // namespace corvane::record
