#include "ui/table_view.h"

#include <QHelpEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPushButton>
#include <QToolTip>

#include <algorithm>
#include <cmath>

#include "ui/bid_panel_frame.h"
#include "ui/card_art.h"
#include "ui/message_log.h"
#include "ui/table_accessibility.h"
#include "ui/table_layout.h"

namespace corvane {

namespace {

QPushButton* button(QWidget* parent, const char* name, const char* caption, const char* toolTip)
{
    auto* b = new QPushButton(QString::fromUtf8(caption), parent);
    b->setObjectName(QString::fromUtf8(name));
    b->setToolTip(QString::fromUtf8(toolTip));
    b->hide();
    return b;
}

bool inside(const QRectF& r, QPoint p) { return r.contains(QPointF(p)); }

}  // namespace

QWidget* makeTopLayer(TableView* table);

TableView::TableView(QWidget* parent)
    : QWidget(parent),
      m_art(std::make_unique<CardArt>()),
      m_carryOn(button(this, "BtnNextHand", "Carry &On", "Click here to carry on")),
      m_startAgain(button(this, "BtnPutBack", "&Start Again", "Click to start selecting again")),
      m_discardCarryOn(button(this, "ButtonContinue", "Car&ry On",
                              "Click when you have selected six  cards to throw away")),
      m_bidPanel(new BidPanelFrame(this)),
      m_log(new MessageLog(this)),
      m_top(makeTopLayer(this))
{
    installTableAccessibility();
    setObjectName(QStringLiteral("Table"));
    setAccessibleName(QStringLiteral("Card table"));
    setMouseTracking(false);
    // The table takes keys for the cards; Tab still reaches the controls.
    setFocusPolicy(Qt::StrongFocus);
    // Return presses "Carry On" when it has the focus, as in a dialog.
    m_carryOn->setAutoDefault(true);
    m_bidPanel->hide();

    m_controls.add(m_carryOn, layout::CarryOn, layout::ButtonFont, true);
    m_controls.add(m_startAgain, layout::StartAgain, layout::ButtonFont);
    m_controls.add(m_discardCarryOn, layout::DiscardCarryOn, layout::ButtonFont);
    m_controls.add(m_bidPanel, layout::BidPanel, layout::LabelFont, true);
    m_bidPanel->addControls(m_controls);
    m_controls.add(m_log, layout::Log, layout::LogFont);
    m_top->raise();
    rescale();
}

TableView::~TableView() = default;

QWidget* TableView::controlWidget(Control c) const
{
    switch (c) {
    case Control::CarryOn: return m_carryOn;
    case Control::BidPanel: return m_bidPanel;
    case Control::StartAgain: return m_startAgain;
    case Control::DiscardCarryOn: return m_discardCarryOn;
    default: return nullptr;  // painted, not a widget
    }
}

void TableView::apply(const Step& s)
{
    m_scene.apply(s);
    if (const auto* c = std::get_if<step::ShowControl>(&s)) {
        if (QWidget* w = controlWidget(c->control)) {
            w->setVisible(c->visible);
            if (c->visible && c->control == Control::CarryOn)
                w->setFocus(Qt::OtherFocusReason);
        }
    } else if (const auto* l = std::get_if<step::Log>(&s)) {
        m_log->addLine(QString::fromStdString(l->line), l->aside);
        return;
    } else if (std::holds_alternative<step::ClearLog>(s)) {
        m_log->clear();
        return;
    } else if (std::holds_alternative<step::Sound>(s) || std::holds_alternative<step::Pause>(s)) {
        return;
    } else if (std::holds_alternative<step::ShowTrick>(s)) {
        watchForDismissal();
    }
    update();
}

void TableView::restore(const Scene& scene)
{
    m_scene = scene;
    for (int c = 0; c < ControlCount; ++c)
        if (QWidget* w = controlWidget(static_cast<Control>(c)))
            w->setVisible(scene.shown(static_cast<Control>(c)));
    const int rows = static_cast<int>(scene.log().size());
    while (m_log->count() > rows)
        delete m_log->takeItem(m_log->count() - 1);
    if (m_log->count() > 0)
        m_log->setCurrentRow(m_log->count() - 1);
    m_log->scrollToBottom();
    watchForDismissal();
    update();
}

QSize TableView::cardSize() const { return {m_scale.length(CardWidth), m_scale.length(CardHeight)}; }

QRect TableView::cardRect(Card c) const
{
    const Sprite& s = m_scene.card(c);
    return {m_scale.point(s.left, s.top), cardSize()};
}

QString TableView::toolTipAt(QPoint p) const
{
    using namespace layout;
    for (Seat s = South; s <= East; ++s) {
        const QRectF marker(DealerSpot[s], QSizeF(DealerWidth, DealerHeight));
        if (m_scene.shown(dealerMarker(s)) && inside(marker, p))
            return QStringLiteral("This player is the dealer");
    }
    if (inside(TrumpsPicture, p))
        return QStringLiteral("These are the current trumps");
    if (!inside(ScoresFrame, p))
        return {};
    const QPoint in = p - ScoresFrame.topLeft().toPoint();
    const QSizeF label(ScoreLabelWidth, ScoreLabelHeight);
    const std::pair<QPointF, const char*> labels[] = {
        {YourMade, "Current tricks made your team"}, {TheirMade, "Curent tricks made their team"},
        {YourScore, "You game points"},             {TheirScore, "Their game points"},
    };
    for (const auto& [at, tip] : labels)
        if (inside(QRectF(at, label), in))
            return QString::fromUtf8(tip);
    return QStringLiteral("Game Scoring Details");
}

bool TableView::event(QEvent* e)
{
    if (e->type() == QEvent::ToolTip) {
        auto* help = static_cast<QHelpEvent*>(e);
        const QString tip = toolTipAt(m_scale.toTwips(help->pos()));
        if (tip.isEmpty())
            QToolTip::hideText();
        else
            QToolTip::showText(help->globalPos(), tip, this);
        return true;
    }
    return QWidget::event(e);
}

void TableView::resizeEvent(QResizeEvent* e)
{
    QWidget::resizeEvent(e);
    rescale();
}

void TableView::rescale()
{
    m_scale = TableScale::fit(size());
    m_controls.apply(m_scale);
    m_top->setGeometry(rect());
    m_bidPanel->setMarkSize(std::max(8, static_cast<int>(std::lround(13 * m_scale.factor()))));
}

void TableView::mousePressEvent(QMouseEvent* e)
{
    if (e->button() != Qt::LeftButton)
        return QWidget::mousePressEvent(e);
    const QPoint at = m_scale.toTwips(e->position().toPoint());
    if (const Card c = m_scene.cardAt(at.x(), at.y()); c != NoCard)
        emit cardClicked(c);
    else if (trickArea().contains(at))
        emit trickAreaClicked();
}

}  // namespace corvane

