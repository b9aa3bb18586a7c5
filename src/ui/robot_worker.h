#pragma once

#include <QObject>
#include <QThread>

#include <memory>

#include "session/robot_task.h"

namespace corvane {

// Makes the Expert robots' decisions on a thread of its own, so the table
// never waits on a search: decide() returns at once and decided() follows
// on the window's thread. One decision at a time.
class RobotWorker : public QObject {
    Q_OBJECT
public:
    explicit RobotWorker(QObject* parent = nullptr);
    // Waits for a decision still being made.
    ~RobotWorker() override;

    bool busy() const { return m_busy; }
    void decide(RobotTask task);

signals:
    void decided(const corvane::RobotAnswer& answer);

private:
    QThread m_thread;
    QObject* m_inThread;  // lives on m_thread; runs the decisions
    std::unique_ptr<expert::DoubleDummy> m_solver;
    bool m_busy = false;
};

}  // namespace corvane
