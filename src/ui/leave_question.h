#pragma once

#include <QObject>

#include <functional>

class QMessageBox;
class QWidget;

namespace corvane {

// The question the close box asks: leave the program or stay. One box is
// made and reused; it answers true for leaving.
class LeaveQuestion : public QObject {
    Q_OBJECT
public:
    explicit LeaveQuestion(QWidget* parent);

    // Asked once however often the close box is pressed while it is up.
    void ask(std::function<void(bool)> answer);
    bool isUp() const { return m_up; }
    void hide();

private:
    QWidget* m_parent;
    QMessageBox* m_box = nullptr;
    std::function<void(bool)> m_answer;
    bool m_up = false;
};

}  // namespace corvane
