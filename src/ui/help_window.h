#pragma once

#include <QWidget>

class QPlainTextEdit;
class QPushButton;

namespace corvane {

// "Corvane Help": the rules of the game as one text to read through, in a
// window of its own beside the table. "Close" only hides it, so opening it
// again brings back the same window, scrolled where it was.
class HelpWindow : public QWidget {
    Q_OBJECT
public:
    explicit HelpWindow(QWidget* parent = nullptr);

    // Shows the window, or brings it forward when it is already up.
    void showAndRaise();

    // The rules text the window shows.
    static QString rulesText();

private:
    QPlainTextEdit* m_text;
    QPushButton* m_close;
};

}  // namespace corvane
