// Looking back at the last hand: Play > Review Last Hand, and the "Review"
// button the end-of-hand message gains. Both read the hand's game record.
#include "record/hand_review.h"
#include "ui/review_window.h"
#include "ui/table_window.h"

namespace corvane {

void TableWindow::reviewLastHand()
{
    std::string error;
    const std::optional<record::HandReview> hand = record::reviewHand(m_recorder.lastHand(), error);
    if (!hand)
        return;
    if (m_review == nullptr)
        m_review = new ReviewWindow(this);
    m_review->showHand(*hand);
}

int TableWindow::addReviewButton(const Event& e, MessageBox& message) const
{
    if (!e.is<ev::HandScored>() || m_recorder.lastHand().empty())
        return -1;
    std::string* free = message.caption2.empty() ? &message.caption2 : message.caption3.empty() ? &message.caption3 : nullptr;
    if (free == nullptr)
        return -1;
    *free = "Review";
    return free == &message.caption2 ? 1 : 2;
}

}  // namespace corvane
