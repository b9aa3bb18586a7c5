#pragma once

#include <QObject>
#include <QTimer>

#include <deque>
#include <functional>
#include <optional>

#include "scene/step.h"

namespace corvane {

// Plays the choreography's steps in time with one timer. Steps that take no
// time are handed to the sink at once; a pause starts the timer and the
// rest waits for it. When everything queued has been played, drained() is
// emitted from the event loop (never from inside play()), which is where
// the window asks the engine for its next action; if the window has nothing
// to ask, the timer stays stopped and the program is idle.
class Pacer : public QObject {
    Q_OBJECT
public:
    using Sink = std::function<void(const Step&)>;

    explicit Pacer(Sink sink, QObject* parent = nullptr);

    // Queues the steps, then `then` once they have all been played.
    void play(Steps steps, std::function<void()> then = {});
    // Asks for drained() again once nothing is left to play.
    void kick();
    // Forgets every step still queued and any pause running.
    void clear();

    // Steps are queued or a pause is running.
    bool busy() const { return m_pausing || !m_queue.empty(); }
    bool timerActive() const { return m_timer.isActive(); }
    // The running pause's length in milliseconds, as the timer was started.
    int timerInterval() const { return m_timer.interval(); }

signals:
    void drained();

private:
    struct Entry {
        std::optional<Step> step;
        std::function<void()> then;
    };

    void run();
    void timeout();

    Sink m_sink;
    std::deque<Entry> m_queue;
    QTimer m_timer;
    bool m_pausing = false;
};

}  // namespace corvane
