#include "ui/robot_worker.h"

#include <QMetaObject>

namespace corvane {

RobotWorker::RobotWorker(QObject* parent)
    : QObject(parent), m_inThread(new QObject), m_solver(std::make_unique<expert::DoubleDummy>(expert::ExpertTableBits))
{
    m_inThread->moveToThread(&m_thread);
    connect(&m_thread, &QThread::finished, m_inThread, &QObject::deleteLater);
    m_thread.start();
}

RobotWorker::~RobotWorker()
{
    m_thread.quit();
    m_thread.wait();
}

void RobotWorker::decide(RobotTask task)
{
    m_busy = true;
    QMetaObject::invokeMethod(m_inThread, [this, task = std::move(task)] {
        const RobotAnswer answer = corvane::decide(task, *m_solver);
        QMetaObject::invokeMethod(this, [this, answer] {
            m_busy = false;
            emit decided(answer);
        });
    });
}

}  // namespace corvane
