#include "record/table_recorder.h"

#include <algorithm>

namespace corvane::record {

namespace {

bool ofType(const std::string& line, std::string_view type)
{
    const std::string start = "{\"type\":\"" + std::string(type) + "\"";
    return line.compare(0, start.size(), start) == 0;
}

}  // namespace

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
    const std::size_t before = m_held.size();
    m_writer.observe(e, g);
    for (std::size_t i = before; i < m_held.size(); ++i)
        if (ofType(m_held[i], "game"))
            m_gameLine = m_held[i];
    if (e.is<ev::HandScored>())
        handEnded();
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

void TableRecorder::handEnded()
{
    const auto deal = std::find_if(m_held.begin(), m_held.end(), [](const std::string& l) { return ofType(l, "deal"); });
    m_lastHand.assign(1, m_gameLine);
    m_lastHand.insert(m_lastHand.end(), deal, m_held.end());
    flush();
}

void TableRecorder::flush()
{
    if (m_sink && !m_held.empty())
        m_sink(m_held);
    m_held.clear();
}

}  // namespace corvane::record
