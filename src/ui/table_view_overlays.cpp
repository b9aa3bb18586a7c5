// What the table paints over the cards at the person's request, as the
// scene has it: the rings of a hint, and the last trick.
#include <QApplication>
#include <QPainter>

#include "scene/layouts.h"
#include "ui/card_art.h"
#include "ui/fonts.h"
#include "ui/table_view.h"

namespace corvane {

namespace {

const QColor HintRing(120, 215, 255);
const QColor TrickShade(0, 60, 28, 215);
const QColor TrickText(255, 250, 215);

// Where a seat's card lies on the trick.
Spot trickSpot(Seat s)
{
    const Slide played = playSlide(s);
    return played.second.value_or(played.first);
}

}  // namespace

QRect TableView::trickArea()
{
    QRect area;
    for (Seat s = South; s <= East; ++s) {
        const Spot at = trickSpot(s);
        area |= QRect(at.left, at.top, CardWidth, CardHeight);
    }
    return area;
}

// The filter is on while the scene shows a trick.
void TableView::watchForDismissal()
{
    if (m_scene.showingTrick())
        qApp->installEventFilter(this);
    else
        qApp->removeEventFilter(this);
}

// While a trick is shown, the first click or key only takes it away.
bool TableView::eventFilter(QObject* watched, QEvent* e)
{
    if (m_scene.showingTrick() && (e->type() == QEvent::MouseButtonPress || e->type() == QEvent::KeyPress)) {
        emit trickDismissed();
        return true;
    }
    return QWidget::eventFilter(watched, e);
}

void TableView::paintTrick(QPainter& p)
{
    if (!m_scene.showingTrick())
        return;
    const step::ShowTrick& trick = m_scene.shownTrick();
    const QRect area = trickArea().adjusted(-240, -480, 240, 240);
    const QRect shade = m_scale.rect(area.x(), area.y(), area.width(), area.height());
    p.setPen(Qt::NoPen);
    p.setBrush(TrickShade);
    p.drawRoundedRect(shade, shade.height() / 24.0, shade.height() / 24.0);
    const QSize size = cardSize();
    for (Seat s = South; s <= East; ++s) {
        if (!isValidCard(trick.bySeat[s]))
            continue;
        const Spot at = trickSpot(s);
        p.drawPixmap(m_scale.point(at.left, at.top), m_art->face(trick.bySeat[s], size, devicePixelRatioF()));
    }
    p.setFont(serifFont(std::max(7, static_cast<int>(std::lround(12 * m_scale.factor()))), true));
    p.setPen(TrickText);
    const QRect top = m_scale.rect(area.x(), area.y(), area.width(), 480);
    p.drawText(top, Qt::AlignCenter, QString::fromStdString(trick.caption));
}

void TableView::paintHint(QPainter& p) const
{
    const qreal width = std::max(2.0, 3 * m_scale.factor());
    p.setPen(QPen(HintRing, width, Qt::DashLine));
    p.setBrush(Qt::NoBrush);
    for (Card c : m_scene.rings()) {
        if (!m_scene.card(c).visible)
            continue;
        // Ring the part that shows: up to the card that overlaps it from the right.
        QRect shown = cardRect(c);
        for (Card above : m_scene.paintOrder()) {
            const QRect r = cardRect(above);
            if (m_scene.card(above).z > m_scene.card(c).z && r.intersects(shown) && r.left() > shown.left())
                shown.setRight(r.left() - 1);
        }
        p.drawRoundedRect(QRectF(shown).adjusted(width, width, -width, -width), 2 * width, 2 * width);
    }
}

}  // namespace corvane