namespace corvane {

void TableView::setKeyboardCards(std::vector<Card> cards)
{
    // The focus stays on the same card, or at the same place when it left.
    const Card was = focusedCard();
    const auto same = std::find(cards.begin(), cards.end(), was);
    if (same != cards.end())
        m_focus = static_cast<std::size_t>(same - cards.begin());
    else if (m_focus >= cards.size())
        m_focus = cards.empty() ? 0 : cards.size() - 1;
    m_keyCards = std::move(cards);
    update();
}

Card TableView::focusedCard() const { return m_focus < m_keyCards.size() ? m_keyCards[m_focus] : NoCard; }

void TableView::keyPressEvent(QKeyEvent* e)
{
    if (m_keyCards.empty())
        return QWidget::keyPressEvent(e);
    switch (e->key()) {
    case Qt::Key_Left:
        if (m_focus > 0)
            --m_focus;
        break;
    case Qt::Key_Right:
        if (m_focus + 1 < m_keyCards.size())
            ++m_focus;
        break;
    case Qt::Key_Space: emit cardClicked(focusedCard()); break;
    case Qt::Key_Return:
    case Qt::Key_Enter: emit cardReturned(focusedCard()); break;
    default: return QWidget::keyPressEvent(e);
    }
    update();
}

}  // namespace corvane
