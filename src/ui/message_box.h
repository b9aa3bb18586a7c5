#pragma once

#include <QDialog>
#include <QPoint>
#include <QString>

#include <array>
#include <functional>

#include "table/event.h"

class QLabel;

namespace corvane {

class MessageBoxButton;

// What the program asks: the text, one to three button captions (a caption
// that is empty or only blanks means no such button), the picture 1..6 and
// the title.
struct MessageRequest {
    QString prompt;
    std::array<QString, 3> captions;
    int picture = 4;
    QString title;
    // What closing the box answers, when not the usual (see closeAnswer()):
    // a button added to a box keeps its closing as it was.
    int closeButton = -1;
};

// The engine's message as the box asks it.
MessageRequest requestOf(const MessageBox& message, int closeButton = -1);

// The program's message box: a title strip, a picture, the wrapping text
// and the caller's buttons, shown modal over the whole program. ask()
// returns at once; the answer, the index of the button clicked (0 for the
// first caption), follows as answered() and through the callback, so the
// table's timers run on while the box waits. One box is made and reused.
class MessageDialog : public QDialog {
    Q_OBJECT
public:
    explicit MessageDialog(QWidget* parent = nullptr);

    // Replaces any question still up; that one goes unanswered.
    void ask(const MessageRequest& request, std::function<void(int)> onAnswer = {});

    // The index last answered, -1 before the first answer.
    int lastAnswer() const { return m_lastAnswer; }
    MessageBoxButton* button(int index) const { return m_buttons.at(index); }
    // What closing the box answers: the only button, or of two the second
    // (the one that changes nothing: "Carry On", "Don't erase"). With three
    // there is no safe choice and closing is refused (-1).
    int closeAnswer() const;

signals:
    void answered(int button);

public slots:
    // Closing by the window manager and Escape both come here.
    void reject() override;

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void setCaptions(const std::array<QString, 3>& captions);
    void layOut();
    void placeButtons(int innerHeightTwips);
    void placeOnScreen(int heightBefore);
    void finish(int index);

    QLabel* m_title;
    QLabel* m_message;
    QLabel* m_picture;
    std::array<MessageBoxButton*, 3> m_buttons{};
    std::function<void(int)> m_onAnswer;
    int m_lastAnswer = -1;
    int m_closeButton = -1;
    bool m_dragging = false;
    QPoint m_dragStart;
    QPoint m_boxStart;
};

}  // namespace corvane
