// Undo at the table: the engine goes back to its snapshot of one of the
// person's turns, and the window to what it kept of the same turn (the
// scene the choreography had reached, the log, the record, the last trick),
// so the table is exactly as it was then.
#include "ui/bid_panel_frame.h"
#include "ui/message_log.h"
#include "ui/pacer.h"
#include "ui/table_view.h"
#include "ui/table_window.h"

namespace corvane {

// The engine keeps one snapshot for each of the person's turns of the hand;
// the window keeps one mark beside each.
void TableWindow::noteTurn(const Event& e)
{
    if (e.is<ev::HandStarted>())
        m_lastTrick.reset();
    if (const auto* c = e.as<ev::CardPlayed>())
        m_trickSeats[static_cast<std::size_t>(c->position)] = c->seat;
    if (const auto* t = e.as<ev::TrickGathered>()) {
        GatheredTrick g{t->number, t->winner, {}};
        for (std::size_t p = 1; p <= 4; ++p)
            g.bySeat[m_trickSeats[p]] = t->cards[p];
        m_lastTrick = g;
    }
    const auto depth = static_cast<std::size_t>(m_game.undoDepth());
    if (m_turns.size() > depth)
        m_turns.erase(m_turns.begin() + static_cast<std::ptrdiff_t>(depth), m_turns.end());
    while (m_turns.size() < depth)
        m_turns.push_back({m_choreographer, m_recorder.mark(), m_lastTrick, -1});
}

void TableWindow::noteTurnLog()
{
    if (!m_turns.empty() && m_turns.back().logRows < 0)
        m_turns.back().logRows = m_view->log()->count();
}

void TableWindow::undoTurn()
{
    if (asking() || !m_game.canUndo())
        return;
    m_pacer->clear();
    if (!m_game.undo().is<ev::Undone>())
        return;
    noteTurn(Event{ev::Undone{}, {}, std::nullopt});
    if (m_turns.empty())
        return;
    const TurnMark& turn = m_turns.back();
    const Pace pace = m_choreographer.pace();
    m_choreographer = turn.choreographer;
    m_choreographer.setPace(pace);
    m_recorder.rewind(turn.record);
    m_lastTrick = turn.lastTrick;
    m_trickSeats = m_game.table().trick.seat;
    m_view->restore(m_choreographer.scene(), turn.logRows);
    if (m_choreographer.scene().shown(Control::BidPanel))
        m_view->bidPanel()->showState(m_game.table().panel);
    offerKeyboardCards();
    refreshPlayItems();
}

}  // namespace corvane
