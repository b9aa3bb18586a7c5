// What the table paints over the scene at the person's request: the ring
// and lift of a hint.
#include <QPainter>

#include "ui/table_view.h"

namespace corvane {

namespace {

const QColor HintRing(120, 215, 255);
// Half a picked discard's lift: a suggestion, not a choice.
constexpr int HintLift = 100;

}  // namespace

void TableView::showHint(CardSet cards, CardSet raised)
{
    m_hint = cards;
    m_hintRaised = raised & cards;
    update();
}

QPoint TableView::paintedCorner(Card c) const
{
    const Sprite& s = m_scene.card(c);
    return m_scale.point(s.left, s.top - (m_hintRaised.has(c) ? HintLift : 0));
}

void TableView::paintHint(QPainter& p) const
{
    const qreal width = std::max(2.0, 3 * m_scale.factor());
    p.setPen(QPen(HintRing, width, Qt::DashLine));
    p.setBrush(Qt::NoBrush);
    for (Card c : m_hint) {
        if (!m_scene.card(c).visible)
            continue;
        const QRectF r = QRectF(QRect(paintedCorner(c), cardSize())).adjusted(width, width, -width, -width);
        p.drawRoundedRect(r, 2 * width, 2 * width);
    }
}

}  // namespace corvane
