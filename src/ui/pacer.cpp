#include "ui/pacer.h"

#include <utility>

namespace corvane {

Pacer::Pacer(Sink sink, QObject* parent) : QObject(parent), m_sink(std::move(sink))
{
    m_timer.setSingleShot(true);
    m_timer.setTimerType(Qt::PreciseTimer);
    connect(&m_timer, &QTimer::timeout, this, &Pacer::timeout);
}

void Pacer::play(Steps steps, std::function<void()> then)
{
    for (Step& s : steps)
        m_queue.push_back({std::move(s), {}});
    if (then)
        m_queue.push_back({std::nullopt, std::move(then)});
    if (!m_pausing)
        run();
}

void Pacer::kick()
{
    if (!busy())
        m_timer.start(0);
}

void Pacer::clear()
{
    m_queue.clear();
    m_pausing = false;
    m_timer.stop();
}

void Pacer::run()
{
    while (!m_queue.empty()) {
        Entry e = std::move(m_queue.front());
        m_queue.pop_front();
        if (!e.step) {
            if (e.then)
                e.then();
            // The callback may have cleared the queue or queued steps of its
            // own, which are then already running.
            if (m_pausing)
                return;
            continue;
        }
        if (const auto* pause = std::get_if<step::Pause>(&*e.step)) {
            m_pausing = true;
            // Whole milliseconds, rounded up so that no pause is shortened.
            const auto ms = (pause->length.count() + 999) / 1000;
            m_timer.start(static_cast<int>(ms));
            return;
        }
        m_sink(*e.step);
    }
    m_timer.start(0);
}

void Pacer::timeout()
{
    if (m_pausing) {
        m_pausing = false;
        run();
        return;
    }
    emit drained();
}

}  // namespace corvane
