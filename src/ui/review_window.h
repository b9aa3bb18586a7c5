#pragma once

#include <QDialog>

#include "session/hand_review.h"

class QTextBrowser;

namespace corvane {

// "Review of Hand N": one hand as it was dealt and played, to read at
// leisure beside the table: the hands and kitty as dealt, the bidding, the
// contract and discards, the twelve tricks card by card with the robots'
// reasons as the log says them, and the points. It asks nothing, so the
// game goes on meanwhile.
class ReviewWindow : public QDialog {
    Q_OBJECT
public:
    explicit ReviewWindow(QWidget* parent = nullptr);

    void showHand(const HandReview& hand);
    QString text() const;

private:
    QTextBrowser* m_text;
};

// The review as a page of HTML. A long name is cut at a word and marked
// with an ellipsis, so that no column grows past the page.
QString reviewHtml(const HandReview& hand);

}  // namespace corvane
