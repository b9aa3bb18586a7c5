#pragma once

#include <QDialog>

#include "record/hand_review.h"

class QTextBrowser;

namespace corvane {

// "Review of Hand N": one hand as its record tells it, to read at leisure
// beside the table: the hands and kitty as dealt, the bidding, the
// contract and discards, the twelve tricks card by card with the robots'
// reasons, and the points. It asks nothing, so the game goes on meanwhile.
class ReviewWindow : public QDialog {
    Q_OBJECT
public:
    explicit ReviewWindow(QWidget* parent = nullptr);

    void showHand(const record::HandReview& hand);
    QString text() const;

private:
    QTextBrowser* m_text;
};

// The review as a page of HTML.
QString reviewHtml(const record::HandReview& hand);

}  // namespace corvane
